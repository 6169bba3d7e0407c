#include "brain/ui/Nodedlg.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "brain/BrainProperties.h"

namespace {
double Clamp(double v, double low, double high) { return v < low ? low : (v > high ? high : v); }
std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
QString TwoDecimals(double v) { return QString::number(v, 'f', 2); }
void SetTrack(QSlider* track, double v) {
  QSignalBlocker block(track);
  track->setValue(static_cast<int>(std::lround(Clamp(v, -100, 100))));
}
QRadioButton* Radio(const QString& caption, const QString& name, QWidget* page) {
  auto* b = new QRadioButton(caption, page);
  b->setObjectName(name);
  return b;
}
QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}
}  // namespace

// ---- shared parts ----------------------------------------------------------------

TPropDialog::TPropDialog(TBrainBoard& board, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), board_(board) {
  setWindowTitle(caption);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  layout->addWidget(tabs_);
}

QWidget* TPropDialog::AddTab(const QString& name) {
  auto* page = new QWidget(tabs_);
  tabs_->addTab(page, name);
  return page;
}

void TPropDialog::PlaceAt(QPoint pointer, bool centred) {
  adjustSize();
  QScreen* screen = QGuiApplication::screenAt(pointer);
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
  const QSize s = frameGeometry().size();
  int x = centred ? pointer.x() - s.width() / 2 : pointer.x() - 16 - s.width();
  int y = centred ? pointer.y() - s.height() / 2 : pointer.y() - 16 - s.height();
  if (x < area.left() || x + s.width() > area.right()) x = pointer.x() + 16;
  if (y < area.top() || y + s.height() > area.bottom()) y = pointer.y() + 16;
  move(x, y);
}

void MirroredValue::Build(QWidget* page, const QString& boxName, const QString& trackName) {
  auto* row = new QHBoxLayout(page);
  box = new QLineEdit(page);
  box->setObjectName(boxName);
  box->setMaximumWidth(80);
  track = new QSlider(Qt::Vertical, page);
  track->setObjectName(trackName);
  track->setRange(-100, 100);
  track->setMinimumHeight(120);
  row->addWidget(box, 0, Qt::AlignVCenter);
  row->addWidget(track);
}

// ---- neurons -----------------------------------------------------------------------

TNeuronPropDlg::TNeuronPropDlg(TBrainBoard& board, std::vector<int> neurons, QWidget* parent)
    : TPropDialog(board, "Neuron Prop", parent), neurons_(std::move(neurons)) {
  MirroredValue threshold;
  threshold.Build(AddTab("Threshold"), "ThresholdBox", "ThresholdTrack");
  ThresholdBox = threshold.box, ThresholdTrack = threshold.track;

  QWidget* type = AddTab("Type");
  auto* form = new QVBoxLayout(type);
  StepButton = Radio("Step", "StepButton", type);
  LinearButton = Radio("Linear", "LinearButton", type);
  SigmoidButton = Radio("Sigmoid", "SigmoidButton", type);
  ErrorButton = Radio("Error calc", "ErrorButton", type);
  typeGroup_ = new QButtonGroup(this);
  typeGroup_->addButton(StepButton, StepNeuron);
  typeGroup_->addButton(LinearButton, LinearNeuron);
  typeGroup_->addButton(SigmoidButton, SigmoidNeuron);
  typeGroup_->addButton(ErrorButton, ErrorNeuron);
  kBox = new QLineEdit(type);
  kBox->setObjectName("kBox");
  LearnCheck = new QCheckBox("Learn", type);
  LearnCheck->setObjectName("LearnCheck");
  form->addWidget(StepButton);
  form->addWidget(LinearButton);
  auto* sigmoidRow = new QHBoxLayout;
  sigmoidRow->addWidget(SigmoidButton);
  sigmoidRow->addWidget(new QLabel("k", type));
  sigmoidRow->addWidget(kBox);
  form->addLayout(sigmoidRow);
  form->addWidget(ErrorButton);
  form->addWidget(LearnCheck);

  auto* buttons = new QHBoxLayout;
  OKBtn = Button("OK", "OKBtn", this);
  DelBtn = Button("Del", "DelBtn", this);
  buttons->addWidget(OKBtn);
  buttons->addWidget(DelBtn);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);

  ShowShared();
  connect(ThresholdBox, &QLineEdit::textEdited, this, [this] { ThresholdBoxChange(); });
  connect(ThresholdTrack, &QSlider::valueChanged, this, [this](int v) { ThresholdTrackChange(v); });
  connect(typeGroup_, &QButtonGroup::idClicked, this, [this](int id) { TypeClick(id); });
  connect(kBox, &QLineEdit::textEdited, this, [this] { kBoxChange(); });
  connect(LearnCheck, &QCheckBox::clicked, this, [this] { LearnCheckClick(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
  connect(DelBtn, &QPushButton::clicked, this, [this] {
    for (int i : neurons_) this->board().DeleteNeuron(i);
    neurons_.clear();
    Changed();
    close();
  });
}

bool TNeuronPropDlg::ElementsLive() const {
  for (int i : neurons_)
    if (!board().neurons.live(i)) return false;
  return true;
}

// A value all neurons share is shown; one that differs is shown empty.
void TNeuronPropDlg::ShowShared() {
  std::vector<const Neuron*> live;
  for (int i : neurons_)
    if (board().neurons.live(i)) live.push_back(&board().neurons[i]);
  if (live.empty()) return;
  auto shared = [&](auto field) {
    for (const Neuron* n : live)
      if (field(*n) != field(*live[0])) return false;
    return true;
  };
  const Neuron& first = *live[0];
  if (shared([](const Neuron& n) { return n.threshold; })) {
    ThresholdBox->setText(TwoDecimals(first.threshold));
    SetTrack(ThresholdTrack, first.threshold);
  } else {
    SetTrack(ThresholdTrack, 0);
  }
  if (shared([](const Neuron& n) { return n.type; }) && typeGroup_->button(first.type))
    typeGroup_->button(first.type)->setChecked(true);
  if (shared([](const Neuron& n) { return n.gain; })) kBox->setText(TwoDecimals(first.gain));
  if (shared([](const Neuron& n) { return n.learn; })) {
    LearnCheck->setChecked(first.learn);
  } else {
    LearnCheck->setTristate(true);
    LearnCheck->setCheckState(Qt::PartiallyChecked);
  }
}

void TNeuronPropDlg::ThresholdBoxChange() {
  SetTrack(ThresholdTrack, ReadReal(Text(ThresholdBox), 0));
  SetNeuronThreshold(board(), neurons_, Text(ThresholdBox));
  Changed();
}

void TNeuronPropDlg::ThresholdTrackChange(int v) {
  ThresholdBox->setText(TwoDecimals(v));
  SetNeuronThreshold(board(), neurons_, std::to_string(v));
  Changed();
}

void TNeuronPropDlg::TypeClick(int type) {
  SetNeuronType(board(), neurons_, type, Text(kBox));
  if (type != SigmoidNeuron) {  // the learn flags went with the gain
    LearnCheck->setTristate(false);
    LearnCheck->setChecked(false);
  }
  Changed();
}

void TNeuronPropDlg::kBoxChange() {
  const bool step = StepButton->isChecked();
  if (!step) SigmoidButton->setChecked(true);
  SetNeuronGain(board(), neurons_, Text(kBox), step);
  Changed();
}

void TNeuronPropDlg::LearnCheckClick() {
  if (LearnCheck->isTristate()) {  // a grayed box becomes a plain one once clicked
    LearnCheck->setTristate(false);
    LearnCheck->setChecked(true);
  }
  const bool learn = LearnCheck->isChecked();
  const bool sigmoidChosen = SigmoidButton->isChecked();
  if (learn) SigmoidButton->setChecked(true);
  SetNeuronLearn(board(), neurons_, learn, Text(kBox), sigmoidChosen);
  Changed();
}

// ---- synapses ----------------------------------------------------------------------

TSynapsePropDlg::TSynapsePropDlg(TBrainBoard& board, std::vector<SynapseRef> synapses, QWidget* parent)
    : TPropDialog(board, "Synapse Prop", parent), synapses_(std::move(synapses)) {
  MirroredValue weight;
  weight.Build(AddTab("Weight"), "WeightBox", "WeightTrack");
  WeightBox = weight.box, WeightTrack = weight.track;
  QWidget* change = AddTab("Change");
  auto* form = new QFormLayout(change);
  DecayBox = new QLineEdit(change);
  DecayBox->setObjectName("DecayBox");
  LearnCheck = new QCheckBox("Learn", change);
  LearnCheck->setObjectName("LearnCheck");
  form->addRow("Decay", DecayBox);
  form->addRow(LearnCheck);
  OKBtn = Button("OK", "OKBtn", this);
  layout()->addWidget(OKBtn);

  std::vector<const Synapse*> live;
  for (const SynapseRef& r : synapses_)
    if (board.neurons.live(r.neuron)) live.push_back(&board.neurons[r.neuron].slots[r.slot]);
  auto shared = [&](auto field) {
    for (const Synapse* s : live)
      if (field(*s) != field(*live[0])) return false;
    return !live.empty();
  };
  if (shared([](const Synapse& s) { return s.weight; })) {
    WeightBox->setText(TwoDecimals(live[0]->weight));
    SetTrack(WeightTrack, live[0]->weight);
  } else {
    SetTrack(WeightTrack, 0);
  }
  if (shared([](const Synapse& s) { return s.decay; })) DecayBox->setText(TwoDecimals(live[0]->decay));
  if (shared([](const Synapse& s) { return s.learn; })) {
    LearnCheck->setChecked(live[0]->learn);
  } else {
    LearnCheck->setTristate(true);
    LearnCheck->setCheckState(Qt::PartiallyChecked);
  }

  connect(WeightBox, &QLineEdit::textEdited, this, [this] {
    SetTrack(WeightTrack, ReadReal(Text(WeightBox), 0));
    SetSynapseWeight(this->board(), synapses_, Text(WeightBox));
    Changed();
  });
  connect(WeightTrack, &QSlider::valueChanged, this, [this](int v) {
    WeightBox->setText(TwoDecimals(v));
    SetSynapseWeight(this->board(), synapses_, std::to_string(v));
    Changed();
  });
  connect(DecayBox, &QLineEdit::textEdited, this, [this] {
    SetSynapseDecay(this->board(), synapses_, Text(DecayBox));
  });
  connect(LearnCheck, &QCheckBox::clicked, this, [this] {
    if (LearnCheck->isTristate()) {
      LearnCheck->setTristate(false);
      LearnCheck->setChecked(true);
    }
    SetSynapseLearn(this->board(), synapses_, LearnCheck->isChecked());
  });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
}

bool TSynapsePropDlg::ElementsLive() const {
  for (const SynapseRef& r : synapses_)
    if (!board().neurons.live(r.neuron) || !IsInputSlot(board().neurons[r.neuron].slots[r.slot].kind)) return false;
  return true;
}

// ---- nodes -----------------------------------------------------------------------

TNodeProp::TNodeProp(TBrainBoard& board, int node, QWidget* parent)
    : TPropDialog(board, "Node Prop", parent), node_(node) {
  BeginNodeEdit(board, node);  // a plain node without a wire is held while it is open
  Node& n = board.nodes[node];

  MirroredValue value;
  value.Build(AddTab("Output"), "ValueBox", "ValueTrack");
  ValueBox = value.box, ValueTrack = value.track;
  const bool held = n.type == HeldNode;
  ValueBox->setEnabled(held);
  ValueTrack->setEnabled(held);
  ValueBox->setText(TwoDecimals(n.value[0]));
  SetTrack(ValueTrack, n.value[0]);

  QWidget* type = AddTab("Type");
  auto* form = new QFormLayout(type);
  NodeButton = Radio("Node", "NodeButton", type);
  FileButton = Radio("File", "FileButton", type);
  KeyButton = Radio("Key", "KeyButton", type);
  NameBox = new QLineEdit(type);
  NameBox->setObjectName("NameBox");
  ColumnBox = new QLineEdit(type);
  ColumnBox->setObjectName("ColumnBox");
  OnBox = new QLineEdit(type);
  OnBox->setObjectName("OnBox");
  auto* radios = new QHBoxLayout;
  radios->addWidget(NodeButton);
  radios->addWidget(FileButton);
  radios->addWidget(KeyButton);
  form->addRow(radios);
  form->addRow("File / Key", NameBox);
  form->addRow("Col/Off", ColumnBox);
  form->addRow("On", OnBox);
  auto* group = new QButtonGroup(this);
  for (QRadioButton* b : {NodeButton, FileButton, KeyButton}) group->addButton(b);

  auto* buttons = new QHBoxLayout;
  OKBtn = Button("OK", "OKBtn", this);
  DelBtn = Button("Del", "DelBtn", this);
  buttons->addWidget(OKBtn);
  buttons->addWidget(DelBtn);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);

  if (n.type == FileInputNode) {
    FileButton->setChecked(true);
    if (n.data >= 0 && n.data < static_cast<int>(board.fileColumns.size())) {
      NameBox->setText(QString::fromStdString(board.fileColumns[n.data].fileName));
      ColumnBox->setText(QString::number(board.fileColumns[n.data].column));
    }
  } else if (n.type == KeyInputNode) {
    KeyButton->setChecked(true);
    NameBox->setText(n.picture > 0 && n.picture < 256 ? QString(QChar(n.picture)) : QString());
    ColumnBox->setText(QString::number(n.data / 1000 - 100));
    OnBox->setText(QString::number(n.data % 1000 - 100));
  } else {
    NodeButton->setChecked(true);
    FileButton->setEnabled(held);
    KeyButton->setEnabled(held);
  }
  TypeClick();

  connect(ValueBox, &QLineEdit::textEdited, this, [this] {
    SetTrack(ValueTrack, ReadReal(Text(ValueBox), 0));
    SetHeldNodeValue(this->board(), node_, Text(ValueBox));
  });
  connect(ValueTrack, &QSlider::valueChanged, this, [this](int v) {
    ValueBox->setText(TwoDecimals(v));
    SetHeldNodeValue(this->board(), node_, std::to_string(v));
  });
  connect(group, &QButtonGroup::buttonClicked, this, [this] { TypeClick(); });
  connect(NameBox, &QLineEdit::textEdited, this, [this] {
    if (KeyButton->isChecked()) NameBox->setText(NameBox->text().toUpper());
  });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
  connect(DelBtn, &QPushButton::clicked, this, [this] {
    dismissed_ = true;
    this->board().DeleteNode(node_, false);
    Changed();
    close();
  });
}

void TNodeProp::TypeClick() {
  const bool file = FileButton->isChecked(), key = KeyButton->isChecked();
  NameBox->setEnabled(file || key);
  ColumnBox->setEnabled(file || key);
  OnBox->setEnabled(key);
  if (key) NameBox->setText(NameBox->text().toUpper());
}

void TNodeProp::done(int result) {
  if (!dismissed_ && ElementsLive()) {
    const NodeChoice choice =
        FileButton->isChecked() ? NodeChoice::File : (KeyButton->isChecked() ? NodeChoice::Key : NodeChoice::Node);
    if (!EndNodeEdit(board(), node_, choice, Text(NameBox), Text(ColumnBox), Text(OnBox)))
      return;
    Changed();
  }
  QDialog::done(result);
}

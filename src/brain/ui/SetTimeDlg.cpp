#include "brain/ui/SetTimeDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "brain/DialogNumbers.h"

namespace {
QLineEdit* Box(QFormLayout* form, const QString& label, const QString& name, const QString& text) {
  auto* box = new QLineEdit(text);
  box->setObjectName(name);
  form->addRow(label, box);
  return box;
}
QString TwoDecimals(double v) { return QString::number(v, 'f', 2); }
std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
}  // namespace

TSetTimeDlg::TSetTimeDlg(TBrainBoard& board, const BrainServices& services, QWidget* parent)
    : QDialog(parent), board_(board), services_(services) {
  setWindowTitle("Brain Properties");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  Tabs = new QTabWidget(this);
  layout->addWidget(Tabs);

  auto* neurons = new QWidget;
  auto* nf = new QFormLayout(neurons);
  ThreshBox = Box(nf, "Default neuron threshold", "ThreshBox", TwoDecimals(board.defaultThreshold));
  WeightBox = Box(nf, "Default synapse weight", "WeightBox", TwoDecimals(board.defaultWeight));
  StepButton = new QRadioButton("Step");
  LinearButton = new QRadioButton("Linear");
  SigmoidButton = new QRadioButton("Sigmoid");
  ErrorButton = new QRadioButton("Error calc");
  kBox = new QLineEdit(QString::number(board.defaultGain));
  kBox->setObjectName("kBox");
  auto* types = new QVBoxLayout;
  types->addWidget(StepButton);
  types->addWidget(LinearButton);
  auto* sig = new QHBoxLayout;
  sig->addWidget(SigmoidButton);
  sig->addWidget(kBox);
  types->addLayout(sig);
  types->addWidget(ErrorButton);
  nf->addRow("Default type", types);
  QRadioButton* chosen[] = {StepButton, SigmoidButton, LinearButton, ErrorButton};  // by type number
  chosen[board.defaultType >= 0 && board.defaultType <= 3 ? board.defaultType : ErrorNeuron]->setChecked(true);
  LearnCheck = new QCheckBox("Learn");
  LearnCheck->setChecked(board.defaultLearn);
  nf->addRow(LearnCheck);
  Tabs->addTab(neurons, "Neurons");

  auto* timing = new QWidget;
  auto* tf = new QFormLayout(timing);
  CyclesBox = Box(tf, "Brain cycles per update (default 15)", "CyclesBox", QString::number(board.cyclesPerUpdate));
  UpdateBox = Box(tf, "Update interval (default 50 msec)", "UpdateBox", QString::number(services.Interval()));
  Tabs->addTab(timing, "Timing");

  auto* display = new QWidget;
  auto* df = new QFormLayout(display);
  ScaleBox = Box(df, "Form scale %", "ScaleBox", "100");
  MonitorGroup = new QButtonGroup(this);
  auto* modes = new QVBoxLayout;
  const char* names[] = {"On maximize", "On resize", "On right click", "Always", "Never"};
  for (int m = 0; m < 5; ++m) {
    auto* b = new QRadioButton(names[m]);
    MonitorGroup->addButton(b, m);
    modes->addWidget(b);
  }
  if (MonitorGroup->button(services.MonitorMode())) MonitorGroup->button(services.MonitorMode())->setChecked(true);
  df->addRow("Show test controls", modes);
  Tabs->addTab(display, "Display");

  auto* learning = new QWidget;
  auto* lf = new QFormLayout(learning);
  RateBox = Box(lf, "Rate (0 to 1)", "RateBox", TwoDecimals(board.learnRate));
  MomentumBox = Box(lf, "Momentum", "MomentumBox", TwoDecimals(board.momentum));
  TrainingCheck = new QCheckBox("Learning");
  TrainingCheck->setChecked(board.learning);
  lf->addRow(TrainingCheck);
  Tabs->addTab(learning, "Learning");

  auto* size = new QWidget;
  auto* sf = new QFormLayout(size);
  WidthBox = Box(sf, "Width (default 100)", "WidthBox", QString::number(board.columns()));
  HeightBox = Box(sf, "Height (default 100)", "HeightBox", QString::number(board.rows()));
  Tabs->addTab(size, "Size");

  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton("OK");
  CancelBtn = new QPushButton("Cancel");
  HelpBtn = new QPushButton("Help");
  for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] {
    const int tab = Tabs->currentIndex();
    if (services_.showManual && tab >= 0 && tab < 5) services_.showManual(HelpPages[tab]);
  });
}

bool TSetTimeDlg::Checks() {
  struct Check {
    QLineEdit* box;
    bool (*fails)(int);
    const char *text, *caption;
  };
  const Check checks[] = {
      {ThreshBox, [](int v) { return v < -100 || v > 100; }, "Threshold must be between -100 and 100", "Default threshold"},
      {WeightBox, [](int v) { return v < -100 || v > 100; }, "Weight must be between -100 and 100", "Default weight"},
      {UpdateBox, [](int v) { return v <= 0; }, "Update time must be greater than 0", "Update time"},
      {CyclesBox, [](int v) { return v <= 0; }, "Number of cycles must be greater than 0", "Number of cycles"},
      {WidthBox, [](int v) { return v < 100; }, "Width must be greater or equal to 100", "Board Width"},
      {HeightBox, [](int v) { return v < 100; }, "Height must be greater than or equal to 100", "Board Height"},
  };
  bool ok = true;
  for (const Check& c : checks) {
    if (!c.fails(ReadInteger(Text(c.box), 0))) continue;
    board_.Message(c.text, c.caption);
    if (ok) c.box->setFocus();
    ok = false;
  }
  return ok;
}

// Cancel always closes; OK only once the checks pass.
void TSetTimeDlg::done(int result) {
  if (result == QDialog::Accepted) {
    if (!Checks()) return;
    Apply();
  }
  QDialog::done(result);
}

void TSetTimeDlg::Apply() {
  TBrainBoard& b = board_;
  b.defaultThreshold = static_cast<float>(Clamp(ReadReal(Text(ThreshBox), 0), -100, 100));
  b.defaultWeight = static_cast<float>(Clamp(ReadReal(Text(WeightBox), 0), -100, 100));
  b.defaultType = StepButton->isChecked()      ? StepNeuron
                  : LinearButton->isChecked()  ? LinearNeuron
                  : SigmoidButton->isChecked() ? SigmoidNeuron
                                               : ErrorNeuron;
  b.defaultGain = static_cast<float>(ReadReal(Text(kBox), 0));
  b.defaultLearn = LearnCheck->isChecked();
  b.cyclesPerUpdate = ReadInteger(Text(CyclesBox), 0);
  if (services_.setInterval) services_.setInterval(ReadInteger(Text(UpdateBox), 50));
  if (services_.scaleDisplay) services_.scaleDisplay(ReadInteger(Text(ScaleBox), 100));
  if (services_.setMonitorMode && MonitorGroup->checkedId() >= 0) services_.setMonitorMode(MonitorGroup->checkedId());
  b.learnRate = static_cast<float>(Clamp(ReadReal(Text(RateBox), 0), 0, 1));
  const double momentum = ReadReal(Text(MomentumBox), 0);
  b.momentum = static_cast<float>(momentum < 0 ? 0 : momentum);
  b.learning = TrainingCheck->isChecked();
  const int width = ReadInteger(Text(WidthBox), 100), height = ReadInteger(Text(HeightBox), 100);
  if (width == b.columns() && height == b.rows()) return;
  if (!b.host().messages ||
      b.host().messages->AskYesNo("Changing the size will erase the brain. Continue?", "Board Size Change") != Answer::Yes)
    return;
  b.Clear(true);
  b.SetSize(width, height);
  b.SetIO(nullptr, nullptr);
  if (resized) resized();
}

TClearBoardDlg::TClearBoardDlg(bool allowAll, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Clear");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Do you want to erase this brain ?"));
  auto* buttons = new QHBoxLayout;
  ClearThisBtn = new QPushButton("Clear this");
  CancelBtn = new QPushButton("Cancel");
  ClearAllBtn = new QPushButton("Clear all");
  ClearAllBtn->setEnabled(allowAll);
  for (QPushButton* b : {ClearThisBtn, CancelBtn, ClearAllBtn}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(ClearThisBtn, &QPushButton::clicked, this, [this] { choice = ClearThis, accept(); });
  connect(ClearAllBtn, &QPushButton::clicked, this, [this] { choice = ClearAll, accept(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

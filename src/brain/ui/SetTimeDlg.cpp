#include "brain/ui/SetTimeDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "brain/BrainProperties.h"

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
  ScaleBox = Box(df, "Form scale %", "ScaleBox", QString::number(services.Scale()));
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

BrainSettingsTexts TSetTimeDlg::Texts() const {
  BrainSettingsTexts t;
  t.threshold = Text(ThreshBox), t.weight = Text(WeightBox), t.gain = Text(kBox);
  t.cycles = Text(CyclesBox), t.update = Text(UpdateBox), t.rate = Text(RateBox);
  t.momentum = Text(MomentumBox), t.width = Text(WidthBox), t.height = Text(HeightBox);
  t.type = StepButton->isChecked()      ? StepNeuron
           : LinearButton->isChecked()  ? LinearNeuron
           : SigmoidButton->isChecked() ? SigmoidNeuron
                                        : ErrorNeuron;
  t.learn = LearnCheck->isChecked();
  t.training = TrainingCheck->isChecked();
  return t;
}

bool TSetTimeDlg::Checks() { return CheckSettingsTexts(Texts(), board_.host()); }

// Cancel always closes; OK only once the checks pass.
void TSetTimeDlg::done(int result) {
  if (result == QDialog::Accepted) {
    if (!Checks()) return;
    Apply();
  }
  QDialog::done(result);
}

void TSetTimeDlg::Apply() {
  const int columns = board_.columns(), rows = board_.rows();
  ApplySettingsTexts(board_, Texts());
  if (services_.setInterval) services_.setInterval(ReadInteger(Text(UpdateBox), 50));
  if (services_.scaleDisplay) services_.scaleDisplay(ReadInteger(Text(ScaleBox), 100));
  if (services_.setMonitorMode && MonitorGroup->checkedId() >= 0) services_.setMonitorMode(MonitorGroup->checkedId());
  if ((board_.columns() != columns || board_.rows() != rows) && resized) resized();
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

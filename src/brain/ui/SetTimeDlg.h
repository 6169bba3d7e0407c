#pragma once
// TSetTimeDlg ("Brain Properties"): the board's settings, the tick interval, the display
// scale and the test controls' mode. Modal; applies on "OK" once all six checks pass.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "brain/BrainProperties.h"
#include "brain/Brainboard.h"
#include "brain/ui/BrainServices.h"

class TSetTimeDlg : public QDialog {
  Q_OBJECT
 public:
  TSetTimeDlg(TBrainBoard& board, const BrainServices& services, QWidget* parent = nullptr);
  // The board was resized (and cleared): its owner updates scroll ranges and repaints.
  std::function<void()> resized;
  static constexpr int HelpPages[5] = {182, 184, 186, 188, 190};

  QTabWidget* Tabs;
  QLineEdit *ThreshBox, *WeightBox, *kBox, *CyclesBox, *UpdateBox, *ScaleBox, *RateBox, *MomentumBox;
  QLineEdit *WidthBox, *HeightBox;
  QRadioButton *StepButton, *LinearButton, *SigmoidButton, *ErrorButton;
  QCheckBox *LearnCheck, *TrainingCheck;
  QButtonGroup* MonitorGroup;
  QPushButton *OKBtn, *CancelBtn, *HelpBtn;

  // The six checks in order, each failure shown; true when all pass.
  bool Checks();
  BrainSettingsTexts Texts() const;

 protected:
  void done(int result) override;

 private:
  void Apply();
  TBrainBoard& board_;
  const BrainServices& services_;
};

// "Clear" with "Do you want to erase this brain ?": which tabs to clear.
class TClearBoardDlg : public QDialog {
  Q_OBJECT
 public:
  enum Choice { ClearNone, ClearThis, ClearAll };
  TClearBoardDlg(bool allowAll, QWidget* parent = nullptr);
  Choice choice = ClearNone;
  QPushButton *ClearThisBtn, *CancelBtn, *ClearAllBtn;
};

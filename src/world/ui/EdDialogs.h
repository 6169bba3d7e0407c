#pragma once
// The world editor's property dialogs: the test, the description, a critter's brain,
// its random placement rules, its smells and its energy. Each is modal, filled by the
// editor before it shows and read back after OK; the validating ones stay open until
// their checks hold. "Help" opens the dialog's page of the manual.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>
#include <vector>

#include "bodies/Critter.h"
#include "platform/Host.h"
#include "world/EditorChecks.h"

// The manual pages the dialogs' Help buttons open.
namespace EditorHelp {
constexpr int Editor = 130, Test = 132, Description = 134, Brain = 136, Randomize = 138, Smell = 140, Energy = 142;
}

// The parts every editor dialog shares: OK, Cancel and Help, and the close-allowed flag
// that a failed check clears.
class TEdDialog : public QDialog {
  Q_OBJECT
 public:
  TEdDialog(QWidget* parent, const QString& caption, Host host, std::function<void()> help);
  QPushButton *OKBtn, *CancelBtn, *HelpBtn;
  bool closeAllowed = true;

 protected:
  // Adds the button row at the bottom of the layout.
  void AddButtons(class QBoxLayout* layout);
  // Shows the problem with the dialog's caption and puts the focus on the field.
  bool Refused(const DialogProblem& problem, QWidget* field);
  void done(int result) override;
  virtual bool Checks() { return true; }
  Host host_;
  QString caption_;
  std::function<void()> help_;
};

class TEdTestDlg : public TEdDialog {
  Q_OBJECT
 public:
  TEdTestDlg(QWidget* parent, Host host, std::function<void()> help, const std::vector<std::string>& critters);
  QButtonGroup* TestGroup;
  QListWidget *TestList, *FollowList;
  QLineEdit *TimeBox, *EnergyBox;

 protected:
  bool Checks() override;
};

class TEdDescDlg : public TEdDialog {
  Q_OBJECT
 public:
  TEdDescDlg(QWidget* parent, Host host, std::function<void()> help);
  QPlainTextEdit* DescBox;

 protected:
  // A line starting with "[" would end the world file's text there on the next reading.
  bool Checks() override;
};

class TEdBrainDlg : public TEdDialog {
  Q_OBJECT
 public:
  // available: the type's channels; used: those the brain has now.
  TEdBrainDlg(QWidget* parent, Host host, std::function<void()> help, const TChannelFlags& inputsAvailable,
              const TChannelFlags& inputsUsed, const TChannelFlags& outputsAvailable, const TChannelFlags& outputsUsed);
  QRadioButton *NoneCheck, *FileCheck, *BoardCheck;
  QLineEdit *FileBox, *NameBox;
  QListWidget *InputList, *OutputList;
  int Mode() const;
  void SetMode(int mode);
  TChannelFlags Ticked(const QListWidget* list) const;

 protected:
  bool Checks() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class TEdDeadDlg : public TEdDialog {
  Q_OBJECT
 public:
  TEdDeadDlg(QWidget* parent, Host host, std::function<void()> help, const std::vector<TPlacement>& rules);
  QListWidget* RandomList;
  QLineEdit *CenterXBox, *CenterYBox, *RadiusBox, *MinZBox, *MaxZBox, *MinDirBox, *MaxDirBox;
  QCheckBox *OnCreateCheck, *OnDeathCheck, *OnResetCheck;
  QPushButton *AddButton, *ChangeButton, *DeleteButton;
  std::vector<TPlacement> rules;

  void RandomListClick();
  void AddButtonClick();
  void ChangeButtonClick();
  void DeleteButtonClick();

 private:
  bool RuleOfBoxes(TPlacement& rule);
};

class TEdSmellDlg : public TEdDialog {
  Q_OBJECT
 public:
  TEdSmellDlg(QWidget* parent, Host host, std::function<void()> help, const std::vector<std::string>& names);
  QComboBox *SmellType1Box, *SmellType2Box;
};

class TEdEnergyDlg : public TEdDialog {
  Q_OBJECT
 public:
  TEdEnergyDlg(QWidget* parent, Host host, std::function<void()> help);
  QLineEdit *StartBox, *LossBox;
  float start = 0, loss = 0;

 protected:
  bool Checks() override;
};

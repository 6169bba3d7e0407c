#pragma once
// TEditForm ("World Editor"): the window over the editing rules of TWorldEditing. A plan
// of the map (or the side view of one row) beside three tabs of lists and fields for the
// scenery, the critters and the trigger zones. Every change goes straight into the world
// the world window holds; "Save" writes it to its file.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/IndexedImage.h"
#include "world/WorldEditing.h"

class TEditForm;

// A PicList or ThingList row: the picture (its place in the world's list), its frame and text.
void SetThumbnailItem(QListWidgetItem* item, int picture, int frame, const QString& label);

// The plan view: black, painted from the editor's shapes; a mouse release chooses a cell.
class TPlanView : public QWidget {
  Q_OBJECT
 public:
  explicit TPlanView(TEditForm& form, QWidget* parent = nullptr);
  // The next paint draws over what the view shows instead of starting black.
  void PaintOver();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Stroke();
  TEditForm& form_;
  QImage canvas_;
  bool over_ = false;
};

class TEditForm : public QWidget {
  Q_OBJECT
 public:
  // showManual opens a page of the manual (the dialogs' and the editor's Help).
  TEditForm(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test,
            std::function<void(int page)> showManual, QWidget* parent = nullptr);
  ~TEditForm() override;

  // ---- what the shell calls ------------------------------------------------------------
  void OpenEditor(int progress);
  bool HasChanges() const { return editing_.HasChanges(); }
  void ForgetChanges() { editing_.ForgetChanges(); }
  // False when the world was not written.
  bool SaveChanges();
  // Every tick: with "Keep" the plan is painted over itself, with "Clear" anew.
  void Update();
  // The window closed and may be destroyed (the shell makes a new one at the next "Edit").
  std::function<void()> onClosed;
  // The learner closed the window and turned the unsaved changes down: they are still in
  // the world the world window holds, which must go so that nothing saves them later.
  std::function<void()> onChangesDropped;
  // The width of the panel of lists and fields beside the plan.
  static constexpr int PanelWidth = 250;

  TWorldEditing& editing() { return editing_; }
  const Palette& palette() const { return palette_; }

  // ---- controls ------------------------------------------------------------------------
  QToolButton *SaveButton, *SaveAsButton, *ZoomInButton, *ZoomOutButton, *XZButton, *HelpButton;
  QTabWidget* PageControl;
  TPlanView* PlanPic;
  QScrollBar *ScrollX, *ScrollY, *ScrollH;
  // World tab
  QListWidget* ThingList;
  QPushButton *ThingAddButton, *ThingChangeButton, *ThingDelButton;
  QLineEdit *ThingXBox, *ThingYBox, *ThingZBox;
  QListWidget *CmpList, *PicList;
  QPushButton *TestButton, *DescButton;
  QButtonGroup* UpdateGroup;
  QPushButton *UpButton, *DownButton;
  QCheckBox *DispHeightCheck, *FixCheck;
  // Critters tab
  QListWidget* CritterUsedList;
  QToolButton *CritterUpButton, *CritterDownButton;
  QPushButton *CritterAddButton, *CritterChangeButton, *CritterDelButton;
  QLineEdit* CritterNameBox;
  QComboBox* CritterTypeBox;
  QLineEdit *CritterXBox, *CritterYBox, *CritterZBox;
  QLabel* RotationLabel;
  QPushButton *RotateLeft4Button, *RotateLeftButton, *RotateRightButton, *RotateRight4Button;
  QPushButton *BrainButton, *EnergyButton, *RandomButton, *SmellButton;
  // Triggers tab
  QListWidget* TriggerListBox;
  QPushButton *TriggerAddButton, *TriggerChangeButton, *TriggerDelButton;
  QComboBox *TriggerOfBox, *TriggerByBox;
  QLineEdit *CornerXBox[4], *CornerYBox[4];
  QLineEdit *ZminBox, *ZmaxBox, *NewXBox, *NewYBox;

  // ---- actions (EditorActions.cpp) ------------------------------------------------------
  void PlanPicMouseUp(int x, int y);
  void ChooseCell(int x, int y);
  void HeightClick(bool up);
  void ThingAddClick();
  void ThingChangeClick();
  void ThingDelClick();
  void ThingListClick();
  void CmpListClick();
  void PicListClick();
  void CritterAddClick();
  void CritterChangeClick();
  void CritterDelClick();
  void CritterUsedListClick();
  void CritterMoveClick(bool up);
  void RotateClick(int step);
  void BrainClick();
  void EnergyClick();
  void RandomClick();
  void SmellClick();
  void TestClick();
  void DescriptionClick();
  void TriggerAddClick();
  void TriggerChangeClick();
  void TriggerDelClick();
  void TriggerListClick();
  void SaveClick();
  void SaveAsClick();
  void XZClick();
  void ScrollChanged();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  QWidget* BuildWorldTab();
  QWidget* BuildCrittersTab();
  QWidget* BuildTriggersTab();
  void BuildSpeedBar(QWidget* panel);
  // The Elevation button's picture and hint: which view comes next.
  void ShowViewButton();
  void AddHints();
  // The lists and boxes from the editing state.
  void RefreshAll();
  void RefreshThings();
  void RefreshCritters();
  void RefreshTriggers();
  void RefreshBoxes();
  void RefreshScrollBars();
  void FillPicList();
  void EnableCritterButtons();
  TriggerBoxes TriggerFields() const;
  std::function<void()> Help(int page);

  TWorldEditing editing_;
  Host host_;
  Palette palette_{};
  std::function<void(int)> showManual_;
  std::vector<TStaticBound*> shownThings_;
  bool filling_ = false;
};

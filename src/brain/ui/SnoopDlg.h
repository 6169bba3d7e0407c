#pragma once
// TSnoopPropDlg: a snooper's colour bands ("Switch") and how it reads its cell ("Type").
// Every change is written into the snooper at once.
#include <QFrame>
#include <QListWidget>

#include "brain/SnooperBands.h"
#include "brain/ui/Nodedlg.h"

// Twelve colours as a grid four wide of 13-pixel squares; a click picks one.
class TColorSelector : public QWidget {
  Q_OBJECT
 public:
  explicit TColorSelector(QWidget* parent);
  std::function<void(int tile)> picked;
  static constexpr int Square = 13;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
};

class TSnoopPropDlg : public TPropDialog {
  Q_OBJECT
 public:
  TSnoopPropDlg(TBrainBoard& board, int snooper, QWidget* parent = nullptr);
  bool ElementsLive() const override { return board().snoopers.live(snooper_); }
  int snooper() const { return snooper_; }
  // Asks the owner to open a dialog for a new snooper ("Dup").
  std::function<void(int snooper)> duplicated;

  QListWidget* ThresholdList;
  TColorSelector* ColorSelector;
  QFrame* SelectedColor;
  QLineEdit* ThresholdBox;
  QPushButton *AddButton, *DeleteButton, *ChangeButton;
  QButtonGroup* LookAtGroup;
  QCheckBox* MonitorCheck;
  QPushButton *OKBtn, *DelBtn, *DupBtn;

  const SnooperBandList& bands() const { return bands_; }
  void PickColour(int tile);

 private:
  void ShowEntries();
  std::vector<int> Chosen() const;
  void Apply();
  int snooper_;
  int picked_ = 191;
  SnooperBandList bands_;
};

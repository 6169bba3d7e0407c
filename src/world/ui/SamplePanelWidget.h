#pragma once
// The chalk area over the world view and the sample panel docked at the window's right:
// thin widgets over the panel logic, which they forward to and paint from.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

#include "world/SamplePanel.h"

class TChalkArea : public QWidget {
  Q_OBJECT
 public:
  TChalkArea(TSamplePanel& panel, QWidget* parent);
  // Features computed anew, then painted.
  void Recompute();
  // Called before the features are handed on: the panel must hold the board of now.
  std::function<void()> beforeAction;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  TSamplePanel& panel_;
};

class TSamplePanelWidget : public QWidget {
  Q_OBJECT
 public:
  static constexpr int PanelWidth = 96;
  TSamplePanelWidget(TSamplePanel& panel, TChalkArea& area, QWidget* parent);
  // The texts, captions and enabled states from the panel.
  void Refresh();
  // Called before every action: the panel must hold the world's chalk board of now.
  std::function<void()> beforeAction;

  QLineEdit* NumPointsBox;
  QToolButton* NumPointsUp;
  QToolButton* NumPointsDown;
  QCheckBox* ShowCheck;
  std::array<QPushButton*, 10> Buttons{};
  QLabel* CountLabel;
  QPushButton* PlayButton;
  QPushButton* ClearStoreButton;
  QPushButton* SaveButton;
  QPushButton* LoadButton;

 private:
  void Act(const std::function<void()>& action, bool repaintArea = false);
  void StepPoints(int by);

  TSamplePanel& panel_;
  TChalkArea& area_;
};

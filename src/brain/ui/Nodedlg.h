#pragma once
// The brain's property dialogs: neuron, synapse and node. They are modeless, stay on top,
// apply every change at once to all the elements they were opened for, and keep only the
// elements' indexes. The board's owner closes them when their elements go away.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "brain/BoardRequests.h"
#include "brain/Brainboard.h"

class TPropDialog : public QDialog {
  Q_OBJECT
 public:
  TPropDialog(TBrainBoard& board, const QString& caption, QWidget* parent);
  TBrainBoard& board() const { return board_; }
  // Whether every element it edits still exists.
  virtual bool ElementsLive() const = 0;
  // Something on the board changed: the owner repaints.
  std::function<void()> changed;
  // Opens beside the pointer: centred on it, or up and to the left of it with its far
  // corner 16 pixels away; where that leaves the screen, 16 pixels right of or below it.
  void PlaceAt(QPoint pointer, bool centred);
  // Closed by the board (its elements went away, or the board was cleared): nothing is
  // applied on the way out.
  void Dismiss() {
    dismissed_ = true;
    close();
  }

 protected:
  bool dismissed_ = false;
  void Changed() {
    if (changed) changed();
  }
  QTabWidget* tabs_;
  QWidget* AddTab(const QString& name);

 private:
  TBrainBoard& board_;
};

// A vertical track from -100 (bottom) to 100 (top) and its box, each following the other.
struct MirroredValue {
  QLineEdit* box = nullptr;
  QSlider* track = nullptr;
  void Build(QWidget* page, const QString& boxName, const QString& trackName);
};

class TNeuronPropDlg : public TPropDialog {
  Q_OBJECT
 public:
  TNeuronPropDlg(TBrainBoard& board, std::vector<int> neurons, QWidget* parent = nullptr);
  bool ElementsLive() const override;
  const std::vector<int>& neurons() const { return neurons_; }

  QLineEdit* ThresholdBox;
  QSlider* ThresholdTrack;
  QRadioButton *StepButton, *LinearButton, *SigmoidButton, *ErrorButton;
  QLineEdit* kBox;
  QCheckBox* LearnCheck;
  QPushButton *OKBtn, *DelBtn;

 private:
  void ShowShared();
  void ThresholdBoxChange();
  void ThresholdTrackChange(int v);
  void TypeClick(int type);
  void kBoxChange();
  void LearnCheckClick();
  std::vector<int> neurons_;
  QButtonGroup* typeGroup_;
};

class TSynapsePropDlg : public TPropDialog {
  Q_OBJECT
 public:
  TSynapsePropDlg(TBrainBoard& board, std::vector<SynapseRef> synapses, QWidget* parent = nullptr);
  bool ElementsLive() const override;

  QLineEdit* WeightBox;
  QSlider* WeightTrack;
  QLineEdit* DecayBox;
  QCheckBox* LearnCheck;
  QPushButton* OKBtn;

 private:
  std::vector<SynapseRef> synapses_;
};

class TNodeProp : public TPropDialog {
  Q_OBJECT
 public:
  TNodeProp(TBrainBoard& board, int node, QWidget* parent = nullptr);
  bool ElementsLive() const override { return board().nodes.live(node_); }
  int node() const { return node_; }

  QSlider* ValueTrack;
  QLineEdit* ValueBox;
  QRadioButton *NodeButton, *FileButton, *KeyButton;
  QLineEdit *NameBox, *ColumnBox, *OnBox;
  QPushButton *OKBtn, *DelBtn;

 protected:
  void done(int result) override;

 private:
  void TypeClick();
  int node_;
};

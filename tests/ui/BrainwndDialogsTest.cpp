#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "brain/ui/Nodedlg.h"
#include "brain/ui/SetTimeDlg.h"
#include "brain/ui/SnoopDlg.h"
#include "platform/qt/QtHost.h"
#include "support/Fakes.h"

namespace {

struct DialogFixture {
  DialogFixture() { board.SetSize(100, 100); }
  int Neuron(int x, int y, float threshold = 50, int type = StepNeuron) {
    const int i = board.AddNeuron(x, y);
    board.EraseNeuron(i);
    board.neurons[i].threshold = threshold;
    board.neurons[i].type = type;
    board.DrawNeuron(i);
    return i;
  }
  FakeHost fake;
  TBrainBoard board{fake.host(), 3};
};

TEST(NeuronDialog, ThresholdBoxAndTrackMirrorAndClamp) {
  DialogFixture f;
  const int a = f.Neuron(5, 5, 40), b = f.Neuron(12, 5, 60);
  TNeuronPropDlg d(f.board, {a, b});
  EXPECT_TRUE(d.ThresholdBox->text().isEmpty());  // they differ
  EXPECT_EQ(d.ThresholdTrack->value(), 0);
  d.ThresholdTrack->setValue(10);
  EXPECT_FLOAT_EQ(f.board.neurons[a].threshold, 10);
  EXPECT_FLOAT_EQ(f.board.neurons[b].threshold, 10);
  EXPECT_EQ(d.ThresholdBox->text(), "10.00");
  d.ThresholdBox->clear();
  QTest::keyClicks(d.ThresholdBox, "150");
  EXPECT_FLOAT_EQ(f.board.neurons[a].threshold, 100);
  EXPECT_EQ(d.ThresholdTrack->value(), 100);
  d.ThresholdBox->clear();
  QTest::keyClicks(d.ThresholdBox, "x");
  EXPECT_FLOAT_EQ(f.board.neurons[b].threshold, 0);
}

TEST(NeuronDialog, TypeGainAndLearnRules) {
  DialogFixture f;
  const int n = f.Neuron(5, 5, 50, LinearNeuron);
  TNeuronPropDlg d(f.board, {n});
  d.setAttribute(Qt::WA_DeleteOnClose, false);  // it lives on the stack here
  EXPECT_TRUE(d.LinearButton->isChecked());
  d.kBox->clear();
  QTest::keyClicks(d.kBox, "7");
  EXPECT_EQ(f.board.neurons[n].type, SigmoidNeuron);
  EXPECT_FLOAT_EQ(f.board.neurons[n].gain, 5);
  EXPECT_TRUE(d.SigmoidButton->isChecked());
  // A learning Sigmoid neuron chosen Step: no gain, no learning anywhere.
  d.LearnCheck->click();
  ASSERT_TRUE(f.board.neurons[n].learn);
  EXPECT_TRUE(f.board.neurons[n].slots[3].learn);
  EXPECT_NE(f.board.FindPic(5, 5, 135, PicNeuron, n), -1);  // the learning centre tile
  d.StepButton->click();
  EXPECT_EQ(f.board.neurons[n].type, StepNeuron);
  EXPECT_FLOAT_EQ(f.board.neurons[n].gain, 0);
  EXPECT_FALSE(f.board.neurons[n].learn);
  EXPECT_FALSE(f.board.neurons[n].slots[3].learn);
  EXPECT_NE(f.board.FindPic(5, 5, 4, PicNeuron, n), -1);
  // Learn on a Step neuron makes it Sigmoid with the gain in kBox.
  d.kBox->setText("2.5");
  d.LearnCheck->click();
  EXPECT_EQ(f.board.neurons[n].type, SigmoidNeuron);
  EXPECT_FLOAT_EQ(f.board.neurons[n].gain, 2.5);
  EXPECT_FALSE(f.board.broken);
  d.DelBtn->click();
  EXPECT_FALSE(f.board.neurons.live(n));
}

TEST(NeuronDialog, MixedLearnFlagsShowGrayed) {
  DialogFixture f;
  const int a = f.Neuron(5, 5), b = f.Neuron(12, 5);
  f.board.neurons[a].learn = true;
  TNeuronPropDlg d(f.board, {a, b});
  EXPECT_EQ(d.LearnCheck->checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(d.StepButton->isChecked() && false);
  EXPECT_EQ(d.ThresholdBox->text(), "50.00");
}

TEST(SynapseDialog, NegativeWeightMakesTheSynapseInhibitoryAndRedrawsIt) {
  DialogFixture f;
  const int a = f.Neuron(5, 5), b = f.Neuron(12, 5);
  ASSERT_TRUE(f.board.ConnectToNeuron(OtherNeuron, a, 0, b, 4, 80));
  TSynapsePropDlg d(f.board, {{b, 4}});
  EXPECT_EQ(d.WeightBox->text(), "80.00");
  d.WeightBox->clear();
  QTest::keyClicks(d.WeightBox, "-30");
  const Synapse& s = f.board.neurons[b].slots[4];
  EXPECT_EQ(s.kind, SlotInhibitory);
  EXPECT_FLOAT_EQ(s.weight, -30);
  EXPECT_FLOAT_EQ(s.state, -30);
  EXPECT_EQ(d.WeightTrack->value(), -30);
  EXPECT_NE(f.board.FindPic(11, 5, 3 + 32, PicNeuron, b), -1);  // the inhibitory outer tile
  d.WeightTrack->setValue(20);
  EXPECT_EQ(f.board.neurons[b].slots[4].kind, SlotExcitatory);
  d.DecayBox->clear();
  QTest::keyClicks(d.DecayBox, "2.5");
  EXPECT_FLOAT_EQ(f.board.neurons[b].slots[4].decay, 2.5);
  EXPECT_FALSE(f.board.broken);
  EXPECT_TRUE(f.fake.messages.shown.empty());
}

TEST(NodeDialog, PlainNodeIsHeldWhileOpenAndBecomesWhatIsChosen) {
  DialogFixture f;
  const int n = f.board.AddNode(6, 6);
  {
    auto* d = new TNodeProp(f.board, n);
    EXPECT_EQ(f.board.nodes[n].type, HeldNode);
    EXPECT_TRUE(d->ValueTrack->isEnabled());
    d->ValueTrack->setValue(70);
    for (float v : f.board.nodes[n].next) EXPECT_FLOAT_EQ(v, 70);
    d->show();
    d->OKBtn->click();  // "Node": plain again
    EXPECT_EQ(f.board.nodes[n].type, PlainNode);
  }
  auto* d = new TNodeProp(f.board, n);
  d->show();
  d->KeyButton->click();
  EXPECT_TRUE(d->OnBox->isEnabled());
  QTest::keyClicks(d->NameBox, "q");
  EXPECT_EQ(d->NameBox->text(), "Q");
  d->ColumnBox->setText("-20");
  d->OnBox->setText("90");
  d->OKBtn->click();
  EXPECT_EQ(f.board.nodes[n].type, KeyInputNode);
  EXPECT_EQ(f.board.nodes[n].picture, 'Q');
  EXPECT_EQ(f.board.nodes[n].data, TBrainBoard::PackKeyValues(90, -20));
  // A file that cannot be found keeps the dialog open.
  auto* file = new TNodeProp(f.board, n);
  file->show();
  EXPECT_TRUE(file->KeyButton->isChecked());
  EXPECT_EQ(file->ColumnBox->text(), "-20");
  file->FileButton->click();
  file->NameBox->setText("no-such-file.txt");
  file->ColumnBox->setText("0");
  file->OKBtn->click();
  EXPECT_TRUE(file->isVisible());
  EXPECT_EQ(f.fake.messages.shown.back(), (ShownMessage{"Column should be >= 1", "Node File Error"}));
  file->ColumnBox->setText("1");
  file->OKBtn->click();
  EXPECT_TRUE(file->isVisible());
  EXPECT_EQ(f.fake.messages.shown.back(), (ShownMessage{"Could not find no-such-file.txt", "Node File Error"}));
  file->Dismiss();
}

TEST(KeyState, EveryCharacterAKeyNodeCanNameIsSeenDown) {
  QtKeyState keys;
  QWidget target;
  auto send = [&](QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
  };
  const std::pair<int, char> named[] = {{Qt::Key_Q, 'Q'},      {Qt::Key_7, '7'},     {Qt::Key_Comma, ','},
                                         {Qt::Key_Period, '.'}, {Qt::Key_Minus, '-'}, {Qt::Key_Slash, '/'},
                                         {Qt::Key_Space, ' '},  {Qt::Key_Less, '<'}};
  for (auto [key, c] : named) {
    send(QEvent::KeyPress, key);
    EXPECT_TRUE(keys.IsKeyDown(static_cast<unsigned char>(c))) << c;
    send(QEvent::KeyRelease, key);
    EXPECT_FALSE(keys.IsKeyDown(static_cast<unsigned char>(c))) << c;
  }
  // Keys without a character are not taken for one.
  for (int key : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_F1})
    send(QEvent::KeyPress, key);
  for (char c : {'.', '-', '%', '!', 'p'}) EXPECT_FALSE(keys.IsKeyDown(c)) << c;
}

TEST(SettingsDialog, AllSixChecksInOrderKeepItOpen) {
  DialogFixture f;
  BrainServices services;
  TSetTimeDlg d(f.board, services);
  d.show();
  d.ThreshBox->setText("101");
  d.WeightBox->setText("-101");
  d.UpdateBox->setText("0");
  d.CyclesBox->setText("x");
  d.WidthBox->setText("50");
  d.HeightBox->setText("99");
  d.OKBtn->click();
  EXPECT_TRUE(d.isVisible());
  const std::vector<ShownMessage> expected = {
      {"Threshold must be between -100 and 100", "Default threshold"},
      {"Weight must be between -100 and 100", "Default weight"},
      {"Update time must be greater than 0", "Update time"},
      {"Number of cycles must be greater than 0", "Number of cycles"},
      {"Width must be greater or equal to 100", "Board Width"},
      {"Height must be greater than or equal to 100", "Board Height"}};
  EXPECT_EQ(f.fake.messages.shown, expected);
  d.CancelBtn->click();
  EXPECT_FALSE(d.isVisible());
}

TEST(SettingsDialog, AppliesOnOkAndResizesAfterYes) {
  DialogFixture f;
  ChannelMask in{};
  in[4] = true;
  f.board.SetIO(&in, nullptr);
  f.board.AddNeuron(20, 20);
  int interval = 0, page = 0, mode = -1;
  bool resized = false;
  BrainServices services;
  services.getInterval = [] { return 50; };
  services.setInterval = [&](int ms) { interval = ms; };
  services.showManual = [&](int p) { page = p; };
  services.setMonitorMode = [&](int m) { mode = m; };
  TSetTimeDlg d(f.board, services);
  d.resized = [&] { resized = true; };
  EXPECT_EQ(d.UpdateBox->text(), "50");
  d.Tabs->setCurrentIndex(3);
  d.HelpBtn->click();
  EXPECT_EQ(page, 188);
  d.show();
  d.UpdateBox->setText("80");
  d.CyclesBox->setText("9");
  d.RateBox->setText("3");
  d.MomentumBox->setText("-1");
  d.SigmoidButton->setChecked(true);
  d.kBox->setText("1.5");
  d.MonitorGroup->button(3)->setChecked(true);
  d.WidthBox->setText("120");
  d.OKBtn->click();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(interval, 80);
  EXPECT_EQ(mode, 3);
  EXPECT_EQ(f.board.cyclesPerUpdate, 9);
  EXPECT_FLOAT_EQ(f.board.learnRate, 1);
  EXPECT_FLOAT_EQ(f.board.momentum, 0);
  EXPECT_EQ(f.board.defaultType, SigmoidNeuron);
  EXPECT_FLOAT_EQ(f.board.defaultGain, 1.5);
  ASSERT_EQ(f.fake.messages.asked.size(), 1u);
  EXPECT_EQ(f.fake.messages.asked[0], (ShownMessage{"Changing the size will erase the brain. Continue?", "Board Size Change"}));
  EXPECT_EQ(f.board.columns(), 120);
  EXPECT_EQ(f.board.neurons.used(), 0);
  EXPECT_TRUE(f.board.inputBindings[4].bound);
  EXPECT_TRUE(f.board.nodes.live(f.board.inputBindings[4].node));
  EXPECT_TRUE(resized);
}

TEST(SnooperDialog, ThresholdListRulesAndBandsApplyAtOnce) {
  DialogFixture f;
  const int s = f.board.AddSnooper(5, 5);
  f.board.snoopers[s].lastValue = 30;
  TSnoopPropDlg d(f.board, s);
  EXPECT_EQ(d.windowTitle(), "Snooper");
  EXPECT_EQ(d.ThresholdList->count(), 1);
  EXPECT_EQ(d.ThresholdList->item(0)->text(), "Base");
  EXPECT_EQ(d.ColorSelector->width(), 4 * 13);
  EXPECT_EQ(d.ThresholdBox->text(), "Base");
  d.PickColour(142);  // green
  d.ThresholdBox->setText("50");
  d.AddButton->click();
  d.PickColour(159);  // red
  d.ThresholdBox->setText("0");
  d.AddButton->click();
  ASSERT_EQ(d.ThresholdList->count(), 3);
  EXPECT_EQ(d.ThresholdList->item(1)->text(), "0");
  EXPECT_EQ(d.ThresholdList->item(2)->text(), "50");
  const Snooper& sn = f.board.snoopers[s];
  EXPECT_EQ(sn.thresholds[1], 0);
  EXPECT_EQ(sn.colours[1], 159);
  EXPECT_EQ(sn.thresholds[2], 50);
  EXPECT_EQ(sn.thresholds[3], 200);
  EXPECT_EQ(sn.colours[3], 0);
  EXPECT_EQ(sn.tile, 159);  // 30 lies in the red band
  EXPECT_NE(f.board.FindPic(5, 5, 159, PicSnooper, s), -1);
  // At most eight entries.
  for (int v : {60, 70, 80, 90, 95, 99}) {
    d.ThresholdBox->setText(QString::number(v));
    d.AddButton->click();
  }
  EXPECT_EQ(d.ThresholdList->count(), 8);
  // The base is never deleted.
  d.ThresholdList->selectAll();
  d.DeleteButton->click();
  EXPECT_EQ(d.ThresholdList->count(), 1);
  EXPECT_EQ(f.board.snoopers[s].tile, 191);
  d.LookAtGroup->button(SnoopScale)->click();
  EXPECT_EQ(f.board.snoopers[s].mode, SnoopScale);
  d.MonitorCheck->click();
  EXPECT_FALSE(f.board.snoopers[s].monitor);
  d.DupBtn->click();
  EXPECT_TRUE(f.board.snoopers.live(s + 1));
  EXPECT_EQ(f.board.snoopers[s + 1].x, 6);
  EXPECT_EQ(f.board.snoopers[s + 1].mode, SnoopScale);
  EXPECT_FALSE(f.board.broken);
}

}  // namespace

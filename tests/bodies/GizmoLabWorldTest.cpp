// A lab world built in code: gizmos from their [GIZMOS] lines, the shared "Lab" board
// wired by hand, and the shell's order of work each tick (the world steps, then every
// brain) through a whole test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "shell/GizmoPorts.h"
#include "bodies/GizmoFactory.h"
#include "bodies/PaletteFile.h"
#include "brain/BrainCollection.h"
#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/PngFile.h"
#include "support/Fakes.h"
#include "world/World.h"

namespace {
enum Channel { S1 = 0, S2 = 1, V = 2, Eyes = 8, L1 = 0, L2 = 1, L3 = 2, L4 = 3, RaiseLeg = 7 };

// Neurons and wires on the lab board, placed one after another.
class Wiring {
 public:
  explicit Wiring(TBrainBoard& board) : b_(board) {}
  int Neuron(float threshold) {
    const int i = b_.AddNeuron(14 + 4 * (count_ % 6), 6 + 4 * (count_ / 6));
    ++count_;
    EXPECT_GE(i, 0);
    if (i < 0) return i;
    b_.EraseNeuron(i);
    b_.neurons[i].type = StepNeuron;
    b_.neurons[i].threshold = threshold;
    b_.DrawNeuron(i);
    return i;
  }
  void In(int channel, int neuron, float weight) {
    const int node = b_.inputBindings[channel].node;
    EXPECT_TRUE(b_.ConnectToNeuron(OtherNode, node, nodeSlot_[node]++, neuron, InSlot(neuron), weight));
  }
  void Link(int from, int to, float weight) {
    EXPECT_TRUE(b_.ConnectToNeuron(OtherNeuron, from, OutSlot(from), to, InSlot(to), weight));
  }
  void Out(int neuron, int channel) {
    EXPECT_TRUE(b_.ConnectToNode(OtherNeuron, neuron, OutSlot(neuron), b_.outputBindings[channel].node, 4));
  }
  // A neuron that fires on a weighted sum of switch inputs and drives a light.
  int Gate(float threshold, std::initializer_list<std::pair<int, float>> inputs, int light) {
    const int n = Neuron(threshold);
    for (auto [channel, weight] : inputs) In(channel, n, weight);
    if (light >= 0) Out(n, light);
    return n;
  }
  void Xor(int light) {
    const int a = Gate(50, {{S1, 100}, {S2, -100}}, -1), c = Gate(50, {{S2, 100}, {S1, -100}}, -1);
    const int o = Neuron(50);
    Link(a, o, 100);
    Link(c, o, 100);
    Out(o, light);
  }

 private:
  int InSlot(int n) { return 2 + inSlots_[n]++; }   // slots 2 to 6 take wires in
  int OutSlot(int n) { return (7 + outSlots_[n]++) % 8; }  // 7, 0, 1 send them on
  TBrainBoard& b_;
  int count_ = 0;
  std::map<int, int> nodeSlot_, inSlots_, outSlots_;
};

// The brain that each oscilloscope task asks for.
void WireCorrect(Wiring& w, int type) {
  switch (type) {
    case 0: w.Gate(50, {{S1, 100}}, L1); break;
    case 1: w.Out(w.Gate(50, {{S1, 100}}, L1), L2); break;
    case 2:
      w.Out(w.Gate(50, {{S1, 100}}, L1), L3);
      w.Out(w.Gate(50, {{S2, 100}}, L2), L4);
      break;
    case 3: w.Gate(80, {{V, 100}}, L1); break;
    case 4:
      for (int k = 0; k < 4; ++k) w.Gate(20.0f * (k + 1), {{V, 100}}, L1 + k);
      break;
    case 5: w.Gate(50, {{S1, 100}, {S2, 100}}, L1); break;
    case 6: w.Gate(75, {{S1, 50}, {S2, 50}}, L1); break;
    case 7: w.Gate(50, {{S2, 100}, {S1, -100}}, L1); break;
    case 8: w.Gate(-50, {{S1, -100}}, L1); break;
    case 9: w.Xor(L1); break;
    case 10:
      w.Xor(L1);
      w.Gate(75, {{S1, 50}, {S2, 50}}, L2);
      break;
    default: break;
  }
}

// Brains that are nearly right: each goes wrong in some states only.
void WireNearMiss(Wiring& w, int type) {
  switch (type) {
    case 2: w.Gate(50, {{S1, 100}}, L1), w.Gate(50, {{S2, 100}}, L2); break;  // lights 3 and 4 forgotten
    case 4:
      for (int k = 0; k < 4; ++k) w.Gate(20.0f * (k + 1) + 5, {{V, 100}}, L1 + k);  // one step late
      break;
    case 6: w.Gate(50, {{S1, 100}, {S2, 100}}, L1); break;  // OR for AND
    case 9: w.Gate(50, {{S1, 100}, {S2, 100}}, L1); break;  // OR for XOR
    default: w.Gate(50, {{S1, 100}}, L1); break;
  }
}

class LabWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    oldFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(QUORBIT_TEST_DATA_DIR);
    auto palette = LoadPalette("quorbit.pal");
    ASSERT_TRUE(palette);
    world = std::make_unique<TWorld>(fake.host(), WorldPorts{}, *palette);
    world->SetClientSize(320, 240);
  }
  void TearDown() override {
    world.reset();
    gizmoBrains.reset();
    brainWindow.reset();
    std::filesystem::current_path(oldFolder_);
  }

  // A fresh world and brain window with these gizmos on that bench.
  void Load(const std::vector<std::string>& lines, const char* background = "pics\\labbench.bmp") {
    world->ClearWorld();
    brainWindow = std::make_unique<TBrainCollection>(fake.host(), 1);
    gizmoBrains = std::make_unique<TCollectionGizmoBrains>(*brainWindow);
    ports = GizmoPorts{gizmoBrains.get(), nullptr, fake.host()};
    for (const std::string& line : lines) {
      auto g = MakeGizmo(line, ports);
      ASSERT_TRUE(g) << line;
      world->gizmos.push_back(std::move(g));
    }
    auto bench = LoadBmp(NativePath(background));
    ASSERT_TRUE(bench);
    world->background = *bench;
    world->fullRedrawFlag = true;
    EXPECT_TRUE(fake.messages.shown.empty());  // every sheet was found
  }
  TBrainBoard& Lab() {
    for (const BrainEntry& e : brainWindow->Brains())
      if (e.name == "Lab") return *e.board;
    ADD_FAILURE() << "no Lab brain";
    return *brainWindow->Brains().front().board;
  }
  // The shell's start of a test and its ticks: reset, a few ticks before Run is pressed,
  // then `ticks` running test ticks; the gizmos' first result code afterwards.
  int RunTest(int ticks) {
    world->ResetWorld();
    world->StopWorld();
    brainWindow->ResetAll();
    for (int k = 0; k < 3; ++k) Tick(0, false);
    world->StartWorld();
    for (int t = 0; t < ticks; ++t) Tick(t, true);
    world->StopWorld();
    return FirstGizmoResult(world->gizmos);
  }
  void Tick(int tick, bool running) {
    world->Step(tick, running, running);
    brainWindow->StepAll(running);
  }
  // With QUORBIT_GIZMO_PNG set to a folder, the view is written there for a person to see.
  void Snapshot(const std::string& name) {
    const char* folder = std::getenv("QUORBIT_GIZMO_PNG");
    if (folder) {
      EXPECT_TRUE(WritePng(std::string(folder) + "/" + name, world->view.image));
    }
  }

  FakeHost fake;
  std::unique_ptr<TBrainCollection> brainWindow;
  std::unique_ptr<TCollectionGizmoBrains> gizmoBrains;
  GizmoPorts ports;
  std::unique_ptr<TWorld> world;

 private:
  std::filesystem::path oldFolder_;
};

const std::vector<std::string> LogicBench(int type) {
  // The oscilloscope comes first, so it compares the lights with the inputs they came from.
  return {"oscilloscope " + std::to_string(type) + " 1", "switch0 10 0", "switch1 20 0", "vslider",
          "lamp0", "lamp1", "lamp2", "lamp3"};
}
constexpr int DialTicks = 330;  // both switches through every combination, the slider 5 times
}  // namespace

TEST_F(LabWorld, OneLabBrainOffersEveryGizmosChannels) {
  Load(LogicBench(4));
  ASSERT_EQ(brainWindow->Brains().size(), 1u);  // the empty first board became "Lab"
  TBrainBoard& lab = Lab();
  for (int c : {0, 1, 2, 28, 29, 30, 31}) EXPECT_TRUE(lab.inputAvailable[static_cast<size_t>(c)]) << c;
  for (int c : {0, 1, 2, 3}) EXPECT_TRUE(lab.outputAvailable[static_cast<size_t>(c)]) << c;
  EXPECT_FALSE(lab.inputAvailable[8]);
}

TEST_F(LabWorld, EveryLogicTaskPassesWithTheRightBrain) {
  for (int type = 0; type <= 10; ++type) {
    SCOPED_TRACE(type);
    Load(LogicBench(type));
    Wiring w(Lab());
    WireCorrect(w, type);
    EXPECT_EQ(RunTest(DialTicks), 0);
    EXPECT_TRUE(world->JudgeTest(3, 0));
    if (type == 10) Snapshot("lab_bench.png");
    EXPECT_EQ(RunTest(DialTicks), 0);  // and again after a reset
  }
}

TEST_F(LabWorld, WrongBrainsFailWithIncorrectOutput) {
  for (int type = 0; type <= 10; ++type) {
    SCOPED_TRACE(type);
    Load(LogicBench(type));
    EXPECT_EQ(RunTest(DialTicks), 3);  // an empty brain lights nothing
    EXPECT_FALSE(world->JudgeTest(3, 0));
    if (type == 2 || type == 4 || type == 6 || type == 9) {
      Wiring w(Lab());
      WireNearMiss(w, type);
      EXPECT_EQ(RunTest(DialTicks), 3);
    }
  }
}

TEST_F(LabWorld, ListingTheSwitchesBeforeTheOscilloscopeFailsEvenARightBrain) {
  Load({"switch0 10 0", "oscilloscope 0 0", "lamp0"});
  Wiring w(Lab());
  WireCorrect(w, 0);
  EXPECT_EQ(RunTest(DialTicks), 3);  // at every change the switch is a tick ahead of the light
}

TEST_F(LabWorld, LegWaitsForTheLightThenKicksTheGoldBell) {
  Load({"mlegleg 0 0 40 200 1"}, "pics\\labwall.bmp");
  {
    Wiring w(Lab());
    const int n = w.Neuron(50);
    w.In(Eyes, n, 100);
    w.Out(n, RaiseLeg);
  }
  EXPECT_EQ(RunTest(100), 0);
  Snapshot("lab_leg.png");
  Load({"mlegleg 0 0 40 200 1"}, "pics\\labwall.bmp");
  Wiring w(Lab());
  w.Out(w.Neuron(-50), RaiseLeg);  // kicks at once
  EXPECT_EQ(RunTest(100), 2);
}

TEST_F(LabWorld, BeerAndHeartsStandOutFromTheBareBench) {
  const std::vector<std::pair<std::string, std::string>> benches = {
      {"beer0", "lab_beer.png"}, {"1heart", "lab_heart1.png"}, {"3heart", "lab_heart3.png"}};
  for (const auto& [line, picture] : benches) {
    SCOPED_TRACE(line);
    Load({line}, "pics\\labwall.bmp");
    EXPECT_EQ(RunTest(44), 1);  // nothing done: time's up
    Snapshot(picture);
    const IndexedImage& view = world->view.image;
    int differing = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 320; ++x) differing += view.at(x, y) != world->background.at(x, y);
    EXPECT_GT(differing, 2000);
  }
}

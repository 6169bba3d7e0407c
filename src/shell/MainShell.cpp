#include "shell/MainShell.h"

#include <algorithm>

MainShell::MainShell(ISoundOut* soundOut) : sound(soundOut) {
  sound.onLoopReplaced = [this] {
    if (world) world->LoopSoundReplaced();
  };
}

void MainShell::ReadStartSettings() {
  Progress = Settings.ReadSetting("PageAccess");
  if (Progress == 0) Progress = 100;
  MonitorMode = Settings.ReadSetting("Monitor");
  if (world) world->SetMonitorMode(MonitorMode);
}

void MainShell::LoadSounds() {
  sound.LoadSound("wavs\\switchon.wav", Sounds[SwitchOnSound], 100);
  sound.LoadSound("wavs\\switchoff.wav", Sounds[SwitchOffSound], 100);
  sound.LoadSound("wavs\\tick.wav", Sounds[TickSound], 10);
  sound.LoadSound("wavs\\bell.wav", Sounds[BellSound], 50);
}

void MainShell::WriteEndSettings(bool titleShown) {
  Settings.WriteSetting("PageAccess", Progress);
  Settings.WriteSetting("Monitor", world ? world->GetMonitorMode() : MonitorMode);
  Settings.WriteSetting("OpenBook", titleShown ? 0 : CurrentBook);
  Settings.WriteSetting("OpenPage", titleShown ? 0 : CurrentPage);
}

int MainShell::DialFrameFor(int remaining, int duration) {
  if (duration <= 0) return 0;
  long long f = static_cast<long long>(remaining) * 23 / duration;
  return static_cast<int>(std::clamp<long long>(f, 0, 22));
}

std::string MainShell::TickErrorText(const std::string& what) {
  return "Sorry, but there has been an error:\n\n" + what +
         "\n\nIf this happens consistently, please report\nit on the web site and I will try and "
         "fix it.\nYou should exit and restart the program.";
}

void MainShell::TimerTick() {
  sound.TickHold();
  if (WorldId != 0 && world) world->Step(TickCount, Running, Running && Testing);
  if (brains) brains->StepAll(Running);
  if (editor) editor->Update();
  if (Running) ++TickCount;
  if (PagePlay && pagePlay) pagePlay->PagePlayStep();
  if (TestType == NoTest) return;
  bool ended = TestType == DialTest ? StepDialTest() : StepLedTest();
  if (ended) EndTest();
}

bool MainShell::StepDialTest() {
  if (!Testing) return false;
  int f = CurrentDialFrame();
  if (f != DialFrame) {
    sound.PlaySoundObject(Sounds[TickSound]);
    DialFrame = f;
    if (view) view->InvalidateDial();
  }
  if (Running) --TestRemaining;
  if (TestRemaining <= 0) {
    sound.PlaySoundObject(Sounds[BellSound]);
    return true;
  }
  return false;
}

bool MainShell::StepLedTest() {
  int followEnergy = -1, testEnergy = -1;
  if (world) world->TestReadouts(followEnergy, testEnergy);
  int big, small;
  Rgb colour = LedDisplay::TimedColour;
  bool ended = false;
  if (Testing && (TestType == TimedEnergyTest || TestType == EnergyReachedTest)) {
    big = testEnergy;
    small = std::max(0, (TestRemaining + 19) / 20);
    if (Running) --TestRemaining;
    if (TestRemaining <= 0) {
      ended = true;
      sound.PlaySoundObject(Sounds[BellSound]);
    }
  } else if (Testing && TestType == EnergyTest) {
    big = testEnergy;
    small = TestTarget;
    colour = LedDisplay::EnergyTestColour;
    if (testEnergy >= TestTarget) {
      TestType = EnergyReachedTest;
      TestRemaining = TestDuration;
    }
  } else {
    big = followEnergy;
    small = -1;
  }
  auto lines = led.DrawLed(big, small, colour);
  if (view && !lines.empty()) view->DrawLedLines(lines);
  return ended;
}

void MainShell::EndTest() {
  TestRemaining = 0;
  if (view) {
    view->ShowTestButton(true);
    view->ShowRunButton(true);
  }
  Testing = false;
  Running = false;
  if (world) world->StopWorld();
  bool passed = world && world->JudgeTest(TestType, TestTarget);
  if (passed && CurrentBook * 100 + CurrentPage == Progress) {
    ++Progress;
    if (view) {
      view->ShowCorner();
      view->SetPageNumberBlack();
    }
  }
}

void MainShell::ResetExperiment() {
  if (view) {
    view->ShowRunButton(true);
    view->ShowTestButton(true);
  }
  if (world) {
    world->ResetWorld();
    world->StopWorld();
  }
  if (brains) brains->ResetAll();
  TickCount = 0;
  Running = false;
  if (Testing) {
    TestRemaining = 0;
    Testing = false;
  }
  if (view) {
    if (TestType == DialTest)
      view->InvalidateDial();
    else
      view->InvalidateLed();
  }
  if (TestType == EnergyReachedTest) TestType = EnergyTest;
}

void MainShell::StartTest() {
  if (TestType == NoTest) return;
  ResetExperiment();
  if (world) world->TestStarting();
  if (TestType == DialTest) {
    // The wind-up: the step is at least one tick so short tests wind up too.
    int step = std::max(1, TestDuration / 10);
    TestRemaining = 0;
    while (TestRemaining < TestDuration) {
      DialFrame = CurrentDialFrame();
      if (view) view->RepaintDialNow();
      TestRemaining += step;
    }
    TestRemaining = TestDuration;
    DialFrame = CurrentDialFrame();
    if (view) view->InvalidateDial();
  } else {
    TestRemaining = TestDuration;
    if (view) view->InvalidateLed();
  }
  if (view) view->ShowTestButton(false);
  Testing = true;
}

void MainShell::RunWorld() {
  if (!view || !view->BookShown()) return;
  sound.PlaySoundObject(Sounds[SwitchOnSound]);
  view->ShowRunButton(false);
  if (world) world->StartWorld();
  Running = true;
}

void MainShell::StopRunning() {
  sound.PlaySoundObject(Sounds[SwitchOffSound]);
  if (view) view->ShowRunButton(true);
  if (world) world->StopWorld();
  Running = false;
}

void MainShell::SetTest(int kind, int duration, int target) {
  TestDuration = duration;
  TestTarget = target;
  TestType = kind;
  if (view) view->ShowLedNotDial(kind == TimedEnergyTest || kind == EnergyTest);
}

int MainShell::GetTest(int& kind, int& duration, int& target) const {
  kind = TestType;
  duration = TestDuration;
  target = TestTarget;
  return TestRemaining;
}

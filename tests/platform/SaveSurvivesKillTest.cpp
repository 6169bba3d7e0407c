// Saving a brain, a world, the settings or a sample file never leaves a torn file: a
// process killed at any step of the save leaves the old file or the whole new one, and a
// disk that fills up mid-save fails the save, says so, and keeps the old file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>

#include "bodies/GizmoChalk.h"
#include "bodies/GizmoFakes.h"
#include "brain/Brainboard.h"
#include "platform/Files.h"
#include "platform/FilesProbe.h"
#include "shell/SettingsStore.h"
#include "support/Fakes.h"
#include "world/SamplePanel.h"
#include "world/WorldFile.h"
#include "world/WorldFixtures.h"

namespace {
using Saver = std::function<bool(const std::string& path)>;

// Step counters of the probe; the probe is a plain function, so they live here.
int stepsSeen = 0;
int killAtStep = 0, failAtStep = 0;

int KillingProbe(WriteStep, size_t) {
  if (++stepsSeen == killAtStep) ::raise(SIGKILL);
  return 0;
}

int FillingProbe(WriteStep step, size_t) {
  return step == WriteStep::Wrote && ++stepsSeen == failAtStep ? ENOSPC : 0;
}

struct ProbeReset {
  ~ProbeReset() { SetWriteFileProbe({}); }
};

std::string Read(const std::string& path) { return ReadFileText(path).value_or("<missing>"); }

size_t FilesIn(const std::string& folder) {
  size_t n = 0;
  for (auto& entry : std::filesystem::directory_iterator(folder)) n += entry.is_regular_file();
  return n;
}

// Kills a child saving `save` over `oldText` at every step of the save, until a child
// lives to the end; after each kill the file holds the old text or the new one whole.
void KillAtEveryStep(const Saver& save, const std::string& oldText) {
  TempFolder folder;
  const std::string expected = folder.file("expected"), target = folder.file("target");
  ASSERT_TRUE(save(expected));
  const std::string newText = Read(expected);
  ASSERT_NE(newText, oldText);
  const size_t chunk = std::max<size_t>(1, newText.size() / 25);
  int kills = 0;
  for (int step = 1;; ++step) {
    ASSERT_TRUE(WriteFileAtomic(target, oldText));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      stepsSeen = 0;
      killAtStep = step;
      SetWriteFileProbe({KillingProbe, chunk});
      ::_exit(save(target) ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const std::string now = Read(target);
    if (WIFSIGNALED(status)) {
      ASSERT_EQ(WTERMSIG(status), SIGKILL);
      ++kills;
      ASSERT_TRUE(now == oldText || now == newText) << "torn after step " << step << ": " << now.size() << " bytes";
      continue;
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(now, newText);
    break;
  }
  // Opened, about 25 pieces, synced, renamed.
  EXPECT_GE(kills, 20);
  // The saves killed before their rename left temporary files; the save that lived
  // cleared them.
  EXPECT_EQ(FilesIn(folder.path()), 2u);
}

// A disk that fills at each written piece in turn: the save fails, the old file stays
// whole and no temporary file is left behind.
void FullDiskAtEveryPiece(const Saver& save, const std::string& oldText, const std::function<void()>& reported) {
  TempFolder folder;
  const std::string target = folder.file("target");
  ProbeReset reset;
  for (int piece = 1; piece <= 4; ++piece) {
    ASSERT_TRUE(WriteFileAtomic(target, oldText));
    stepsSeen = 0;
    failAtStep = piece;
    SetWriteFileProbe({FillingProbe, 16});
    EXPECT_FALSE(save(target)) << "piece " << piece;
    SetWriteFileProbe({});
    EXPECT_EQ(Read(target), oldText);
    EXPECT_EQ(FilesIn(folder.path()), 1u);
    reported();
  }
}

std::string Bytes(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

std::vector<uint8_t> ReferenceBrain(const std::string& name) {
  return ReadFileBytes(std::string(QUORBIT_TEST_DATA_DIR) + "/testbrain/" + name).value_or(std::vector<uint8_t>{});
}
}  // namespace

TEST(SaveSurvivesKill, Brain) {
  FakeHost fake;
  TBrainBoard board(fake.host(), 1);
  const auto bytes = ReferenceBrain("w207.brn");
  ASSERT_FALSE(bytes.empty());
  board.LoadBrain(bytes);
  // Every brain saver writes the board's bytes through the atomic writer.
  const Saver save = [&](const std::string& path) { return WriteFileAtomic(path, board.SaveBrain(false)); };
  const std::string old = Bytes(ReferenceBrain("w101.brn"));
  KillAtEveryStep(save, old);
  FullDiskAtEveryPiece(save, old, [] {});
}

TEST(SaveSurvivesKill, World) {
  WorldFixture f(12);
  TWorldFile file(f.world, nullptr, nullptr);
  const Saver save = [&](const std::string& path) { return file.SaveWorld(path); };
  const std::string old = TWorldFile::NewWorldText(4, 4);
  KillAtEveryStep(save, old);
  FullDiskAtEveryPiece(save, old, [&] {
    ASSERT_FALSE(f.fake.messages.shown.empty());
    EXPECT_EQ(f.fake.messages.shown.back(), (ShownMessage{"Couldn't open world file", "Load World Error"}));
    f.fake.messages.shown.clear();
  });
}

TEST(SaveSurvivesKill, Settings) {
  SettingsStore settings;
  for (int k = 0; k < 40; ++k) settings.WriteSetting("Level" + std::to_string(k), k * 37);
  const Saver save = [&](const std::string& path) { return settings.Save(path); };
  const std::string old = "Progress=120\r\nSound=1\r\n";
  KillAtEveryStep(save, old);
  // The session's progress is lost rather than the whole file: a full disk must not make
  // the store fall back to writing over the old file in place.
  FullDiskAtEveryPiece(save, old, [] {});
}

TEST(SaveSurvivesKill, Samples) {
  GizmoBench bench;
  TChalk chalk{bench.Ports()};
  for (int k = 0; k < 30; ++k) {
    ChalkSample s;
    for (int v = 0; v < 10; ++v) s.values[static_cast<size_t>(v)] = (k * 7 + v * 13) % 101 - 50;
    s.category = k % 10;
    chalk.samples.push_back(s);
  }
  TSamplePanel panel{bench.fake.host()};
  panel.Attach(&chalk);
  const Saver save = [&](const std::string& path) { return panel.SaveTo(path); };
  const std::string old = "1\n0 0 0 0 0 0 0 0 0 0 5\n";
  KillAtEveryStep(save, old);
  FullDiskAtEveryPiece(save, old, [&] {
    ASSERT_FALSE(bench.fake.messages.shown.empty());
    EXPECT_EQ(bench.fake.messages.shown.back().caption, "Save Samples Error");
    bench.fake.messages.shown.clear();
  });
}

// Replays every file of the given folders through the harness; used as a regular test.
// An input that takes longer than the limit fails the run, named, since a file that makes
// a reader this slow is a hang in waiting. One that takes five times the limit is taken
// for a hang: the run stops there, naming it.
// usage: replay_NAME [--limit SECONDS] FOLDER_OR_FILE...
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  double limit = 2.0;
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--limit" && i + 1 < argc) {
      limit = std::atof(argv[++i]);
      continue;
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(argv[i], ec)) files.push_back(argv[i]);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], ec))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  // The watchdog sees which input runs and since when (in steady-clock ticks).
  std::atomic<size_t> running{files.size()};
  std::atomic<long long> since{0};
  std::atomic<bool> done{false};
  std::thread watchdog([&, limit] {
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const size_t k = running.load();
      if (k >= files.size()) continue;
      const auto elapsed = std::chrono::steady_clock::now().time_since_epoch().count() - since.load();
      if (std::chrono::steady_clock::duration(elapsed) > std::chrono::duration<double>(5 * limit)) {
        std::printf("hangs: %s runs longer than %.2f s\n", files[k].string().c_str(), 5 * limit);
        std::fflush(stdout);
        std::_Exit(1);
      }
    }
  });
  int slow = 0;
  double slowest = 0;
  std::string slowestName;
  for (size_t k = 0; k < files.size(); ++k) {
    const auto& path = files[k];
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const auto start = std::chrono::steady_clock::now();
    since = start.time_since_epoch().count();
    running = k;
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    running = files.size();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds > slowest) slowest = seconds, slowestName = path.filename().string();
    if (seconds > limit) {
      std::printf("too slow: %s took %.2f s (limit %.2f s)\n", path.string().c_str(), seconds, limit);
      ++slow;
    }
  }
  done = true;
  watchdog.join();
  std::printf("replayed %zu inputs; slowest %s, %.3f s\n", files.size(), slowestName.c_str(), slowest);
  return slow == 0 ? 0 : 1;
}

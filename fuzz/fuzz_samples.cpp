// Any bytes as a chalk board's sample file: append them, report what was wrong, write
// the list back and read that again, then play every sample into a brain that is absent.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "bodies/GizmoChalk.h"
#include "platform/IndexedImage.h"
#include "world/SamplePanel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SilentMessages messages;
  Host host;
  host.messages = &messages;
  TChalk chalk(GizmoPorts{nullptr, nullptr, host});
  const SampleReadReport report = chalk.AppendSamplesText(std::string(reinterpret_cast<const char*>(data), size));
  (void)TSamplePanel::ReportText("fuzz.txt", report);
  TChalk again(GizmoPorts{nullptr, nullptr, host});
  if (again.AppendSamplesText(chalk.SamplesText()).added != report.added) __builtin_trap();
  IndexedImage canvas(8, 8, 0);
  std::vector<TRect> dirty;
  if (chalk.StartPlaying())
    for (int tick = 0; tick < 3 && tick < report.added + 1; ++tick) chalk.step(tick, canvas, true, dirty);
  return 0;
}

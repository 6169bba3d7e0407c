// Any bytes as the settings file: the start-up keys are read, the end-of-session keys
// written, and the file saved and loaded back must hold the same lines and values.
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "shell/SettingsStore.h"

namespace {
const std::string path = (ScratchFolder("settings") / "quorbit.reg").string();
const char* const Keys[] = {"PageAccess", "Monitor", "OpenBook", "OpenPage"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SettingsStore store;
  store.SetText(std::string(reinterpret_cast<const char*>(data), size));
  int value = 0;
  for (const char* key : Keys) value += store.ReadSetting(key) % 1000;
  for (const char* key : Keys) {
    store.WriteSetting(key, value);
    if (store.ReadSetting(key) != value) __builtin_trap();
  }
  if (!store.Save(path)) return 0;
  SettingsStore again;
  if (!again.Load(path) || again.lines() != store.lines()) __builtin_trap();
  for (const char* key : Keys)
    if (again.ReadSetting(key) != value) __builtin_trap();
  return 0;
}

#pragma once
// How the brain window meets the world and the notebook: brain lines and gizmos attach
// boards through the window (so its tabs follow), pages load worlds through the loader.
#include <memory>

#include "shell/GizmoPorts.h"
#include "shell/ShellTestHolder.h"
#include "shell/ui/Brainwnd.h"
#include "shell/ui/EditorHolder.h"
#include "world/WorldLoader.h"

class TMainForm;

class WindowBrains : public IWorldFileBrains {
 public:
  explicit WindowBrains(TBrainForm& form) : form_(form) {}
  void ReleaseWorldBrains() override { form_.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return form_.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int number) override { return form_.collection().BrainName(number); }

 private:
  TBrainForm& form_;
};

class WindowGizmoBrains : public TCollectionGizmoBrains {
 public:
  explicit WindowGizmoBrains(TBrainForm& form) : TCollectionGizmoBrains(form.collection()), form_(form) {}
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return form_.AttachBrain(name, in, hidden, out);
  }

 private:
  TBrainForm& form_;
};

// Everything that ties the main window, the world window and the brain window together.
struct ProgramWiring {
  ProgramWiring(TMainForm& main, TBrainForm& brains);
  WindowBrains fileBrains;
  WindowGizmoBrains gizmoBrains;
  TGizmoSoundList gizmoSounds;
  GizmoPorts gizmoPorts;
  ShellTestHolder testHolder;
  TWorldLoader loader;
  WindowEditorBrains editorBrains;
  TEditorHolder editor;
};

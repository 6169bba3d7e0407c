#pragma once
// The one world editor of the program: made at the first "Edit", asked before pages
// change, hidden with the book, refreshed every tick, and dropped when the user closes
// it (the next "Edit" makes a new one).
#include <functional>

#include "shell/ProgressionPorts.h"
#include "shell/ShellPorts.h"
#include "shell/ui/Brainwnd.h"
#include "shell/ui/Editor.h"

// The brain window as the editor attaches and releases brains through it.
class WindowEditorBrains : public IEditorBrains {
 public:
  explicit WindowEditorBrains(TBrainForm& form) : form_(form) {}
  void ReleaseWorldBrains() override { form_.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return form_.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int number) override { return form_.collection().BrainName(number); }
  void ReleaseBrain(int number) override { form_.ReleaseBrain(number); }

 private:
  TBrainForm& form_;
};

class TEditorHolder : public IEditorGate, public IWorldEditor {
 public:
  TEditorHolder(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test,
                std::function<void(int)> showManual, std::function<int()> progress);
  ~TEditorHolder() override;

  // "Edit": makes the window when there is none, opens it on the world and shows it.
  void Open();
  TEditForm* form() { return form_; }
  // The window a new editor leaves in view (the main window, with its Run and Test): the
  // editor goes beside the other windows, or where it hides least of them.
  QWidget* keepInView = nullptr;
  // The learner closed the editor and turned its changes down.
  std::function<void()> onChangesDropped;

  // IEditorGate
  bool Exists() override { return form_ != nullptr; }
  bool HasUnsavedChanges() override { return form_ && form_->HasChanges(); }
  bool Save() override { return form_ && form_->SaveChanges(); }
  void ForgetChanges() override {
    if (form_) form_->ForgetChanges();
  }
  void Hide() override;
  // IWorldEditor
  void Update() override {
    if (form_) form_->Update();
  }

 private:
  TWorld& world_;
  Host host_;
  IEditorBrains* brains_;
  IWorldTestHolder* test_;
  std::function<void(int)> showManual_;
  std::function<int()> progress_;
  TEditForm* form_ = nullptr;
  void Place();
};

#include "shell/ui/EditorHolder.h"

TEditorHolder::TEditorHolder(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test,
                             std::function<void(int)> showManual, std::function<int()> progress)
    : world_(world), host_(host), brains_(brains), test_(test), showManual_(std::move(showManual)),
      progress_(std::move(progress)) {}

TEditorHolder::~TEditorHolder() { delete form_; }

void TEditorHolder::Open() {
  if (!form_) {
    form_ = new TEditForm(world_, host_, brains_, test_, showManual_);
    form_->onClosed = [this] {
      // Closed by the user: the window goes once its close event is over.
      TEditForm* closing = form_;
      form_ = nullptr;
      closing->deleteLater();
    };
  }
  form_->OpenEditor(progress_ ? progress_() : 999);
  form_->show();
  form_->raise();
  form_->activateWindow();
}

void TEditorHolder::Hide() {
  if (form_) form_->hide();
}

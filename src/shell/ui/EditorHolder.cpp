#include "shell/ui/EditorHolder.h"

#include <QApplication>
#include <QScreen>
#include <climits>

#include "shell/WindowPlacement.h"

TEditorHolder::TEditorHolder(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test,
                             std::function<void(int)> showManual, std::function<int()> progress)
    : world_(world), host_(host), brains_(brains), test_(test), showManual_(std::move(showManual)),
      progress_(std::move(progress)) {}

TEditorHolder::~TEditorHolder() { delete form_; }

void TEditorHolder::Open() {
  const bool made = !form_;
  if (made) {
    form_ = new TEditForm(world_, host_, brains_, test_, showManual_);
    form_->onClosed = [this] {
      // Closed by the user: the window goes once its close event is over.
      TEditForm* closing = form_;
      form_ = nullptr;
      closing->deleteLater();
    };
    form_->onChangesDropped = [this] {
      if (onChangesDropped) onChangesDropped();
    };
  }
  form_->OpenEditor(progress_ ? progress_() : 999);
  if (made) Place();
  form_->show();
  form_->raise();
  form_->activateWindow();
}

namespace {
PlaceRect Rect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }
}  // namespace

// A new editor goes where no other window is; without such a place, where it hides least
// of them and never the main window's top row (Run and Test).
void TEditorHolder::Place() {
  QScreen* screen = keepInView ? keepInView->screen() : form_->screen();
  if (!screen) return;
  const PlaceRect area = Rect(screen->availableGeometry());
  const QSize frameExtra =
      keepInView && keepInView->isVisible() ? keepInView->frameGeometry().size() - keepInView->size() : QSize(0, 0);
  const PlaceSize wanted{form_->width() + frameExtra.width(), form_->height() + frameExtra.height()};
  std::vector<PlaceRect> taken;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != form_ && w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
      taken.push_back(Rect(w->frameGeometry()));
  if (auto spot = FindFreeSpot(area, taken, wanted, wanted)) {
    form_->move(spot->left, spot->top);
    return;
  }
  PlaceRect topRow{};
  if (keepInView && keepInView->isVisible()) {
    // The top row of buttons is the upper seventh of the main window's client.
    const QRect g = keepInView->geometry();
    topRow = {keepInView->frameGeometry().left(), keepInView->frameGeometry().top(), keepInView->frameGeometry().width(),
              g.top() - keepInView->frameGeometry().top() + g.height() / 7 + 1};
  }
  PlaceRect best{area.left, area.top, wanted.width, wanted.height};
  long long least = LLONG_MAX;
  const int step = 10;
  for (int top = area.top; top + wanted.height <= area.bottom() || top == area.top; top += step)
    for (int left = area.left; left + wanted.width <= area.right() || left == area.left; left += step) {
      const PlaceRect at{left, top, wanted.width, wanted.height};
      if (at.Intersects(topRow)) continue;
      long long cover = 0;
      for (const PlaceRect& t : taken) cover += at.OverlapArea(t);
      if (cover < least) least = cover, best = at;
      if (left + wanted.width > area.right()) break;
    }
  form_->move(best.left, best.top);
}

void TEditorHolder::Hide() {
  if (form_) form_->hide();
}

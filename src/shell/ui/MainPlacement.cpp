// The windows laid out on the screen: their frames measured, the layout worked out by the
// desk placement rules, then the windows moved and sized. The learner's own window sizes
// are kept for each kind of world in the settings.
#include <QGuiApplication>
#include <QScreen>

#include "shell/WindowPlacement.h"
#include "shell/ui/MainForm.h"
#include "world/ui/Testwnd.h"

namespace {
constexpr QSize UsualWorld{640, 480}, LeastWorld{320, 240}, LeastBrain{371, 200};
// The editor's panel with room beside it for a plan the learner can work in.
constexpr QSize LeastEditor{480, 360};

// What a window's frame adds around its client; a window never shown has no frame yet
// and is given the main window's.
QMargins FrameMargins(const QWidget* w, const QWidget* main) {
  auto of = [](const QWidget* x) {
    const QRect f = x->frameGeometry(), g = x->geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
  };
  const QMargins m = of(w);
  return m.isNull() && w != main ? of(main) : m;
}

PlaceSize Framed(QSize client, QMargins m) {
  return {client.width() + m.left() + m.right(), client.height() + m.top() + m.bottom()};
}

PlaceRect FrameNow(const QWidget* w, QMargins m) {
  const PlaceSize s = Framed(w->size(), m);
  return {w->x(), w->y(), s.width, s.height};
}

DeskWindow DeskOf(const QWidget* w, QSize wanted, QSize least, QMargins m, bool placed) {
  DeskWindow d;
  d.shown = true;
  d.wanted = Framed(wanted, m);
  d.least = Framed(least, m);
  d.now = FrameNow(w, m);
  d.placed = placed;
  return d;
}

void Apply(QWidget* w, const PlaceRect& frame, QMargins m, bool resize) {
  if (resize) w->resize(frame.width - m.left() - m.right(), frame.height - m.top() - m.bottom());
  w->move(frame.left, frame.top);
}
}  // namespace

std::vector<QWidget*> TMainForm::KeyControls() const {
  std::vector<QWidget*> out;
  for (QWidget* w : {static_cast<QWidget*>(PageBox), static_cast<QWidget*>(RunButtonPic),
                     static_cast<QWidget*>(TestButtonPic), static_cast<QWidget*>(ResetButtonPic),
                     static_cast<QWidget*>(PreviousPageBox), static_cast<QWidget*>(NextPageBox),
                     static_cast<QWidget*>(CornerPic), static_cast<QWidget*>(EditButton)})
    if (w && w->isVisible()) out.push_back(w);
  return out;
}

void TMainForm::PlaceWindowsOnce() {
  if (!WindowsPlaced) LayOutWindows(WorldChange::None, false);
}

void TMainForm::PlaceWindows(WorldChange change) {
  if (WindowsPlaced) LayOutWindows(change, true);
}

WorldKind TMainForm::ShownWorldKind(bool worldShown) const {
  if (!worldShown || !world_) return WorldKind::Room;
  if (world_->world().fixedSize) return WorldKind::Bench;
  return shell_.CurrentBook == 3 ? WorldKind::Workshop : WorldKind::Terrain;
}

void TMainForm::RecordLearnerSizes(bool world) {
  if (!WindowsPlaced) return;
  WindowSizes kept = ReadWindowSizes(shell_.Settings, placedKind_);
  const WindowSizes before = kept;
  if (brainWindow && placedBrain_.isValid() && brainWindow->size() != placedBrain_) {
    kept.brainWidth = brainWindow->width();
    kept.brainHeight = brainWindow->height();
    placedBrain_ = brainWindow->size();
  }
  // A world of fixed size is never resized by the learner.
  const bool resizable = placedKind_ == WorldKind::Terrain || placedKind_ == WorldKind::Workshop;
  if (world && world_ && resizable && placedWorld_.isValid() && world_->size() != placedWorld_) {
    kept.worldWidth = world_->width();
    kept.worldHeight = world_->height();
    placedWorld_ = world_->size();
  }
  if (!(kept == before)) WriteWindowSizes(shell_.Settings, placedKind_, kept);
}

void TMainForm::LayOutWindows(WorldChange change, bool keep) {
  if (placing_) return;
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  // A size the program gave the world window is no choice of the learner's.
  RecordLearnerSizes(change == WorldChange::None);
  TTestWorld* world = world_.get();
  const bool worldShown = world && (world->isVisible() || change == WorldChange::Showing);
  const WorldKind kind = ShownWorldKind(worldShown);
  const WindowSizes kept = ReadWindowSizes(shell_.Settings, kind);
  const QRect area = screen->availableGeometry();
  const QMargins mainMargins = FrameMargins(this, this);
  DeskRequest r;
  r.screen = {area.x(), area.y(), area.width(), area.height()};
  r.frame = {mainMargins.left() + mainMargins.right(), mainMargins.top() + mainMargins.bottom()};
  r.scalePercent = askedScale_;
  r.mainNow = FrameNow(this, mainMargins);
  r.keep = keep;
  QMargins brainMargins, worldMargins, editorMargins;
  if (brainWindow) {
    brainMargins = FrameMargins(brainWindow, this);
    QSize want = brainWindow->size();
    if (kept.brainWidth > 0) want.setWidth(kept.brainWidth);
    if (kept.brainHeight > 0) want.setHeight(kept.brainHeight);
    const QSize hint = brainWindow->minimumSizeHint();
    r.brain = DeskOf(brainWindow, want, hint.isValid() ? hint : LeastBrain, brainMargins, WindowsPlaced);
  }
  if (worldShown) {
    worldMargins = FrameMargins(world, this);
    const bool fixed = world->world().fixedSize;
    QSize want(kept.worldWidth > 0 ? kept.worldWidth : UsualWorld.width(),
               kept.worldHeight > 0 ? kept.worldHeight : UsualWorld.height());
    if (fixed || change == WorldChange::Resized) want = world->size();
    r.world = DeskOf(world, want, fixed ? want : LeastWorld, worldMargins, worldPlaced_);
  }
  QWidget* editor = editorWindow ? editorWindow() : nullptr;
  if (editor && editor->isVisible()) {
    editorMargins = FrameMargins(editor, this);
    const QSize least = editor->minimumSizeHint().expandedTo(editor->minimumSize()).expandedTo(LeastEditor);
    r.editor = DeskOf(editor, editor->size(), least, editorMargins, editor == placedEditor_);
  }
  const DeskLayout d = PlaceDesk(r);
  placing_ = true;
  if (d.scalePercent != scalePercent_) ApplyScale(d.scalePercent);
  move(d.main.left, d.main.top);
  if (r.brain.shown) Apply(brainWindow, d.brain, brainMargins, true);
  if (worldShown) {
    // A resized view keeps the point it looked at in its middle.
    const QSize before = world->size();
    Apply(world, d.world, worldMargins, !world->world().fixedSize);
    TWorld& w = world->world();
    if (world->size() != before) {
      w.offsetX += (world->width() - before.width()) / 2;
      w.offsetY += (world->height() - before.height()) / 2;
      w.fullRedrawFlag = true;
    }
  }
  if (r.editor.shown) Apply(editor, d.editor, editorMargins, true);
  placing_ = false;
  WindowsPlaced = true;
  worldPlaced_ = worldPlaced_ || worldShown;
  if (r.editor.shown) placedEditor_ = editor;
  placedKind_ = kind;
  if (brainWindow) placedBrain_ = brainWindow->size();
  if (worldShown) placedWorld_ = world->size();
}

// One tick of the world: movies and pauses first, else one simulation and drawing pass.
#include <algorithm>

#include "world/World.h"

void MergeDirtyRects(std::vector<TRect>& rects) {
  for (size_t i = 0; i < rects.size(); ++i) {
    for (size_t j = i + 1; j < rects.size(); ++j) {
      TRect& a = rects[i];
      TRect& b = rects[j];
      if (a.area() == 0) break;
      if (b.area() == 0) continue;
      TRect u{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
      if (u.area() < a.area() + b.area()) {
        a = u;
        b = TRect{};
      }
    }
  }
}

void TWorld::Step(int tick, bool running, bool testMode) {
  if (!view.exists()) return;
  if (screen) screen->UpdateMonitor();
  if (movies && movies->Step()) return;
  RunPass(tick, running, testMode);
}

// Every running tick simulates; a full redraw (a camera jump, a resize) only changes how
// the tick's picture reaches the window, so a verdict never depends on the window's size.
void TWorld::RunPass(int tick, bool running, bool testMode) {
  if (followCritter >= 0) FollowCamera();
  TDrawTarget target = view.target();
  dirty.clear();
  for (auto& g : gizmos) g->step(tick, view.image, testMode, dirty);
  for (size_t k = sprites.size(); k-- > 0;) sprites[k]->erase(target, &dirty);
  MarkMapEdge();
  for (size_t k = 0; k < critters.size(); ++k) critters[k]->step();
  CollisionPass();
  for (auto& a : critters)
    if (!a->dead)
      for (auto& b : critters)
        if (b != a && !b->dead) a->senseBody(b.get());
  TriggerPass();
  SoundPass(running);
  if (fullRedrawFlag) {
    FullRedraw();
    if (screen) screen->CopyToWindow(TRect{0, 0, view.width(), view.height()});
  } else {
    DrawSpritesInGrid();
    MergeDirtyRects(dirty);
    CopyDirty();
  }
  if (screen) screen->DrawTestMonitor();
  if (testMode) testRun.Sample(*this);
  FadeScents(running);
}

void TWorld::FollowCamera() {
  if (followCritter >= static_cast<int>(critters.size())) return;
  TCritter* c = critters[static_cast<size_t>(followCritter)].get();
  float x, y, z;
  c->getPosition(x, y, z);
  if (!c->dead) {
    int sx, sy;
    Project(x, y, z, sx, sy);
    if (sx < 20 || sx > clientW - 20 || sy < 20 || sy > clientH - 20) {
      offsetX += clientW / 2 - sx;
      offsetY += clientH / 2 - sy;
      fullRedrawFlag = true;
    }
  }
  if (arrowCountdown > 0 && arrow) {
    arrow->setPosition(x, y, z + 1);
    int frames = std::max(1, arrow->pic ? arrow->pic->count() : 12);
    arrow->setFrame((arrow->frame + 1) % std::min(frames, 12));
    if (--arrowCountdown == 0) TakeArrowOffMap();
  }
}

namespace {
// One contact found by the collision pass: a part against a fixed thing, or the parts of
// two critters (the first of the lower number).
struct TContact {
  TSprite* mine;
  TSprite* other;
  TStaticBound* thing;
};
// Scratch of the pass, kept from tick to tick (the pass never runs inside itself).
std::vector<TContact> contacts;
std::vector<float> offMapBefore;

float OffMap(float x, float y, int X, int Y) { return OffMapDistance(x, y, X, Y); }
}  // namespace

// Every contact is found first and answered afterwards, and each critter sees the others
// as they stood before any answer: a body that steps back from a push has still pushed,
// whatever the numbering of the two.
void TWorld::CollisionPass() {
  contacts.clear();
  for (size_t k = 0; k < sprites.size(); ++k) CollideSprite(sprites[k]);
  for (auto& c : critters) c->holdSeen();
  for (const TContact& k : contacts) {
    if (!k.mine->active()) continue;
    if (k.thing) {
      k.mine->owner->collideWithThing(k.thing, k.mine);
      continue;
    }
    if (!k.other->active()) continue;
    k.mine->owner->collideWithCritter(k.other->owner, k.mine, k.other);
    k.other->owner->collideWithCritter(k.mine->owner, k.other, k.mine);
  }
  for (auto& c : critters) c->releaseSeen();
  EdgePass();
}

// Notes how far each part stands off the map before the critters move.
void TWorld::MarkMapEdge() {
  offMapBefore.resize(sprites.size());
  for (size_t k = 0; k < sprites.size(); ++k) offMapBefore[k] = OffMap(sprites[k]->x, sprites[k]->y, X, Y);
}

// A part that this tick took further off the map bumps into its edge; a body placed
// partly off the map may still come back in. Each critter hears of it once.
void TWorld::EdgePass() {
  TCritter* last = nullptr;
  for (size_t k = 0; k < sprites.size() && k < offMapBefore.size(); ++k) {
    TSprite* s = sprites[k];
    if (!s->active() || !s->owner || s->owner == last || s->owner->dead) continue;
    if (OffMap(s->x, s->y, X, Y) <= offMapBefore[k] + 1e-5f) continue;
    last = s->owner;
    s->owner->collideWithEdge(s);
  }
}

void TWorld::CollideSprite(TSprite* sprite) {
  if (!sprite->active() || !sprite->hasShape() || !sprite->owner) return;
  int x0, x1, y0, y1;
  CellRange(sprite->x, sprite->y, x0, x1, y0, y1);
  for (int cx = x0; cx < x1; ++cx)
    for (int cy = y0; cy < y1; ++cy)
      for (TStaticPic* p = CellAt(cx, cy)->head; p; p = p->nextInCell) {
        TStaticBound* object = p->asBound();
        if (!object || object == sprite) continue;
        TSprite* other = object->asSprite();
        if (!other) {
          if (sprite->overlaps(*object)) contacts.push_back({sprite, nullptr, object});
          continue;
        }
        if (!other->active() || !other->owner || other->critterNumber <= sprite->critterNumber) continue;
        if (sprite->overlaps(*other)) contacts.push_back({sprite, other, nullptr});
      }
}

void TWorld::TriggerPass() {
  for (const TTrigger& t : triggers) {
    if (!Alive(t.target)) continue;
    for (auto& c : critters)
      if (!c->dead && c->typeCode == t.byType && c->touchesTrigger(t))
        critters[static_cast<size_t>(t.target)]->triggerFired(&t);
  }
}

void TWorld::SoundPass(bool running) {
  int levels[8] = {};
  for (auto& c : critters)
    if (!c->dead) c->emitSound(levels);
  for (auto& c : critters)
    if (!c->dead) c->hearSound(levels);
  tone.Update(levels, running, soundEnabled, soundOut);
}

void TWorld::DrawSpritesInGrid() {
  TDrawTarget target = view.target();
  for (TSprite* s : sprites)
    if (s->x > 0 && s->y > 0 && s->x < X && s->y < Y) DrawSprite(s, target, &dirty);
}

void TWorld::CopyDirty() {
  if (!screen) return;
  for (const TRect& r : dirty)
    if (r.area() > 0) screen->CopyToWindow(r);
}

void TWorld::FadeScents(bool running) {
  if (!running || scents.empty() || scentFade <= 0) return;
  for (TScentTrail& s : scents) {
    if (!s.active) continue;
    s.strength -= scentFade;
    if (s.strength <= 0) s.active = false;
  }
}

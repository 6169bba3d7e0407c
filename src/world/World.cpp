#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "world/Verdict.h"

TWorld::TWorld(Host h, WorldPorts ports, const Palette& pal)
    : host(h), brains(ports.brains), soundOut(ports.sound), movies(ports.movies), screen(ports.screen),
      palette(pal) {
  BuildTables();
}

TWorld::~TWorld() {
  movies = nullptr;  // the neighbours may already be gone
  screen = nullptr;
  ClearWorld();
}

void TWorld::BuildTables() {
  // The tables depend on the palette alone, and worlds are made again and again with the
  // same one: the last palette's tables are kept.
  struct Tables {
    Palette palette{};
    uint8_t grassIndex[256] = {};
    int grassError[256] = {};
    uint8_t background = 0;
    TShadeTable earth, sand, water;
    bool built = false;
  };
  thread_local Tables last;
  if (!last.built || last.palette != palette) {
    last.palette = palette;
    for (int i = 0; i < 256; ++i) {
      int n = NearestColour(palette, {0, static_cast<uint8_t>(i), 0});
      last.grassIndex[i] = static_cast<uint8_t>(n);
      last.grassError[i] = (i - palette[static_cast<size_t>(n)].g) * 64;
    }
    last.background = static_cast<uint8_t>(NearestColour(palette, {0, 0, 127}));
    last.earth = BuildShadeTable(palette, TRamp::Earth);
    last.sand = BuildShadeTable(palette, TRamp::Sand);
    last.water = BuildShadeTable(palette, TRamp::Water);
    last.built = true;
  }
  std::copy(std::begin(last.grassIndex), std::end(last.grassIndex), grassIndex);
  std::copy(std::begin(last.grassError), std::end(last.grassError), grassError);
  backgroundColour = last.background;
  earthShade = last.earth;
  sandShade = last.sand;
  waterShade = last.water;
}

TCritter* TWorld::CritterAt(int number) {
  return number >= 0 && number < CritterCount() ? critters[static_cast<size_t>(number)].get() : nullptr;
}

int32_t* TWorld::BrainInputs(int brainNumber) { return brains ? brains->BrainInputs(brainNumber) : nullptr; }

const int32_t* TWorld::BrainOutputs(int brainNumber) { return brains ? brains->BrainOutputs(brainNumber) : nullptr; }

void TWorld::PlayWorldSound(const std::string& name) {
  if (soundOut && soundEnabled) soundOut->PlaySound(name);
}

int TWorld::AddPicture(const std::string& name) {
  for (size_t k = 0; k < pictures.size(); ++k)
    if (pictures[k]->name == name.substr(0, TPic::MaxNameLength)) return static_cast<int>(k);
  auto pic = std::make_unique<TPic>();
  pic->load(name);
  if (pic->error) host.Message(pic->errorText, "Pic Error");
  pictures.push_back(std::move(pic));
  return static_cast<int>(pictures.size()) - 1;
}

int TWorld::AddPicture(std::unique_ptr<TPic> pic) {
  pictures.push_back(std::move(pic));
  return static_cast<int>(pictures.size()) - 1;
}

TPic* TWorld::Picture(int index) const {
  return index >= 0 && index < static_cast<int>(pictures.size()) ? pictures[static_cast<size_t>(index)].get() : nullptr;
}

int TWorld::PictureIndex(const TPic* pic) const {
  for (size_t k = 0; k < pictures.size(); ++k)
    if (pictures[k].get() == pic) return static_cast<int>(k);
  return -1;
}

int TWorld::PictureNumberForSave(const TPic* pic) const {
  int k = PictureIndex(pic);
  if (k < 0 || saveNumbers.empty()) return k;
  return k < static_cast<int>(saveNumbers.size()) ? saveNumbers[static_cast<size_t>(k)] : -1;
}

void TWorld::CreateMap(int xSize, int ySize) {
  cells.clear();
  normals.clear();
  X = std::max(0, xSize);
  Y = std::max(0, ySize);
  cells.resize(static_cast<size_t>(X) * Y);
  for (int x = 0; x < X; ++x)
    for (int y = 0; y < Y; ++y) SetTile(x, y, 0, 0);
}

void TWorld::SetTile(int x, int y, int frame, float height) {
  TMapCell* cell = CellAt(x, y);
  if (!cell) return;
  cell->tile = std::make_unique<TStaticPic>(this, Picture(0), static_cast<float>(x), static_cast<float>(y), height,
                                            frame, false);
}

TStaticBound* TWorld::AddScenery(int picture, float x, float y, float z, int frame) {
  TPic* pic = Picture(picture);
  if (!pic) return nullptr;
  auto* object = new TStaticBound(this, pic, x, y, z, frame);
  if (object->cellX < 0) {  // outside the map: nothing would hold it
    delete object;
    return nullptr;
  }
  return object;
}

TCritter* TWorld::AddCritter(std::unique_ptr<TCritter> critter) {
  critter->setNumber(static_cast<int>(critters.size()));
  critters.push_back(std::move(critter));
  return critters.back().get();
}

void TWorld::TakeArrowOffMap() {
  if (!arrow) return;
  arrow->hide();
  RemoveFromCell(arrow.get());
  arrowCountdown = 0;
}

void TWorld::RemoveCritter(int index) {
  if (index < 0 || index >= static_cast<int>(critters.size())) return;
  TCritter* gone = critters[static_cast<size_t>(index)].get();
  gone->leavingWorld();
  for (auto& c : critters)
    if (c.get() != gone) c->forget(gone);
  critters.erase(critters.begin() + index);
}

void TWorld::ClearWorld() {
  gizmos.clear();
  gizmoLines.clear();
  critters.clear();  // their parts leave the sprite list and the cells
  triggers.clear();
  scentDefinitions.clear();
  for (TScentTrail& s : scents) s.active = false;
  if (movies) movies->Reset();
  TakeArrowOffMap();
  arrow.reset();
  sprites.clear();
  background = IndexedImage();
  if (view.exists()) view.image.fill(0);
  for (TMapCell& cell : cells) {
    while (cell.head) {
      TStaticPic* object = cell.head;
      Unlink(cell, object);
      object->world = nullptr;
      delete object;
    }
  }
  cells.clear();
  normals.clear();
  X = Y = 0;
  pictures.clear();
  loadedFollow = followCritter = testCritter = -1;
  movieScript.clear();
  editable = true;
  scentFade = 0;
  fixedSize = false;
  if (screen) screen->UpdateMonitor();  // the chalk area and the sample panel go with the board
}

bool TWorld::Alive(int c) const {
  return c >= 0 && c < static_cast<int>(critters.size()) && !critters[static_cast<size_t>(c)]->dead;
}

void TWorld::ResetWorld() {
  if (movies && movies->Reset()) fullRedrawFlag = true;
  int pass = 0;
  for (bool moved = true; moved && pass < 20; ++pass) {
    moved = false;
    for (auto& c : critters) {
      c->stop();
      moved = c->reset() || moved;
    }
  }
  if (pass >= 20) host.Message("Couldn't properly reset world", "Reset Error");
  for (auto& g : gizmos) g->reset();
  testRun.Clear();
  if (arrowCountdown > 0) TakeArrowOffMap();
  if (scents.size() < scentDefinitions.size()) scents.resize(scentDefinitions.size());
  for (size_t k = 0; k < scentDefinitions.size(); ++k) {
    scents[k] = scentDefinitions[k];
    scents[k].active = true;
    scents[k].strength = 100;
  }
  scentUsed = std::max(scentUsed, static_cast<int>(scentDefinitions.size()));
  followCritter = loadedFollow;
}

void TWorld::TestStarting() {
  for (size_t k = scentDefinitions.size(); k < scents.size(); ++k) scents[k].active = false;
  scentUsed = static_cast<int>(std::min(scents.size(), scentDefinitions.size()));
}

void TWorld::StartWorld() {
  if (movies && movies->WaitsForStart()) ResetWorld();
  for (auto& c : critters) c->start();
  for (auto& g : gizmos) g->start();
}

void TWorld::StopWorld() {
  for (auto& c : critters) c->stop();
  for (auto& g : gizmos) g->stop();
}

void TWorld::TestReadouts(int& followEnergy, int& testEnergy) {
  auto energyOf = [&](int c) {
    if (c < 0 || c >= static_cast<int>(critters.size())) return -1;
    return static_cast<int>(std::floor(critters[static_cast<size_t>(c)]->energy + 0.5f));
  };
  followEnergy = energyOf(followCritter);
  testEnergy = energyOf(testCritter);
}

bool TWorld::JudgeTest(int kind, int energyGoal) {
  VerdictFacts facts;
  facts.brainTouched = brains && brains->AnyBrainTouched();
  facts.simulatedInput = brains && brains->AnyBrainUsesSimulatedInput();
  facts.hasTestCritter = testCritter >= 0 && testCritter < static_cast<int>(critters.size());
  for (const auto& g : gizmos) facts.gizmoCodes.push_back(g->verdict);
  if (facts.hasTestCritter) {
    const TCritter& c = *critters[static_cast<size_t>(testCritter)];
    facts.critterDead = c.dead;
    facts.critterEnergy = c.energy;
    facts.critterType = c.typeCode;
  }
  facts.kind = kind;
  facts.energyGoal = static_cast<float>(energyGoal);
  facts.worldScript = movieScript;
  Verdict verdict = JudgeVerdict(facts);
  testRun.Finish(*this, facts, verdict.passed);
  // A failure's message gets a second line that says why, from the run.
  if (!verdict.passed && !testRun.why.empty())
    for (MovieStep& step : verdict.steps)
      if (step.code == MovieMessage) step.text += "\n" + testRun.why;
  if (screen) screen->ShowTestRun(testRun);
  if (movies)
    for (const MovieStep& step : verdict.steps) movies->Queue(step.code, step.text);
  return verdict.passed;
}

void TWorld::SetMonitorMode(int mode) {
  monitorMode = std::clamp(mode, 0, 4);  // 4: never shown
  monitorToggle = false;
  if (screen) screen->UpdateMonitor();
}

// ---- cells -------------------------------------------------------------------------

TMapCell* TWorld::CellAt(int x, int y) {
  if (x < 0 || y < 0 || x >= X || y >= Y) return nullptr;
  return &cells[static_cast<size_t>(x) * Y + y];
}

void TWorld::Append(TMapCell& cell, TStaticPic* object) {
  object->nextInCell = nullptr;
  if (cell.tail) cell.tail->nextInCell = object;
  else cell.head = object;
  cell.tail = object;
}

void TWorld::Unlink(TMapCell& cell, TStaticPic* object) {
  TStaticPic* prev = nullptr;
  for (TStaticPic* p = cell.head; p; prev = p, p = p->nextInCell) {
    if (p != object) continue;
    (prev ? prev->nextInCell : cell.head) = p->nextInCell;
    if (cell.tail == p) cell.tail = prev;
    p->nextInCell = nullptr;
    p->cellX = p->cellY = -1;
    return;
  }
}

static bool CellOf(float v, int size, int& cell) {
  if (!(v >= 0) || v >= static_cast<float>(size)) return false;
  cell = static_cast<int>(v);
  return true;
}

void TWorld::PlaceInCell(TStaticPic* object, float x, float y) {
  int cx, cy;
  if (!object || object->cellX >= 0 || !CellOf(x, X, cx) || !CellOf(y, Y, cy)) return;
  Append(*CellAt(cx, cy), object);
  object->cellX = cx, object->cellY = cy;
}

void TWorld::RemoveFromCell(TStaticPic* object) {
  if (!object) return;
  if (TMapCell* cell = CellAt(object->cellX, object->cellY)) Unlink(*cell, object);
}

void TWorld::MoveBetweenCells(TStaticPic* object, float newX, float newY) {
  int cx = -1, cy = -1;
  bool inside = CellOf(newX, X, cx) && CellOf(newY, Y, cy);
  if (inside && cx == object->cellX && cy == object->cellY) return;
  RemoveFromCell(object);
  if (inside) PlaceInCell(object, newX, newY);
}

void TWorld::AddSprite(TSprite* sprite) {
  if (std::find(sprites.begin(), sprites.end(), sprite) == sprites.end()) sprites.push_back(sprite);
}

void TWorld::RemoveSprite(TSprite* sprite) {
  sprites.erase(std::remove(sprites.begin(), sprites.end(), sprite), sprites.end());
}

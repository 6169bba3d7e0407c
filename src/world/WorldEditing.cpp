#include "world/WorldEditing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bodies/CritterTypes.h"
#include "platform/DataNames.h"
#include "platform/Files.h"
#include "world/WorldFileScan.h"

namespace {
std::string Fixed2(float v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return buf;
}

bool LettersAndDigits(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

constexpr size_t MaxCatalogueEntries = 1000;

// Another critter drives its body with the same board: letting this one go must not take
// the board from it.
bool BrainShared(const TWorld& world, const TCritter& self) {
  if (self.brainMode != 1 || self.brainNumber < 0) return false;
  return std::any_of(world.critters.begin(), world.critters.end(), [&](const auto& c) {
    return c.get() != &self && c->brainMode == 1 && c->brainNumber == self.brainNumber;
  });
}
}  // namespace

std::string PlacementText(const TPlacement& r) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%.2f, %.2f, %.2f", static_cast<double>(r.centreX), static_cast<double>(r.centreY),
                static_cast<double>(r.radius));
  return buf;
}

bool ReadFloatBox(const std::string& text, float& value) {
  LineScan scan(text);
  float v = 0;
  if (!scan.Float(v) || !scan.AtEnd()) return false;
  value = v;
  return true;
}

std::string DescriptionProblem(const std::string& text) {
  for (const std::string& line : SplitLines(text))
    if (line.rfind("[", 0) == 0) return "Please don't start a line of the description with [";
  return {};
}

TWorldEditing::TWorldEditing(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test)
    : world_(world), host_(host), brains_(brains), test_(test) {}

bool TWorldEditing::Refuse(const std::string& text, const std::string& caption) const {
  host_.Message(text, caption);
  return false;
}

// ---- opening -------------------------------------------------------------------------

void TWorldEditing::OpenEditor(int userProgress) {
  progress = userProgress;
  zoom = 20;
  cellX = cellY = 0;
  thing = nullptr;
  critter = trigger = -1;
  pictureChoice = frameChoice = -1;
  elevation = false;
  // Opened again on the same world, edits not yet saved stay unsaved: a page change asks
  // about them (a page change or a close settles them before another world comes).
  scrollH = 50;
  boxes = EditorBoxes();
  const int X = world_.X, Y = world_.Y;
  scrollXMax = X, scrollX = X / 2;
  scrollYMax = Y, scrollY = Y / 2;
  fixGrid.assign(static_cast<size_t>(X) * Y, 0);
  heightGrid.assign(static_cast<size_t>(X) * Y, 0.0f);
  for (int x = 0; x < X; ++x)
    for (int y = 0; y < Y; ++y) {
      const TStaticPic* tile = world_.CellAt(x, y)->tile.get();
      heightGrid[static_cast<size_t>(x) * Y + y] = tile ? tile->z : 0.0f;
    }
  ReadCatalogue();
  types = EditorTypeList(progress);
}

bool TWorldEditing::ReadCatalogue() {
  catalogue.clear();
  auto text = ReadFileText(NativePath(CatalogueFile), 1u << 20);
  if (!text) return Refuse("Could not find fixed.lst", "Edit Error");
  for (const std::string& line : SplitLines(*text)) {
    if (line.rfind("[", 0) == 0) break;
    LineScan scan(line);
    int number = 0, frames = 0;
    std::string name;
    if (!scan.Ints(number, frames) || !scan.Word(name)) continue;
    // A picture name is a file in "pics": nothing that reaches another folder.
    if (name.size() > TPic::MaxNameLength || name.find_first_of("/\\:") != std::string::npos) continue;
    if (catalogue.size() >= MaxCatalogueEntries) break;
    const int picture = world_.AddPicture(name);
    const TPic* pic = world_.Picture(picture);
    if (pic && pic->count() >= 1) catalogue.push_back({name, picture, pic->count()});
  }
  return true;
}

// ---- the plan view ---------------------------------------------------------------------

void TWorldEditing::PlanOrigin(int W, int H, int& ox, int& oy) const {
  ox = static_cast<int>(std::lround(W / 2.0 + static_cast<double>(world_.X - scrollX) * zoom));
  oy = static_cast<int>(std::lround(static_cast<double>(scrollY) * zoom - H / 2.0));
}

void TWorldEditing::CellAtMouse(int W, int H, int mx, int my, int& x, int& y) const {
  int ox, oy;
  PlanOrigin(W, H, ox, oy);
  // The square the pointer is in: cell x spans ox - (x + 1) s .. ox - x s, cell y spans
  // y s - oy .. (y + 1) s - oy.
  x = static_cast<int>(std::floor(static_cast<double>(ox - mx) / zoom));
  y = elevation ? scrollY : static_cast<int>(std::floor(static_cast<double>(my + oy) / zoom));
}

bool TWorldEditing::ChooseCell(int x, int y) {
  if (x < 0 || y < 0 || x >= world_.X || y >= world_.Y) return false;
  cellX = x, cellY = y;
  const std::string xs = Fixed2(static_cast<float>(x)), ys = Fixed2(static_cast<float>(y));
  boxes.thingX = boxes.critterX = xs;
  boxes.thingY = boxes.critterY = ys;
  std::vector<TStaticBound*> here = ThingsInCell();
  if (std::find(here.begin(), here.end(), thing) == here.end()) thing = nullptr;
  world_.LookAt(static_cast<float>(x), static_cast<float>(y), HeightAt(x, y));
  world_.fullRedrawFlag = true;
  return true;
}

void TWorldEditing::ToggleElevation() { elevation = !elevation; }

void TWorldEditing::ScrollRow(int row) {
  scrollY = std::clamp(row, 0, scrollYMax);
  if (elevation && scrollY < world_.Y) ChooseCell(cellX, scrollY);
}

// ---- heights ---------------------------------------------------------------------------

float TWorldEditing::HeightAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= world_.X || y >= world_.Y || heightGrid.size() != static_cast<size_t>(world_.X) * world_.Y)
    return 0;
  return heightGrid[static_cast<size_t>(x) * world_.Y + y];
}

bool TWorldEditing::FixedAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= world_.X || y >= world_.Y || fixGrid.size() != static_cast<size_t>(world_.X) * world_.Y)
    return false;
  return fixGrid[static_cast<size_t>(x) * world_.Y + y] != 0;
}

int TWorldEditing::FrameAt(int x, int y) {
  TMapCell* cell = world_.CellAt(x, y);
  return cell && cell->tile ? cell->tile->frame : 0;
}

void TWorldEditing::ChangeHeight(float step) {
  const int X = world_.X, Y = world_.Y;
  if (X <= 0 || Y <= 0 || heightGrid.size() != static_cast<size_t>(X) * Y) return;
  auto h = [&](int i, int j) -> float& { return heightGrid[static_cast<size_t>(i) * Y + j]; };
  const std::vector<float> before = heightGrid;
  const float h0 = h(cellX, cellY) + step;
  h(cellX, cellY) = h0;
  // No slope steeper than 0.2 per cell around the changed point.
  for (int i = 0; i < X; ++i)
    for (int j = 0; j < Y; ++j) {
      if (i == cellX && j == cellY) continue;
      const float d = 0.2f * static_cast<float>(std::max(std::abs(i - cellX), std::abs(j - cellY)));
      if (step > 0 && h(i, j) < h0 - d - 0.05f) h(i, j) = h0 - d;
      if (step < 0 && h(i, j) > h0 + d + 0.05f) h(i, j) = h0 + d;
    }
  // Every tile with a corner that moved takes its cell's height, so the ground and the
  // grid agree everywhere. The last row and column have no corner beyond the map: the
  // edge's own height stands in. A fixed tile keeps its shape and moves with its cell.
  auto corner = [&](int i, int j) { return h(std::min(i, X - 1), std::min(j, Y - 1)); };
  auto moved = [&](int i, int j) {
    const size_t at = static_cast<size_t>(std::min(i, X - 1)) * Y + std::min(j, Y - 1);
    return heightGrid[at] != before[at];
  };
  for (int i = 0; i < X; ++i)
    for (int j = 0; j < Y; ++j) {
      if (!moved(i, j) && !moved(i, j + 1) && !moved(i + 1, j + 1) && !moved(i + 1, j)) continue;
      int frame = FrameAt(i, j);
      if (!FixedAt(i, j)) {
        const float c0 = corner(i, j), c1 = corner(i, j + 1), c2 = corner(i + 1, j + 1), c3 = corner(i + 1, j);
        const float m = std::min({c0, c1, c2, c3});
        frame = (c0 > m + 0.05f ? 1 : 0) | (c1 > m + 0.05f ? 2 : 0) | (c2 > m + 0.05f ? 4 : 0) | (c3 > m + 0.05f ? 8 : 0);
      }
      world_.SetTile(i, j, frame, h(i, j));
    }
  changed = true;
  world_.FinishMap();
  RedrawWorld();
  ChooseCell(cellX, cellY);
}

void TWorldEditing::SetFix(bool fixed) {
  if (fixGrid.size() != static_cast<size_t>(world_.X) * world_.Y || !world_.CellAt(cellX, cellY)) return;
  fixGrid[static_cast<size_t>(cellX) * world_.Y + cellY] = fixed ? 1 : 0;
}

void TWorldEditing::RedrawWorld() { world_.fullRedrawFlag = true; }

// ---- scenery ---------------------------------------------------------------------------

bool TWorldEditing::ChoosePicture(int entry) {
  if (entry < 0 || entry >= static_cast<int>(catalogue.size())) return false;
  pictureChoice = entry;
  frameChoice = -1;
  return true;
}

bool TWorldEditing::ChooseFrame(int frame) {
  if (pictureChoice < 0 || frame < 0 || frame >= catalogue[static_cast<size_t>(pictureChoice)].frames) return false;
  frameChoice = frame;
  return true;
}

std::vector<TStaticBound*> TWorldEditing::ThingsInCell() {
  std::vector<TStaticBound*> list;
  TMapCell* cell = world_.CellAt(cellX, cellY);
  if (!cell) return list;
  for (TStaticPic* p = cell->head; p; p = p->nextInCell)
    if (!p->asSprite() && p->asBound()) list.push_back(p->asBound());
  return list;
}

std::string TWorldEditing::ThingText(const TStaticBound* t) const {
  return (t && t->pic ? t->pic->name : std::string("?")) + " " + std::to_string(t ? t->frame : 0);
}

void TWorldEditing::ChooseThing(TStaticBound* t) {
  thing = t;
  if (!t) return;
  boxes.thingX = Fixed2(t->x), boxes.thingY = Fixed2(t->y), boxes.thingZ = Fixed2(t->z);
  world_.LookAt(t->x, t->y, t->z);
  RedrawWorld();
}

bool TWorldEditing::ReadPosition(const std::string& xs, const std::string& ys, const std::string& zs, float& x,
                                 float& y, float& z, const std::string& caption) const {
  if (!ReadFloatBox(xs, x)) return Refuse("Please enter a number for X", caption);
  if (!ReadFloatBox(ys, y)) return Refuse("Please enter a number for Y", caption);
  if (!ReadFloatBox(zs, z)) return Refuse("Please enter a number for Z", caption);
  return true;
}

bool TWorldEditing::AddThing(const std::string& xs, const std::string& ys, const std::string& zs) {
  const std::string caption = "Add Fixed Error";
  if (pictureChoice < 0 || frameChoice < 0) return Refuse("First select a thing to add", caption);
  float x, y, z;
  if (!ReadPosition(xs, ys, zs, x, y, z, caption)) return false;
  TStaticBound* added = world_.AddScenery(catalogue[static_cast<size_t>(pictureChoice)].picture, x, y, z, frameChoice);
  // Outside the map no cell would hold it.
  if (!added) return Refuse("Please place the thing on the map", caption);
  changed = true;
  ChooseCellOf(x, y);
  ChooseThing(added);
  return true;
}

bool TWorldEditing::ChangeThing(const std::string& xs, const std::string& ys, const std::string& zs) {
  const std::string caption = "Change Fixed Error";
  if (!thing) return Refuse("First select a thing to change", caption);
  float x, y, z;
  if (!ReadPosition(xs, ys, zs, x, y, z, caption)) return false;
  if (!(x >= 0 && x < world_.X && y >= 0 && y < world_.Y)) return Refuse("Please place the thing on the map", caption);
  TStaticBound* moved = thing;
  world_.MoveBetweenCells(moved, x, y);
  moved->setPosition(x, y, z);
  changed = true;
  // The thing stays chosen in its new cell, and the boxes keep the place typed.
  ChooseCellOf(x, y);
  ChooseThing(moved);
  return true;
}

bool TWorldEditing::DeleteThing() {
  if (!thing) return Refuse("First select a thing to delete", "Delete Fixed Error");
  world_.RemoveFromCell(thing);
  delete thing;
  thing = nullptr;
  changed = true;
  RedrawWorld();
  return true;
}

void TWorldEditing::ChooseCellOf(float x, float y) {
  ChooseCell(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// ---- critters --------------------------------------------------------------------------

int TWorldEditing::TypeIndex(const std::string& boxName) const {
  for (size_t k = 0; k < types.size(); ++k)
    if (types[k].boxName == boxName) return static_cast<int>(k);
  return -1;
}

int TWorldEditing::CritterIndex(const std::string& name) const {
  for (size_t k = 0; k < world_.critters.size(); ++k)
    if (world_.critters[k]->name == name) return static_cast<int>(k);
  return -1;
}

std::string TWorldEditing::CritterTypeName(int n) const {
  if (n < 0 || n >= static_cast<int>(world_.critters.size())) return {};
  const TCritter& c = *world_.critters[static_cast<size_t>(n)];
  std::string face = !c.parts.empty() && c.parts[0]->pic ? c.parts[0]->pic->name : std::string();
  return EditorTypeName(c.typeCode, face);
}

bool TWorldEditing::CheckName(const std::string& name, const TCritter* self, const std::string& caption) const {
  if (name.empty()) return Refuse("Please enter a name for the critter", caption);
  if (name.size() > MaxNameLength) return Refuse("Please use at most 70 characters in name", caption);
  if (!self || self->name != name)
    for (const auto& c : world_.critters)
      if (c.get() != self && c->name == name) return Refuse("There is already a critter with that name", caption);
  if (!LettersAndDigits(name)) return Refuse("Please use only letters and numbers in name (no spaces)", caption);
  return true;
}

bool TWorldEditing::AddCritter(int type, const std::string& name, const std::string& xs, const std::string& ys,
                               const std::string& zs) {
  if (type < 0 || type >= static_cast<int>(types.size())) return false;
  const std::string caption = "Add Critter Error";
  float x, y, z;
  if (!ReadPosition(xs, ys, zs, x, y, z, caption)) return false;
  if (!(x >= 0 && x < world_.X)) return Refuse("Critter X off map", caption);
  if (!(y >= 0 && y < world_.Y)) return Refuse("Critter Y off map", caption);
  // A world file keeps no more critters than its reader takes.
  if (world_.critters.size() >= static_cast<size_t>(TWorldFile::MaxCritters))
    return Refuse("A world holds at most 1000 critters", caption);
  if (!CheckName(name, nullptr, caption)) return false;
  const EditorType& t = types[static_cast<size_t>(type)];
  const CritterTypeInfo* info = FindCritterType(t.word);
  if (!info) return false;
  // The type's pictures, one per picture field; fields the class does not show stay empty.
  TCritterArgs args;
  args.world = &world_;
  args.name = name;
  args.number = static_cast<int>(world_.critters.size());
  args.pictures.assign(static_cast<size_t>(info->pictureFields), nullptr);
  for (int f = 0; f < info->pictureFields && f < static_cast<int>(t.pictures.size()); ++f)
    if (PictureFieldUsed(*info, f) && !t.pictures[static_cast<size_t>(f)].empty())
      args.pictures[static_cast<size_t>(f)] = world_.Picture(world_.AddPicture(t.pictures[static_cast<size_t>(f)]));
  args.x = x, args.y = y, args.z = z;
  const int number = args.number;
  auto made = CreateCritter(*info, args);
  if (!made) return false;
  world_.AddCritter(std::move(made));
  changed = true;
  ChooseCritter(number);
  RedrawWorld();
  return true;
}

bool TWorldEditing::ChangeCritter(const std::string& name, const std::string& xs, const std::string& ys,
                                  const std::string& zs) {
  if (critter < 0 || critter >= static_cast<int>(world_.critters.size())) return false;
  const std::string caption = "Change Critter Error";
  TCritter& c = *world_.critters[static_cast<size_t>(critter)];
  float x, y, z;
  if (!ReadPosition(xs, ys, zs, x, y, z, caption)) return false;
  if (!(x >= 0 && x < world_.X)) return Refuse("Critter X off map", caption);
  if (!(y >= 0 && y < world_.Y)) return Refuse("Critter Y off map", caption);
  if (!CheckName(name, &c, caption)) return false;
  c.name = name;
  // The new place is the critter's home too, so a save keeps it.
  c.startX = x, c.startY = y, c.startZ = z;
  c.moveTo(x, y, z);
  c.reset();
  c.startZ = c.z;
  changed = true;
  ShowCritter();
  RedrawWorld();
  return true;
}

void TWorldEditing::Renumber(const std::vector<int>& map) {
  auto follow = [&](int& ref) {
    if (ref >= 0) ref = ref < static_cast<int>(map.size()) ? map[static_cast<size_t>(ref)] : -1;
  };
  follow(world_.testCritter);
  follow(world_.followCritter);
  follow(world_.loadedFollow);
  std::vector<TTrigger> kept;
  for (TTrigger t : world_.triggers) {
    follow(t.target);
    if (t.target >= 0) kept.push_back(t);
  }
  world_.triggers = std::move(kept);
  for (size_t k = 0; k < world_.critters.size(); ++k) {
    world_.critters[k]->setNumber(static_cast<int>(k));
    world_.critters[k]->lineNumber = -1;
  }
  TriggersChanged();
}

void TWorldEditing::TriggersChanged() {
  // Critters remember the last zone that fired by its address in the list.
  for (auto& c : world_.critters) c->lastTrigger = nullptr;
  if (trigger >= static_cast<int>(world_.triggers.size())) trigger = -1;
}

bool TWorldEditing::DeleteCritter() {
  const int n = critter;
  if (n < 0 || n >= static_cast<int>(world_.critters.size())) return false;
  TCritter* gone = world_.critters[static_cast<size_t>(n)].get();
  if (brains_ && gone->brainMode != 0 && !BrainShared(world_, *gone)) brains_->ReleaseBrain(gone->brainNumber);
  world_.RemoveCritter(n);
  std::vector<int> map(world_.critters.size() + 1);
  for (int k = 0; k < static_cast<int>(map.size()); ++k) map[static_cast<size_t>(k)] = k < n ? k : k == n ? -1 : k - 1;
  trigger = -1;
  Renumber(map);
  critter = -1;
  changed = true;
  RedrawWorld();
  return true;
}

bool TWorldEditing::MoveCritterUp() {
  if (critter <= 0 || critter >= static_cast<int>(world_.critters.size())) return false;
  std::swap(world_.critters[static_cast<size_t>(critter)], world_.critters[static_cast<size_t>(critter - 1)]);
  std::vector<int> map(world_.critters.size());
  for (size_t k = 0; k < map.size(); ++k) map[k] = static_cast<int>(k);
  std::swap(map[static_cast<size_t>(critter)], map[static_cast<size_t>(critter - 1)]);
  Renumber(map);
  --critter;
  changed = true;
  return true;
}

bool TWorldEditing::MoveCritterDown() {
  if (critter < 0 || critter + 1 >= static_cast<int>(world_.critters.size())) return false;
  ++critter;
  if (MoveCritterUp()) {
    ++critter;
    return true;
  }
  --critter;
  return false;
}

void TWorldEditing::ChooseCritter(int n) {
  if (n < 0 || n >= static_cast<int>(world_.critters.size())) {
    critter = -1;
    return;
  }
  critter = n;
  ShowCritter();
  const TCritter& c = *world_.critters[static_cast<size_t>(n)];
  ChooseCellOf(c.x, c.y);
  boxes.critterX = Fixed2(c.x), boxes.critterY = Fixed2(c.y), boxes.critterZ = Fixed2(c.z);
}

void TWorldEditing::ShowCritter() {
  if (critter < 0 || critter >= static_cast<int>(world_.critters.size())) return;
  TCritter& c = *world_.critters[static_cast<size_t>(critter)];
  boxes.critterX = Fixed2(c.x), boxes.critterY = Fixed2(c.y), boxes.critterZ = Fixed2(c.z);
  boxes.critterName = c.name;
  boxes.critterType = TypeIndex(CritterTypeName(critter));
  boxes.rotation = "Rotation: " + std::to_string(c.heading);
}

bool TWorldEditing::RotateCritter(int step) {
  if (critter < 0 || critter >= static_cast<int>(world_.critters.size())) return false;
  TCritter& c = *world_.critters[static_cast<size_t>(critter)];
  if (c.headingCount < 2) return false;
  const int quarter = std::max(1, c.headingCount / 4);
  const int by = step == -2 ? -quarter : step == 2 ? quarter : step < 0 ? -1 : 1;
  c.turnBy(by);
  // The turned heading is the one the world file keeps and a reset returns to.
  c.startHeading = c.heading;
  c.reset();
  changed = true;
  ShowCritter();
  RedrawWorld();
  return true;
}

TCritter* TWorldEditing::CritterForProperties() {
  if (critter < 0 || critter >= static_cast<int>(world_.critters.size())) {
    Refuse("Please select a critter first", "Brain Properties");
    return nullptr;
  }
  return world_.critters[static_cast<size_t>(critter)].get();
}

// ---- the property dialogs ----------------------------------------------------------

void TWorldEditing::ApplyBrain(TCritter& c, int mode, const std::string& name, const TChannelFlags& inputs,
                               const TChannelFlags& outputs) {
  // A hidden brain is read from "worlds" and nowhere else.
  if (mode == 2 && !DataNameStaysInside(name)) {
    Refuse("Please use a file name without folders", "Hidden Brain Error");
    return;
  }
  const std::string oldName = brains_ && c.brainMode != 0 ? brains_->BrainName(c.brainNumber) : std::string();
  const bool sameBrain = mode == c.brainMode && (mode == 0 || name == oldName);
  const TChannelFlags wantedIn = mode == 1 ? inputs & c.typeInputs : c.typeInputs;
  const TChannelFlags wantedOut = mode == 1 ? outputs & c.typeOutputs : c.typeOutputs;
  // OK without a change changes nothing.
  if (sameBrain && (mode != 1 || (wantedIn == c.enabledInputs && wantedOut == c.enabledOutputs))) return;
  // The same board with other channels is offered them again under its name; a board
  // another critter drives stays with it.
  const bool keepBoard = (mode == 1 && sameBrain) || BrainShared(world_, c);
  if (brains_ && c.brainMode != 0 && !keepBoard) brains_->ReleaseBrain(c.brainNumber);
  c.brainNumber = -1;
  c.brainMode = 0;
  if (mode == 2) {
    c.enabledInputs = c.typeInputs;
    c.enabledOutputs = c.typeOutputs;
  } else if (mode == 1) {
    c.enabledInputs = inputs & c.typeInputs;
    c.enabledOutputs = outputs & c.typeOutputs;
  }
  if (mode == 1 || mode == 2) {
    c.brainMode = mode;
    if (brains_)
      c.brainNumber = brains_->AttachBrain(name, FlagsMask(c.enabledInputs), mode == 2, FlagsMask(c.enabledOutputs));
  }
  changed = true;
}

void TWorldEditing::ApplyEnergy(TCritter& c, float start, float loss) {
  c.startEnergy = c.energy = start;
  c.energyLoss = loss;
  changed = true;
}

void TWorldEditing::ApplyPlacements(TCritter& c, const std::vector<TPlacement>& rules) {
  c.placements = rules;
  changed = true;
}

void TWorldEditing::ApplySmell(TCritter& c, int smell1, int smell2) {
  c.smellType1 = smell1;
  c.smellType2 = smell2;
  changed = true;
}

void TWorldEditing::ApplyTest(int testCritter, int followCritter, int kind, int time, int energy) {
  const int count = static_cast<int>(world_.critters.size());
  world_.testCritter = testCritter >= 0 && testCritter < count ? testCritter : -1;
  world_.loadedFollow = world_.followCritter = followCritter >= 0 && followCritter < count ? followCritter : -1;
  if (test_) test_->SetTest(kind, time, energy);
  changed = true;
}

bool TWorldEditing::ApplyDescription(const std::string& text) {
  if (!DescriptionProblem(text).empty()) return Refuse(DescriptionProblem(text), "World Description");
  world_.description = text + "\n#\n";
  changed = true;
  return true;
}

std::string TWorldEditing::DescriptionForDialog() const {
  std::string text = world_.description;
  for (const char* end : {"\n#\n", "#\n"}) {
    const std::string e = end;
    if (text.size() >= e.size() && text.compare(text.size() - e.size(), e.size(), e) == 0) {
      text.erase(text.size() - e.size());
      break;
    }
  }
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// ---- triggers --------------------------------------------------------------------------

std::string TWorldEditing::TriggerText(const TTrigger& t) const {
  const int count = static_cast<int>(world_.critters.size());
  std::string target = t.target >= 0 && t.target < count ? world_.critters[static_cast<size_t>(t.target)]->name : "?";
  std::vector<std::string> byNames = TriggerByNames(999);
  std::string by = t.byType >= 1 && t.byType <= static_cast<int>(byNames.size())
                       ? byNames[static_cast<size_t>(t.byType - 1)]
                       : std::to_string(t.byType);
  return target + " by " + by;
}

bool TWorldEditing::BuildTrigger(int of, int by, const TriggerBoxes& b, TTrigger& t) const {
  const std::string caption = "New Trigger";
  if (of < 0 || of >= static_cast<int>(world_.critters.size())) return Refuse("Please select a critter first", caption);
  if (by < 0 || by >= static_cast<int>(TriggerByNames(progress).size()))
    return Refuse("Please select a critter type first", caption);
  t = TTrigger();
  t.target = of;
  t.byType = by + 1;
  auto read = [&](const std::string& text, float& v, const std::string& field) {
    return ReadFloatBox(text, v) || Refuse("Please enter a number for " + field, caption);
  };
  if (!read(b.newX, t.pointX, "New X") || !read(b.newY, t.pointY, "New Y")) return false;
  for (int k = 0; k < 4; ++k) {
    const std::string n = std::to_string(k + 1);
    if (!read(b.cornerX[static_cast<size_t>(k)], t.cornerX[k], "X" + n) ||
        !read(b.cornerY[static_cast<size_t>(k)], t.cornerY[k], "Y" + n))
      return false;
  }
  if (!read(b.zMin, t.lowZ, "Zmin") || !read(b.zMax, t.highZ, "Zmax")) return false;
  t.prepare();
  return true;
}

bool TWorldEditing::AddTrigger(int of, int by, const TriggerBoxes& b) {
  TTrigger t;
  if (!BuildTrigger(of, by, b, t)) return false;
  world_.triggers.push_back(t);
  trigger = static_cast<int>(world_.triggers.size()) - 1;
  TriggersChanged();
  changed = true;
  return true;
}

bool TWorldEditing::ChangeTrigger(int of, int by, const TriggerBoxes& b) {
  if (trigger < 0 || trigger >= static_cast<int>(world_.triggers.size()))
    return Refuse("Please select a trigger first", "Change Trigger");
  TTrigger t;
  if (!BuildTrigger(of, by, b, t)) return false;
  world_.triggers[static_cast<size_t>(trigger)] = t;
  TriggersChanged();
  changed = true;
  return true;
}

bool TWorldEditing::DeleteTrigger() {
  if (trigger < 0 || trigger >= static_cast<int>(world_.triggers.size()))
    return Refuse("Please select a trigger first", "Change Trigger");
  world_.triggers.erase(world_.triggers.begin() + trigger);
  trigger = -1;
  TriggersChanged();
  changed = true;
  return true;
}

void TWorldEditing::ChooseTrigger(int n) {
  trigger = n >= 0 && n < static_cast<int>(world_.triggers.size()) ? n : -1;
}

TriggerBoxes TWorldEditing::BoxesOf(const TTrigger& t) const {
  TriggerBoxes b;
  b.newX = Fixed2(t.pointX), b.newY = Fixed2(t.pointY);
  for (size_t k = 0; k < 4; ++k) b.cornerX[k] = Fixed2(t.cornerX[k]), b.cornerY[k] = Fixed2(t.cornerY[k]);
  b.zMin = Fixed2(t.lowZ), b.zMax = Fixed2(t.highZ);
  return b;
}

void TWorldEditing::ClearSelections() {
  thing = nullptr;
  critter = -1;
  trigger = -1;
}

// ---- saving ----------------------------------------------------------------------------

bool TWorldEditing::Save(const std::string& path) {
  // What the file names is read back from the data folder only; a world that names a
  // file elsewhere (read from a damaged file) is not written.
  for (const auto& c : world_.critters)
    if (c->brainMode == 2 && brains_ && !DataNameStaysInside(brains_->BrainName(c->brainNumber)))
      return Refuse("Please use a file name without folders", "Hidden Brain Error");
  for (const auto& pic : world_.pictures)
    if (!DataNameStaysInside(pic->name)) return Refuse("Couldn't open " + pic->name + ".cmp", "Pic Error");
  TWorldFile file(world_, brains_, test_);
  if (!file.SaveWorld(path)) return false;
  changed = false;
  return true;
}

bool TWorldEditing::SaveChanges() {
  if (world_.fileName.empty()) return SaveAs();
  return Save(world_.fileName);
}

bool TWorldEditing::SaveAs() {
  if (!host_.files) return false;
  FileChoice choice;
  choice.title = "Save World";
  choice.filter = "World files|*.wld|All files|*.*";
  choice.defaultExtension = "wld";
  choice.initialName = "worlds";
  choice.promptOverwrite = true;
  const std::string path = host_.files->ChooseSave(choice);
  if (path.empty()) return false;
  return Save(path);
}

bool TWorldEditing::MayClose() {
  if (!changed || !host_.messages) return true;
  Answer a = host_.messages->AskYesNoCancel("Do you want to save the changes?", "World Changed");
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes) SaveChanges();
  return true;
}

#pragma once
// The world editor's rules, without a window: it edits the world the world window holds
// in place (terrain heights, scenery, critters and their properties, trigger zones, the
// test and the description) and saves it. Every edit goes through here and marks the
// world changed; the window and the command line only forward what the user chose and
// show the state kept here. A refused edit shows its message and changes nothing.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "world/EditorTypes.h"
#include "world/WorldFile.h"

// The brains the editor attaches and releases: the brain window in the program.
class IEditorBrains : public IWorldFileBrains {
 public:
  virtual void ReleaseBrain(int number) = 0;
};

// A scenery picture of the catalogue, with its place in the world's picture list.
struct CatalogueEntry {
  std::string name;
  int picture = -1;
  int frames = 0;
};

// What a trigger line holds, as typed: New X, New Y, the four corners, Zmin, Zmax.
struct TriggerBoxes {
  std::string newX = "0", newY = "0";
  std::array<std::string, 4> cornerX{"0", "0", "0", "0"}, cornerY{"0", "0", "0", "0"};
  std::string zMin = "0", zMax = "0";
};

// The texts the editor's boxes show after an action.
struct EditorBoxes {
  std::string thingX = "0", thingY = "0", thingZ = "0.1";
  std::string critterX = "0", critterY = "0", critterZ = "0.1";
  std::string critterName;
  int critterType = -1;  // index into the type list
  std::string rotation = "Rotation: 0";
};

enum class EditorUpdate { No = 0, Keep = 1, Clear = 2 };

// A placement rule's list text.
std::string PlacementText(const TPlacement& rule);
// A float box: the whole text must be a number (blanks around it allowed).
bool ReadFloatBox(const std::string& text, float& value);
// Why a description cannot be stored (a line starting with "[" would end the world file's
// text there), or an empty text.
std::string DescriptionProblem(const std::string& text);

class TWorldEditing {
 public:
  static constexpr const char* CatalogueFile = "pics//fixed.lst";
  static constexpr size_t MaxNameLength = 70;

  TWorldEditing(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test);

  TWorld& world() { return world_; }
  IEditorBrains* brains() { return brains_; }
  IWorldTestHolder* testHolder() { return test_; }

  // ---- opening -----------------------------------------------------------------------
  void OpenEditor(int progress);
  bool HasChanges() const { return changed; }
  void ForgetChanges() { changed = false; }

  // ---- the plan view ---------------------------------------------------------------
  // The plan's origin for a view of W x H pixels.
  void PlanOrigin(int W, int H, int& ox, int& oy) const;
  // A mouse release at (mx, my): the cell it names (in elevation: that x, the shown row).
  void CellAtMouse(int W, int H, int mx, int my, int& x, int& y) const;
  // Chooses a cell; false (and nothing changes) outside the map.
  bool ChooseCell(int x, int y);
  // Past this the plan's coordinates would leave the integers.
  static constexpr int MaxZoom = 640;
  void ZoomIn() { zoom = std::min(zoom * 2, MaxZoom); }
  void ZoomOut() { zoom = zoom > 1 ? zoom / 2 : 1; }
  void ToggleElevation();
  void ScrollRow(int row);

  // ---- heights -----------------------------------------------------------------------
  void RaiseCell() { ChangeHeight(0.2f); }
  void LowerCell() { ChangeHeight(-0.2f); }
  void ChangeHeight(float step);
  void SetFix(bool fixed);
  float HeightAt(int x, int y) const;
  bool FixedAt(int x, int y) const;
  int FrameAt(int x, int y);

  // ---- scenery -----------------------------------------------------------------------
  // Reads the catalogue into the world's picture list; false (reported) without it.
  bool ReadCatalogue();
  bool ChoosePicture(int entry);  // an index into `catalogue`
  bool ChooseFrame(int frame);
  // Scenery things in the chosen cell, in cell order.
  std::vector<TStaticBound*> ThingsInCell();
  std::string ThingText(const TStaticBound* thing) const;
  void ChooseThing(TStaticBound* thing);
  bool AddThing(const std::string& x, const std::string& y, const std::string& z);
  bool ChangeThing(const std::string& x, const std::string& y, const std::string& z);
  bool DeleteThing();

  // ---- critters ----------------------------------------------------------------------
  int TypeIndex(const std::string& boxName) const;
  int CritterIndex(const std::string& name) const;
  std::string CritterTypeName(int critter) const;
  bool AddCritter(int type, const std::string& name, const std::string& x, const std::string& y,
                  const std::string& z);
  bool ChangeCritter(const std::string& name, const std::string& x, const std::string& y, const std::string& z);
  bool DeleteCritter();
  void ChooseCritter(int critter);
  bool MoveCritterUp();
  bool MoveCritterDown();
  // step -1 / 1: one heading; -2 / 2: a quarter of the critter's headings.
  bool RotateCritter(int step);
  // The chosen critter, or null after "Please select a critter first".
  TCritter* CritterForProperties();

  // ---- the property dialogs' OK ---------------------------------------------------
  // mode 0 none, 1 a board brain named `name`, 2 a hidden brain from the file `name`.
  void ApplyBrain(TCritter& c, int mode, const std::string& name, const TChannelFlags& inputs,
                  const TChannelFlags& outputs);
  void ApplyEnergy(TCritter& c, float start, float loss);
  void ApplyPlacements(TCritter& c, const std::vector<TPlacement>& rules);
  void ApplySmell(TCritter& c, int smell1, int smell2);
  // test and follow are critter numbers or -1.
  void ApplyTest(int testCritter, int followCritter, int kind, int time, int energy);
  // False (reported) when the text cannot be stored.
  bool ApplyDescription(const std::string& text);
  // The description without the "#" line that ends it.
  std::string DescriptionForDialog() const;

  // ---- triggers ----------------------------------------------------------------------
  std::string TriggerText(const TTrigger& t) const;
  bool AddTrigger(int of, int by, const TriggerBoxes& boxes);
  bool ChangeTrigger(int of, int by, const TriggerBoxes& boxes);
  bool DeleteTrigger();
  void ChooseTrigger(int trigger);
  TriggerBoxes BoxesOf(const TTrigger& t) const;

  // Changing tabs.
  void ClearSelections();

  // ---- saving ------------------------------------------------------------------------
  // To the world's own file; changed is cleared only when the file was written.
  bool SaveChanges();
  // Asks for a file; a cancelled choice keeps changed.
  bool SaveAs();
  // The close question: false keeps the window open.
  bool MayClose();

  // ---- state -------------------------------------------------------------------------
  int progress = 999;
  int zoom = 20;
  int cellX = 0, cellY = 0;
  TStaticBound* thing = nullptr;
  int critter = -1, trigger = -1;
  bool elevation = false;
  bool changed = false;
  bool showHeights = false;
  EditorUpdate update = EditorUpdate::No;
  int scrollX = 0, scrollXMax = 0, scrollY = 0, scrollYMax = 0, scrollH = 50;
  std::vector<uint8_t> fixGrid;   // index x * Y + y
  std::vector<float> heightGrid;  // index x * Y + y
  std::vector<CatalogueEntry> catalogue;
  int pictureChoice = -1, frameChoice = -1;
  std::vector<EditorType> types;
  EditorBoxes boxes;

 private:
  bool Refuse(const std::string& text, const std::string& caption) const;
  bool ReadPosition(const std::string& xs, const std::string& ys, const std::string& zs, float& x, float& y,
                    float& z, const std::string& caption) const;
  bool CheckName(const std::string& name, const TCritter* self, const std::string& caption) const;
  bool BuildTrigger(int of, int by, const TriggerBoxes& boxes, TTrigger& t) const;
  // Critter references follow a new order: map[old] = new number or -1 when removed.
  void Renumber(const std::vector<int>& map);
  void TriggersChanged();
  void ChooseCellOf(float x, float y);
  void ShowCritter();
  void RedrawWorld();
  bool Save(const std::string& path);

  TWorld& world_;
  Host host_;
  IEditorBrains* brains_;
  IWorldTestHolder* test_;
};

#pragma once
// The world a world window owns: terrain cells with their object chains, picture sets,
// critters, gizmos, triggers, scent trails and the camera, stepped once per tick and
// drawn into an 8-bit view bitmap against a depth buffer.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bodies/Critter.h"
#include "bodies/CritterWorld.h"
#include "bodies/Gizmo.h"
#include "bodies/Pic.h"
#include "bodies/Sprite.h"
#include "platform/Host.h"
#include "platform/Random.h"
#include "world/WorldWindowPort.h"
#include "world/MovieQueue.h"
#include "world/TestRun.h"
#include "bodies/Trigger.h"
#include "world/TerrainShades.h"
#include "world/ViewBitmap.h"
#include "world/WorldPorts.h"
#include "world/WorldTone.h"

struct TMapCell {
  std::unique_ptr<TStaticPic> tile;  // frame of picture 0 at (x, y, height)
  TStaticPic* head = nullptr;        // objects standing on the cell, in arrival order
  TStaticPic* tail = nullptr;
};

struct TScentTrail {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int direction = 0;
  float strength = 100;
  bool active = false;
};

struct TVec3 {
  double x = 0, y = 0, z = 0;
};

class TWorld : public IWorldWindow, public ICritterWorld {
 public:
  TWorld(Host host, WorldPorts ports, const Palette& palette);
  ~TWorld() override;
  TWorld(const TWorld&) = delete;
  TWorld& operator=(const TWorld&) = delete;

  // ---- building a world (the world-file reader and the tests) ----------------------
  // Index of the picture set in the list; a name already listed is not loaded again.
  int AddPicture(const std::string& name);
  int AddPicture(std::unique_ptr<TPic> pic);
  TPic* Picture(int index) const;
  int PictureIndex(const TPic* pic) const;
  // The picture's number in the file being written (pictures nothing uses are dropped
  // and the rest renumbered); its list position when no save is running.
  int PictureNumberForSave(const TPic* pic) const override;
  // A grid of X by Y cells, all flat at height 0 with frame 0.
  void CreateMap(int xSize, int ySize);
  void SetTile(int x, int y, int frame, float height);
  // Computes the cell normals once the tiles are set.
  void FinishMap();
  TStaticBound* AddScenery(int picture, float x, float y, float z, int frame);
  TCritter* AddCritter(std::unique_ptr<TCritter> critter);
  void ClearWorld();

  // ---- the shell's calls -------------------------------------------------------------
  void Step(int tick, bool running, bool testMode) override;
  void ResetWorld() override;
  void StartWorld() override;
  void StopWorld() override;
  // Scent trails laid in earlier runs are wiped; the world file's own trails stay.
  void TestStarting() override;
  void TestReadouts(int& followEnergy, int& testEnergy) override;
  bool JudgeTest(int kind, int energyGoal) override;
  int GetMonitorMode() override { return monitorMode; }
  void SetMonitorMode(int mode) override;
  void SetSoundsOn(bool on) override { soundEnabled = on; }
  void LoopSoundReplaced() override { tone.playing = false; }

  // ---- the window ------------------------------------------------------------------
  // A new client size: the view bitmap is made anew when its size changes.
  void SetClientSize(int width, int height);
  int clientWidth() const { return clientW; }
  int clientHeight() const { return clientH; }
  void Project(float x, float y, float z, int& sx, int& sy) const override;
  void LookAt(float x, float y, float z);
  // Everything drawn anew: depth reset, background, gizmos, terrain, sprites.
  void FullRedraw();
  void DrawTerrain();
  // Draws a sprite; a carried body's parts are drawn no lower than the ground under them,
  // where its carrier may hold it, so that the learner sees what is carried.
  bool DrawSprite(TSprite* sprite, const TDrawTarget& target, std::vector<TRect>* dirtyRects);
  // The 16 x 16 palette indexes that shade the tile at (x, y).
  void BuildShadeMap(int x, int y, uint8_t out[256]);
  // What each shade-map entry of the tile shows, and the ground height there.
  enum : uint8_t { MatterGround = 0, MatterShore = 1, MatterWater = 2 };
  void TileMatter(int x, int y, uint8_t matter[256], float height[256]) const;
  // Panning by a drag and following by a double click.
  void PanBy(int dx, int dy);
  bool FollowCritterAt(int sx, int sy);
  bool ArrowShown() const { return arrowCountdown > 0; }

  // ---- queries for critters --------------------------------------------------------
  int ExtentX() const override { return X; }
  int ExtentY() const override { return Y; }
  const TAngleTables& Tables() const override { return tables; }
  WorldRandom& Generator() override { return random; }
  void AddSprite(TSprite* sprite) override;
  void RemoveSprite(TSprite* sprite) override;
  void PlaceInCell(TStaticPic* object, float x, float y) override;
  void RemoveFromCell(TStaticPic* object) override;
  void MoveBetweenCells(TStaticPic* object, float newX, float newY) override;
  TMapCell* CellAt(int x, int y);
  float SurfaceHeight(float x, float y, float z, int& kind, int ignore1 = -1, int ignore2 = -1,
                      int* surface = nullptr) override;
  float SurfaceHeight(TSprite* sprite, int& kind) override;
  float GroundHeight(float x, float y, int& kind) const;
  // The ground the tiles show, by the name of the tile picture (grass without one).
  TGround Ground() const;
  // Makes the tiles show another ground by loading that ground's tile picture in place of
  // picture 0; false when there is no map picture, nothing changes or it cannot be read.
  bool SetGround(TGround ground);
  bool TouchingAnything(TSprite* sprite) override;
  static int Direction24(float dx, float dy);
  static int TriangleKind(int frame, float fx, float fy);
  void SenseScent(int heading, float outputs[8], float x, float y) override;
  int LayScent(int direction, int segment, float x, float y) override;
  int CritterCount() const override { return static_cast<int>(critters.size()); }
  // Takes one critter out of the world; the others forget it first.
  void RemoveCritter(int index);
  TCritter* CritterAt(int number) override;
  int32_t* BrainInputs(int brainNumber) override;
  const int32_t* BrainOutputs(int brainNumber) override;
  void PlayWorldSound(const std::string& name) override;
  // The cells searched around a point: the last row and column are never included.
  void CellRange(float x, float y, int& x0, int& x1, int& y0, int& y1) const;

  // ---- state -------------------------------------------------------------------------
  Host host;
  IWorldBrains* brains;
  IWorldSound* soundOut;
  IWorldMovies* movies;
  IWorldScreen* screen;
  Palette palette;
  // Seeded from the clock by the program; tests and the command line fix the seed.
  WorldRandom random{1};

  int X = 0, Y = 0;
  std::vector<TMapCell> cells;  // index x * Y + y
  std::vector<TVec3> normals;
  std::vector<std::unique_ptr<TPic>> pictures;
  std::vector<std::unique_ptr<TCritter>> critters;
  std::vector<TSprite*> sprites;
  std::vector<std::unique_ptr<TGizmo>> gizmos;
  // [GIZMOS] lines as read, until the lab bench turns them into gizmos.
  std::vector<TGizmoLine> gizmoLines;
  std::vector<TTrigger> triggers;
  std::vector<TScentTrail> scentDefinitions;
  std::vector<TScentTrail> scents;
  int scentUsed = 0;
  bool scentCreated = false;
  float scentFade = 0;
  int loadedFollow = -1, followCritter = -1, testCritter = -1;
  // Old picture number -> number in the file, while a save runs.
  std::vector<int> saveNumbers;
  int offsetX = 0, offsetY = 0;
  bool fullRedrawFlag = false;
  std::unique_ptr<TPic> ownArrowPic;
  std::unique_ptr<TSprite> arrow;
  int arrowCountdown = 0;
  TWorldTone tone;
  bool soundEnabled = true;
  bool editable = true, fixedSize = false;
  IndexedImage background;
  std::string description, fileName;
  // The movie lines under [TEST]: queued instead of the win sequence on a pass.
  std::vector<MovieStep> movieScript;
  // The running test, tick by tick, and after the verdict why it ended so.
  TTestRun testRun;
  int monitorMode = 1;
  bool monitorToggle = false;

  TViewBitmap view;
  std::vector<TRect> dirty;
  // Grass shading: palette index for each green level and its error times 64.
  uint8_t grassIndex[256] = {};
  int grassError[256] = {};
  // The other grounds, the water and its sandy shore, built the same way.
  TShadeTable earthShade, sandShade, waterShade;
  uint8_t backgroundColour = 0;
  TAngleTables tables;

 private:
  void BuildTables();
  void RunPass(int tick, bool running, bool testMode);
  void FollowCamera();
  void CollisionPass();
  void CollideSprite(TSprite* sprite);
  void MarkMapEdge();
  void EdgePass();
  void TriggerPass();
  void SoundPass(bool running);
  void DrawSpritesInGrid();
  void FadeScents(bool running);
  void CopyDirty();
  void TakeArrowOffMap();
  bool Alive(int critter) const;
  void Unlink(TMapCell& cell, TStaticPic* object);
  void Append(TMapCell& cell, TStaticPic* object);

  // The shade map of cell (x, y) whose dither starts at `state`; shade maps are kept
  // while the normals and grass tables they came from stay the same.
  const uint8_t* TileShade(int x, int y, int32_t state, uint8_t scratch[256]);
  void ShadeMapFrom(int x, int y, int32_t& state, uint8_t out[256]) const;
  void CheckShadeMaps();

  int clientW = 0, clientH = 0;
  int ditherState = 1234567;
  std::vector<uint8_t> shadeMaps_, shadeMade_;
  std::vector<TVec3> shadeNormals_;
  std::vector<int> shadeTables_;
  int shadeX_ = -1, shadeY_ = -1;
};

// Merges overlapping rectangles greedily: a later rectangle is folded into an earlier one
// whenever their union is smaller than the two apart.
void MergeDirtyRects(std::vector<TRect>& rects);

// The rooms of the main window: each background shows, under every picture button, the
// pressed state that comes through while the button is hidden.
#include <algorithm>
#include <cmath>

#include "AssetSink.h"
#include "Canvas.h"

namespace {
const Rgb Steel{150, 160, 170}, SteelDark{70, 76, 84}, Ink{30, 24, 20}, Paper{250, 246, 232};
const Rgb BookRed{176, 32, 28}, BookRedDark{110, 16, 14}, Gold{230, 190, 80};

// A closed notebook lying in the room; pressed draws it sunk and darker.
void ClosedBook(Canvas& c, int x, int y, int w, int h, Rgb cover, bool pressed) {
  Rgb body = pressed ? Mix(cover, Ink, 0.35) : cover;
  int d = pressed ? 2 : 0;
  c.rect(x + 3, y + h - 6, w - 3, 6, Paper);            // page block
  c.rect(x + d, y + d, w - 4, h - 6, body);              // cover
  c.rect(x + d, y + d, 6, h - 6, Mix(body, Ink, 0.4));   // spine
  c.frame(x + d, y + d, w - 4, h - 6, Mix(body, Ink, 0.6));
  c.rect(x + w / 2 - 12 + d, y + h / 2 - 10 + d, 28, 12, Paper);  // label
  c.frame(x + w / 2 - 12 + d, y + h / 2 - 10 + d, 28, 12, Gold);
}

// A notebook standing on its spine on the lab shelf.
void StandingBook(Canvas& c, int x, int y, int w, int h, Rgb cover, bool pressed) {
  Rgb body = pressed ? Mix(cover, {255, 255, 255}, 0.35) : cover;
  c.rect(x, y, w, h, body);
  c.rect(x, y + 10, w, 3, Gold);
  c.rect(x, y + h - 14, w, 3, Gold);
  c.frame(x, y, w, h, Mix(body, Ink, 0.5));
}

void ClosedDoor(Canvas& c, int x, int y, int w, int h);

// The strip of the top row as it looks with every button pressed.
void TopRowPressed(Canvas& c) {
  c.rect(78, 0, 222, 62, {60, 44, 30});
  c.rect(78, 60, 222, 3, {40, 28, 18});
  c.rect(79, 0, 26, 60, {50, 34, 18});  // the manual's empty place
  auto sunk = [&](int x, int y, int w, int h, Rgb cap) {
    c.rect(x, y, w, h, SteelDark);
    c.rect(x + 1, y + 1, w - 2, h - 2, Steel);
    c.rect(x + 5, y + 5, w - 10, h - 10, Mix(cap, Ink, 0.25));
    c.bevel(x, y, w, h, SteelDark, {220, 226, 232});
  };
  sunk(106, 0, 32, 48, {40, 170, 60});
  c.rect(141, 0, 38, 48, Steel);
  c.frame(141, 0, 38, 48, SteelDark);
  sunk(185, 0, 48, 52, {204, 40, 30});
  sunk(232, 0, 20, 41, {60, 90, 200});
  c.rect(265, 0, 32, 51, Steel);
  c.rect(277, 30, 8, 16, SteelDark);
  c.rect(275, 38, 12, 8, {204, 40, 30});
}

void Ladder(Canvas& c, int x, int h) {
  Rgb wood{150, 100, 50};
  c.rect(x + 8, 0, 5, h, wood);
  c.rect(x + 38, 0, 5, h, wood);
  for (int y = 20; y < h; y += 34) c.rect(x + 8, y, 35, 4, Mix(wood, Ink, 0.2));
}

IndexedImage Lab(const Palette& p, bool pressed) {
  Canvas c(300, 400, p);
  c.gradient(0, 0, 300, 240, {120, 140, 160}, {90, 104, 120});   // the wall
  for (int x = 0; x < 300; x += 50) c.rect(x, 62, 1, 178, {80, 92, 106});
  c.rect(236, 74, 64, 122, {90, 60, 30});                        // shelf for the notebooks
  c.rect(236, 190, 64, 6, {60, 40, 20});
  c.wood(0, 240, 300, 160, 3);                                    // the bench
  c.rect(0, 240, 300, 4, {200, 150, 90});
  if (pressed) {
    c.rect(11, 0, 36, 126, {20, 16, 12});  // the open door
    c.rect(11, 0, 8, 126, {150, 100, 50});
  } else {
    ClosedDoor(c, 11, 0, 36, 126);
  }
  ClosedBook(c, 96, 170, 128, 80, BookRed, pressed);
  c.disc(40, 300, 14, {200, 220, 240});                          // glassware on the bench
  c.rect(36, 270, 8, 20, {200, 220, 240});
  TopRowPressed(c);
  return c.image();
}

void ClosedDoor(Canvas& c, int x, int y, int w, int h) {
  c.rect(x, y, w, h, {150, 100, 50});
  c.rect(x + 3, y + 3, w - 6, h - 6, {130, 84, 40});
  c.frame(x + 6, y + 8, w - 12, h / 2 - 14, {100, 64, 30});
  c.frame(x + 6, y + h / 2 + 4, w - 12, h / 2 - 14, {100, 64, 30});
  c.disc(x + w - 8, y + h / 2 + 6, 2.5, Gold);
}

IndexedImage Garden(const Palette& p, bool pressed) {
  Canvas c(300, 400, p);
  c.gradient(0, 0, 300, 200, {120, 180, 240}, {200, 230, 250});
  c.gradient(0, 200, 300, 200, {70, 160, 50}, {30, 100, 30});
  for (int i = 0; i < 40; ++i) {
    int x = (i * 73) % 300, y = 210 + (i * 37) % 180;
    c.thickLine(x, y, x + 3, y - 10, 2, {40, 130, 40});
  }
  c.disc(230, 150, 40, {50, 140, 50});  // a bush
  c.disc(200, 170, 30, {60, 150, 60});
  for (int i = 0; i < 6; ++i) c.disc(70 + i * 40, 330 - (i % 2) * 30, 5, i % 2 ? Rgb{255, 220, 60} : Rgb{240, 90, 120});
  Ladder(c, 0, 384);
  ClosedBook(c, 100, 214, 112, 82, BookRed, pressed);
  TopRowPressed(c);
  return c.image();
}

IndexedImage Bunker(const Palette& p, bool pressed) {
  Canvas c(300, 400, p);
  c.gradient(0, 0, 300, 400, {110, 110, 104}, {60, 60, 56});
  for (int y = 70; y < 400; y += 30)
    for (int x = (y / 30) % 2 * 25; x < 300; x += 50) c.frame(x, y, 50, 30, {80, 80, 76});
  c.disc(200, 110, 10, {255, 240, 170});
  c.rect(198, 62, 4, 40, Ink);
  Ladder(c, 0, 384);
  ClosedBook(c, 131, 206, 107, 74, {120, 40, 30}, pressed);
  TopRowPressed(c);
  return c.image();
}

IndexedImage Island(const Palette& p, bool pressed) {
  Canvas c(300, 400, p);
  c.gradient(0, 0, 300, 180, {90, 170, 240}, {180, 220, 250});
  c.gradient(0, 180, 300, 60, {30, 120, 200}, {60, 160, 210});
  c.gradient(0, 240, 300, 160, {240, 220, 160}, {210, 180, 120});
  c.thickLine(240, 250, 225, 130, 8, {140, 100, 60});  // a palm
  for (int k = 0; k < 5; ++k) c.thickLine(225, 130, 225 + 40 * std::cos(k * 1.2), 130 + 20 * std::sin(k * 1.2) - 5, 5, {40, 140, 50});
  Ladder(c, 0, 384);
  ClosedBook(c, 117, 241, 103, 74, {60, 120, 60}, pressed);
  TopRowPressed(c);
  return c.image();
}

IndexedImage Workshop(const Palette& p, bool pressed) {
  Canvas c(300, 400, p);
  c.wood(0, 0, 300, 260, 11);
  c.rect(0, 260, 300, 140, {90, 70, 50});
  c.rect(0, 255, 300, 6, {60, 44, 30});
  if (pressed)
    c.rect(0, 0, 53, 149, {20, 16, 12});  // the open door
  else
    ClosedDoor(c, 0, 0, 53, 149);
  c.thickLine(120, 110, 160, 150, 5, {150, 150, 160});   // tools on the wall
  c.rect(180, 100, 40, 8, {150, 150, 160});
  c.rect(215, 95, 10, 18, {120, 80, 40});
  ClosedBook(c, 82, 212, 138, 85, {60, 60, 150}, pressed);
  TopRowPressed(c);
  return c.image();
}

// The open notebook over the room: two pages, the text on the right one.
IndexedImage OpenBook(const Palette& p) {
  Canvas c(299, 334, p);
  c.rect(0, 0, 299, 334, BookRedDark);
  c.rect(4, 4, 291, 326, BookRed);
  c.rect(10, 8, 50, 318, {236, 230, 210});     // the left page, seen at its edge
  c.rect(58, 8, 3, 318, {180, 170, 150});
  c.rect(61, 8, 232, 318, Paper);              // the right page
  for (int y = 42; y < 310; y += 18) c.rect(61, y + 17, 232, 1, {200, 215, 240});
  c.rect(72, 8, 1, 318, {240, 170, 170});       // the margin line
  return c.image();
}

IndexedImage BookMark(const Palette& p) {
  Canvas c(47, 34, p, {0, 0, 0});
  c.rect(14, 0, 20, 28, {40, 120, 200});
  for (int i = 0; i < 10; ++i) c.rect(14 + i, 28 + i / 2, 20 - 2 * i, 1, {40, 120, 200});
  return c.image();
}

IndexedImage Corner(const Palette& p) {
  Canvas c(21, 13, p, Paper);
  for (int y = 0; y < 13; ++y) c.rect(21 - (y * 21) / 13, y, (y * 21) / 13, 1, {210, 200, 180});
  c.line(0, 0, 21, 13, {150, 140, 120});
  return c.image();
}

struct Cut {
  const char* name;
  int x, y, w, h;
};

// Writes a room's background (everything pressed) and its buttons cut from the same room
// with nothing pressed, so each button matches what lies around it.
void WriteRoom(AssetSink& sink, const char* name, IndexedImage (*room)(const Palette&, bool),
               std::initializer_list<Cut> cuts) {
  sink.WriteBmp(std::string("pics\\main\\") + name + ".bmp", room(sink.palette(), true));
  IndexedImage up = room(sink.palette(), false);
  for (const Cut& cut : cuts)
    sink.WriteBmp(std::string("pics\\main\\") + cut.name + ".bmp", up.crop(cut.x, cut.y, cut.w, cut.h));
}

void MakeRoomPictures(AssetSink& sink) {
  const Palette& p = sink.palette();
  WriteRoom(sink, "lab", Lab, {{"redbook", 96, 170, 128, 80}, {"door", 11, 0, 36, 126}});
  WriteRoom(sink, "garden", Garden, {{"redbook2", 100, 214, 112, 82}});
  WriteRoom(sink, "bunker", Bunker, {{"redbook4", 131, 206, 107, 74}});
  WriteRoom(sink, "island", Island, {{"redbook6", 117, 241, 103, 74}});
  WriteRoom(sink, "workshop", Workshop, {{"redbook5", 82, 212, 138, 85}, {"workdoor", 0, 0, 53, 149}});
  sink.WriteBmp("pics\\main\\openbook.bmp", OpenBook(p));
  sink.WriteBmp("pics\\main\\bookmark.bmp", BookMark(p));
  sink.WriteBmp("pics\\main\\corner.bmp", Corner(p));
  Canvas neuron(27, 105, p), neuronDown(27, 105, p), muscle(26, 105, p), muscleDown(26, 105, p);
  StandingBook(neuron, 0, 0, 27, 105, {200, 60, 40}, false);
  StandingBook(neuronDown, 0, 0, 27, 105, {200, 60, 40}, true);
  StandingBook(muscle, 0, 0, 26, 105, {40, 90, 170}, false);
  StandingBook(muscleDown, 0, 0, 26, 105, {40, 90, 170}, true);
  sink.WriteBmp("pics\\main\\redbook3a.bmp", neuron.image());
  sink.WriteBmp("pics\\main\\redbook3b.bmp", neuronDown.image());
  sink.WriteBmp("pics\\main\\redbook3c.bmp", muscle.image());
  sink.WriteBmp("pics\\main\\redbook3d.bmp", muscleDown.image());
}
}  // namespace

QUORBIT_ASSETS(room_pictures, MakeRoomPictures);

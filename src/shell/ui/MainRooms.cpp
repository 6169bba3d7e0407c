// The title screen, the sign and the five rooms with their press-and-release pictures.
#include <QMouseEvent>

#include <utility>

#include "shell/SignRules.h"
#include "shell/ui/MainForm.h"

namespace {
bool StrictlyInside(QPoint p, QRect r) {
  return p.x() > r.left() && p.x() < r.left() + r.width() && p.y() > r.top() && p.y() < r.top() + r.height();
}
bool StrictlyInsideLocal(QPoint p, QSize s) { return p.x() > 0 && p.x() < s.width() && p.y() > 0 && p.y() < s.height(); }
}  // namespace

void TMainForm::BuildTitle() {
  TitlePic = new PictureBox(this, {52, 30, 196, 95}, LoadPicture(MainPicturePath("title.bmp")));
  SignPic = new PictureBox(this, {50, 167, 200, 200}, LoadPicture(MainPicturePath("sign.bmp")));
  VersionLabel = new QLabel(QString("Quorbit %1 \u2014 draw a brain, watch it live").arg(QUORBIT_VERSION), this);
  VersionLabel->setGeometry(32, 382, 236, 26);
  VersionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  VersionLabel->setWordWrap(true);
  VersionLabel->setStyleSheet("color: silver; font-size: 10px;");
  TitlePic->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) SetDesignGeometry(TitlePic, {54, 32, 192, 91});
  };
  TitlePic->onRelease = [this](QMouseEvent* e) {
    SetDesignGeometry(TitlePic, {52, 30, 196, 95});
    QPoint p = e->pos();
    if (e->button() == Qt::LeftButton && p.x() >= 0 && p.y() >= 0 && p.x() <= TitlePic->width() &&
        p.y() <= TitlePic->height())
      OpenAccessDialog();
  };
  const char* names[] = {"labon.bmp", "bugon.bmp", "workon.bmp", "wormon.bmp", "anton.bmp", "helpon.bmp"};
  SignPic->setMouseTracking(true);
  SignPic->onMove = [this](QMouseEvent* e) { SignMouseMove(DesignPoint(SignPic->mapTo(this, e->pos()))); };
  for (int i = 0; i < SignHighlights; ++i) {
    QRect r(SignHighlightLeft[i], SignHighlightTop[i], SignHighlightWidth[i], SignHighlightHeight[i]);
    SignOn[i] = new PictureBox(this, r, LoadPicture(MainPicturePath(names[i])));
    SignOn[i]->setMouseTracking(true);
    SignOn[i]->hide();
    SignOn[i]->onMove = [this, i](QMouseEvent* e) { SignMouseMove(DesignPoint(SignOn[i]->mapTo(this, e->pos()))); };
    SignOn[i]->onPress = [this, i](QMouseEvent*) { SignPress(i); };
  }
}

void TMainForm::SignMouseMove(QPoint p) {
  int lit = SignHighlightAt(p.x(), p.y(), shell_.Progress);
  for (int i = 0; i < SignHighlights; ++i) SignOn[i]->setVisible(i == lit);
}

void TMainForm::SignPress(int highlight) {
  if (highlight == HelpOn) {
    SignOn[HelpOn]->hide();
    OpenManual(-1);
    return;
  }
  static const Room rooms[] = {Room::Lab, Room::LadyBugWorld, Room::Workshop, Room::Bunker, Room::Island};
  ShowTitle(false);
  ShowRoom(rooms[highlight], true);
  if (brainWindow) brainWindow->show();
}

void TMainForm::BuildRooms() {
  auto background = [this](const char* name) {
    auto* pic = new PictureBox(this, {0, 0, 300, 400});
    LoadLater(pic, name, {300, 400});
    pic->onRelease = [this, pic](QMouseEvent* e) { ReleaseOnRoom(e, pic); };
    return pic;
  };
  LabPic = background("lab.bmp");
  LadyBugPic = background("garden.bmp");
  BunkerPic = background("bunker.bmp");
  AntPic = background("island.bmp");
  WorkshopPic = background("workshop.bmp");
  auto picture = [this](QRect box, const char* name, const char* hint = "") {
    auto* pic = new PictureBox(this, box, QImage(), hint);
    LoadLater(pic, name, box.size());
    return pic;
  };
  RedBookPic = picture({96, 170, 128, 80}, "redbook.bmp", "Open lab notebook");
  RedBook3aPic = picture({246, 85, 27, 105}, "redbook3a.bmp", "Neuron notebook");
  LoadLater(RedBook3aPic, "redbook3b.bmp", QSize(16, 16), true);
  RedBook3cPic = picture({274, 85, 26, 105}, "redbook3c.bmp", "Muscle notebook");
  LoadLater(RedBook3cPic, "redbook3d.bmp", QSize(16, 16), true);
  RedBook2Pic = picture({100, 214, 112, 82}, "redbook2.bmp");
  RedBook4Pic = picture({131, 206, 107, 74}, "redbook4.bmp");
  RedBook5Pic = picture({82, 212, 138, 85}, "redbook5.bmp");
  RedBook6Pic = picture({117, 241, 103, 74}, "redbook6.bmp");
  DoorPic = picture({11, 0, 36, 126}, "door.bmp", "Exit lab");
  WorkDoorPic = picture({0, 0, 53, 149}, "workdoor.bmp", "Exit Workshop");
  LadderBox = new PictureBox(this, {0, 0, 53, 384});
  LadderBox->onRelease = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && StrictlyInsideLocal(e->pos(), LadderBox->size())) ExitRoom();
  };
  PressAndRelease(RedBookPic, [this] {
    RoomNotebookClicked(shell_.Progress < 400 ? 1 : shell_.Progress < 600 ? 4 : 6);
  });
  PressAndRelease(RedBook3aPic, [this] { RoomNotebookClicked(1); }, RedBook3aPic);
  PressAndRelease(RedBook3cPic, [this] { RoomNotebookClicked(4); }, RedBook3cPic);
  PressAndRelease(RedBook2Pic, [this] { RoomNotebookClicked(2); });
  PressAndRelease(RedBook4Pic, [this] { RoomNotebookClicked(5); });
  PressAndRelease(RedBook5Pic, [this] { RoomNotebookClicked(3); });
  PressAndRelease(RedBook6Pic, [this] { RoomNotebookClicked(7); });
  PressAndRelease(DoorPic, [this] { ExitRoom(); });
  PressAndRelease(WorkDoorPic, [this] { ExitRoom(); });
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->hide();
}

void TMainForm::LoadLater(PictureBox* box, const char* name, QSize fallback, bool overlay) {
  pendingPictures_.push_back([box, name, fallback, overlay] {
    QImage image = LoadPicture(MainPicturePath(name), overlay ? QSize(16, 16) : fallback);
    if (overlay) box->setOverlay(image);
    else box->setPicture(image);
  });
}

void TMainForm::LoadPendingPictures() {
  for (auto& load : std::exchange(pendingPictures_, {})) load();
}

// Only the left button counts; the act happens on a release strictly inside.
void TMainForm::PressAndRelease(PictureBox* picture, std::function<void()> act, PictureBox*) {
  auto pressed = std::make_shared<bool>(false);
  picture->onPress = [picture, pressed](QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    *pressed = true;
    picture->setPressedLook(true);
  };
  picture->onMove = [picture, pressed](QMouseEvent* e) {
    if (*pressed) picture->setPressedLook(StrictlyInsideLocal(e->pos(), picture->size()));
  };
  picture->onRelease = [picture, pressed, act](QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !*pressed) return;
    *pressed = false;
    picture->setPressedLook(false);
    if (StrictlyInsideLocal(e->pos(), picture->size())) act();
  };
}

// A pressed (hidden) top button comes up by a release on the room over its place.
void TMainForm::ReleaseOnRoom(QMouseEvent* e, QWidget* room) {
  QPoint p = room->mapTo(this, e->pos());
  if (RunButtonPic->isHidden() && StrictlyInside(p, RunButtonPic->geometry())) {
    shell_.StopRunning();
  } else if (TestButtonPic->isHidden() && StrictlyInside(p, TestButtonPic->geometry())) {
    shell_.ResetExperiment();
  } else if (SoundPic->isHidden() && StrictlyInside(p, SoundPic->geometry())) {
    SoundPic->show();
    shell_.sound.soundOn = true;
    if (shell_.world) shell_.world->SetSoundsOn(true);
  }
}

void TMainForm::RoomNotebookClicked(int book) { progression_.ShowBook(book); }

void TMainForm::ExitRoom() {
  if (shell_.CurrentBook != 0) {
    progression_.ShowBook(0);
    return;
  }
  Room room = ShownRoom();
  if (room != Room::None) ShowRoom(room, false);
  ShowTitle(true);
}

void TMainForm::ShowTitle(bool visible) {
  TitlePic->setVisible(visible);
  SignPic->setVisible(visible);
  VersionLabel->setVisible(visible);
  for (PictureBox* highlight : SignOn) highlight->hide();
  LedPic->hide();
  if (!visible) PlaceWindowsOnce();
}

PictureBox* TMainForm::RoomBackground(Room room) const {
  switch (room) {
    case Room::Lab: return LabPic;
    case Room::LadyBugWorld: return LadyBugPic;
    case Room::Workshop: return WorkshopPic;
    case Room::Bunker: return BunkerPic;
    case Room::Island: return AntPic;
    default: return nullptr;
  }
}

PictureBox* TMainForm::RoomExit(Room room) const {
  return room == Room::Lab ? DoorPic : room == Room::Workshop ? WorkDoorPic : LadderBox;
}

QString TMainForm::RoomExitHint(Room room, bool afterClosing) const {
  switch (room) {
    case Room::Lab: return "Exit lab";
    case Room::LadyBugWorld: return "Exit ladyBug world";
    case Room::Workshop: return afterClosing ? "Exit workshop" : "Exit Workshop";
    case Room::Bunker: return "Exit bunker";
    default: return "Exit island";
  }
}

void TMainForm::ShowRoomNotebooks(Room room, bool visible) {
  switch (room) {
    case Room::Lab:
      RedBookPic->setVisible(visible);
      RedBook3aPic->setVisible(visible && shell_.Progress >= 400);
      RedBook3cPic->setVisible(visible && shell_.Progress >= 600);
      break;
    case Room::LadyBugWorld: RedBook2Pic->setVisible(visible); break;
    case Room::Workshop: RedBook5Pic->setVisible(visible); break;
    case Room::Bunker: RedBook4Pic->setVisible(visible); break;
    case Room::Island: RedBook6Pic->setVisible(visible); break;
    default: break;
  }
}

void TMainForm::ShowRoom(Room room, bool visible) {
  LoadPendingPictures();
  PictureBox* background = RoomBackground(room);
  if (!background) return;
  background->setVisible(visible);
  ShowRoomNotebooks(room, visible);
  PictureBox* exit = RoomExit(room);
  exit->setVisible(visible);
  for (QWidget* w : std::initializer_list<QWidget*>{ResetButtonPic, TestButtonPic, RunButtonPic, TimerPic})
    w->setVisible(visible);
  LedPic->hide();
  ManualPic->setVisible(visible && !manualOpen_);
  ManualOutPic->setVisible(visible && !manualOpen_);
  if (visible) exit->setToolTip(RoomExitHint(room, false));
  SoundPic->setVisible(visible && shell_.sound.soundOn);
  // Keep the room behind its pictures and the book above them.
  background->lower();
}

Room TMainForm::ShownRoom() {
  for (Room r : {Room::Lab, Room::LadyBugWorld, Room::Workshop, Room::Bunker, Room::Island})
    if (RoomBackground(r)->isVisible()) return r;
  return Room::None;
}

void TMainForm::OpenManual(int page) {
  manualOpen_ = true;
  ManualPic->hide();
  ManualOutPic->hide();
  if (showManual) showManual(page);
}

void TMainForm::ManualClosed() {
  manualOpen_ = false;
  if (ShownRoom() != Room::None) {
    ManualPic->show();
    ManualOutPic->show();
  }
}

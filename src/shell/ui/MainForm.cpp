#include "shell/ui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <utility>

#include "bodies/PaletteFile.h"
#include "platform/Files.h"
#include "world/ui/Testwnd.h"

QString MainPicturePath(const char* name) {
  return QString::fromStdString(NativePath(std::string("pics\\main\\") + name));
}

namespace {
QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }
}  // namespace

TMainForm::TMainForm(Host host, const QString& executableFolder)
    : host_(host), shell_(host.sound), progression_(shell_, host) {
  setWindowTitle("Quorbit");
  // A fixed window: system menu and minimise, no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(300, 400);
  setAutoFillBackground(true);
  QPalette black = QWidget::palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  settingsPath_ = LocateSettingsFile(executableFolder.toStdString());
  if (!shell_.Settings.Load(settingsPath_)) {
    host_.Message("Couldn't read the settings file " + settingsPath_, "Fatal Error", MessageIcon::Error);
    startedOk_ = false;
  }
  shell_.ReadStartSettings();
  if (auto palette = LoadPalette("quorbit.pal")) {
    palette_ = *palette;
  } else {
    host_.Message("Palette creation error", "Fatal Error", MessageIcon::Error);
    startedOk_ = false;
    return;
  }
  // Without its notebook the program has no pages to lead the learner by.
  const auto notebook = ReadFileText("RedBook.pgs");
  if (!notebook) {
    host_.Message("Couldn't read the notebook file RedBook.pgs", "Fatal Error", MessageIcon::Error);
    startedOk_ = false;
    return;
  }
  shell_.pages.Build(*notebook);
  shell_.LoadSounds();
  CreateWorldWindow();
  shell_.view = this;
  shell_.pagePlay = &progression_;
  progression_.rooms = this;

  Timer.setInterval(50);
  connect(&Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
  BuildRooms();
  BuildTopRow();
  BuildBook();
  BuildTitle();
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

TMainForm::~TMainForm() {
  Timer.stop();
  if (!startedOk_) return;
  shell_.WriteEndSettings(TitlePic && TitlePic->isVisible());
  if (!shell_.Settings.Save(settingsPath_))
    host_.Message("Couldn't write the settings file " + settingsPath_, "Program Error", MessageIcon::Error);
  shell_.sound.StopAll();
  shell_.world = nullptr;
  if (world_) world_->programEnding = true;
  world_.reset();
}

// The world window belongs to the main window; the world steps only while a page has
// loaded something into it.
void TMainForm::CreateWorldWindow() {
  WorldPorts ports;
  ports.sound = &worldSound_;
  worldMovies_ = std::make_unique<WorldMovies>(host_.messages, host_.text, host_.sound);
  ports.movies = worldMovies_.get();
  world_ = std::make_unique<TTestWorld>(host_, palette_, ports);
  worldMovies_->Attach(&world_->world());
  world_->onResetExperiment = [this] { shell_.ResetExperiment(); };
  world_->onQuit = [this] { EndProgram(); };
  world_->mayQuit = [this] { return EditorLetsQuit(); };
  // The monitor strip mirrors the top row: test, reset, and run or (while running) stop.
  world_->monitorShell.press = [this](MonitorZone zone) {
    if (zone == MonitorZone::Test) shell_.StartTest();
    else if (zone == MonitorZone::Reset) shell_.ResetExperiment();
    else if (zone == MonitorZone::Run && !shell_.Running) shell_.RunWorld();
    else if (zone == MonitorZone::Run) shell_.StopRunning();
  };
  world_->monitorShell.worldRunning = [this] { return shell_.Running; };
  world_->monitorShell.testRunning = [this] { return shell_.Testing; };
  world_->monitorShell.testValues = [this](int& duration, int& goal, int& remaining) {
    duration = shell_.TestDuration, goal = shell_.TestTarget, remaining = shell_.TestRemaining;
  };
  worldWindow = world_.get();
  shell_.world = &world_->world();
  shell_.world->SetMonitorMode(shell_.MonitorMode);
}

void TMainForm::BuildTopRow() {
  ManualOutPic = new PictureBox(this, {79, 0, 26, 60}, LoadPicture(MainPicturePath("manualout.bmp")));
  ManualPic = new PictureBox(this, {78, 0, 27, 60}, LoadPicture(MainPicturePath("manual.bmp")), "Help manual");
  PressAndRelease(ManualPic, [this] { OpenManual(-1); });
  TestButtonPic = new PictureBox(this, {106, 0, 32, 48}, LoadPicture(MainPicturePath("testbutton.bmp")), "Start test");
  TestButtonPic->onPress = [this](QMouseEvent*) { shell_.StartTest(); };
  dialFrames_ = LoadPicture(MainPicturePath("timerall.bmp"), {128, 210});
  TimerPic = new PictureBox(this, {142, 8, 32, 35});
  TimerPic->onPaint = [this](QPainter& p) { PaintDial(p); };
  ledFace_ = LoadPicture(MainPicturePath("led.bmp"), {38, 48});
  ledBuffer_ = ledFace_.copy();
  LedPic = new PictureBox(this, {141, 0, 38, 48});
  LedPic->onPaint = [this](QPainter& p) { p.drawImage(LedPic->rect(), ledBuffer_); };
  RunButtonPic = new PictureBox(this, {185, 0, 48, 52}, LoadPicture(MainPicturePath("runbutton.bmp")), "Run world");
  RunButtonPic->onRelease = [this](QMouseEvent* e) {
    if (RunButtonPic->rect().contains(e->pos())) shell_.RunWorld();
  };
  ResetButtonPic = new PictureBox(this, {232, 0, 20, 41}, LoadPicture(MainPicturePath("resetbutton.bmp")), "Reset world");
  ResetButtonPic->onPress = [this](QMouseEvent*) {
    ResetButtonPic->hide();
    shell_.ResetExperiment();
  };
  ResetButtonPic->onRelease = [this](QMouseEvent*) { ResetButtonPic->show(); };
  SoundPic = new PictureBox(this, {265, 0, 32, 51}, LoadPicture(MainPicturePath("soundon.bmp")), "Sound off");
  SoundPic->onRelease = [this](QMouseEvent* e) {
    if (!SoundPic->rect().contains(e->pos())) return;
    SoundPic->hide();
    shell_.sound.soundOn = false;
    if (shell_.world) shell_.world->SetSoundsOn(false);
  };
  for (QWidget* w : std::initializer_list<QWidget*>{ManualOutPic, ManualPic, TestButtonPic, TimerPic, LedPic,
                                                    RunButtonPic, ResetButtonPic, SoundPic})
    w->hide();
}

void TMainForm::PaintDial(QPainter& p) {
  if (shell_.TestType != DialTest) return;
  int f = shell_.CurrentDialFrame();
  shell_.DialFrame = f;
  p.drawImage(TimerPic->rect(), dialFrames_, QRect(32 * (f % 4), 35 * (f / 4), 32, 35));
}

void TMainForm::paintEvent(QPaintEvent* e) {
  QWidget::paintEvent(e);
  if (FirstPaint) {
    FirstPaint = false;
    QTimer::singleShot(0, this, [this] { FirstPaintRestore(); });
  }
}

void TMainForm::FirstPaintRestore() {
  if (afterFirstPaint) std::exchange(afterFirstPaint, nullptr)();
  LoadPendingPictures();
  int book = shell_.Settings.ReadSetting("OpenBook");
  int page = shell_.Settings.ReadSetting("OpenPage");
  if (book > 0) {
    ShowTitle(false);
    if (book <= 7) {
      Room room = Progression::RoomOfBook(book);
      if (book == 3) page = 1;
      ShowRoom(room, true);
    }
    if (brainWindow) brainWindow->show();
    if (page > 0) {
      progression_.ShowBook(book);
      progression_.ShowPage(page);
    }
  }
  Timer.start();
}

void TMainForm::TimerTimer() {
  try {
    shell_.TimerTick();
  } catch (const std::exception& error) {
    Timer.stop();
    host_.Message(MainShell::TickErrorText(error.what()), "Program Error", MessageIcon::Exclamation);
  } catch (...) {
    Timer.stop();
    host_.Message(MainShell::TickErrorText("Unknown error"), "Program Error", MessageIcon::Exclamation);
  }
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (!ending_) {
    Answer a = host_.messages ? host_.messages->AskYesNo("Do you want to quit Quorbit?", "Confirm") : Answer::Yes;
    if (a != Answer::Yes || !EditorLetsQuit()) {
      e->ignore();
      return;
    }
  }
  e->accept();
  EndProgram();
}

bool TMainForm::EditorLetsQuit() {
  IEditorGate* editor = progression_.editor;
  if (ending_ || !editor || !editor->Exists() || !editor->HasUnsavedChanges()) return true;
  const Answer a =
      host_.messages ? host_.messages->AskYesNoCancel("Do you want to save the changes?", "World Changed") : Answer::No;
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes && !editor->Save()) return false;
  editor->ForgetChanges();
  return true;
}

void TMainForm::EndOnRequest() {
  if (endAsked_) return;  // a second request while the question is open
  endAsked_ = true;
  const bool letGo = EditorLetsQuit();
  endAsked_ = false;
  if (letGo) EndProgram();
}

void TMainForm::EndProgram() {
  if (ending_) return;
  ending_ = true;
  RecordLearnerSizes(true);  // while the windows still stand
  if (world_) world_->programEnding = true;
  if (onEnding) onEnding();
  // Not quit(): that asks every window to close, and a window that refuses would leave
  // the program running without its main window. The questions were asked before here.
  QCoreApplication::exit(0);
}

void TMainForm::SetTimerInterval(int ms) {
  Timer.setInterval(ms);
  shell_.sound.timerInterval = ms;
}

void TMainForm::ScaleDisplay(int percent) {
  askedScale_ = std::clamp(percent, MinScalePercent, MaxScalePercent);
  ApplyScale(askedScale_);
  // A larger main window may now reach over the others.
  if (WindowsPlaced) PlaceWindows();
}

void TMainForm::ApplyScale(int percent) {
  scalePercent_ = percent;
  shell_.FontScale = static_cast<float>(percent) / 100.0f;
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    // Every control was made at 100 %: its place then is its place in the design.
    if (!child->property(DesignRectProperty).isValid()) child->setProperty(DesignRectProperty, child->geometry());
    child->setGeometry(Scaled(child->property(DesignRectProperty).toRect()));
  }
  QFont number = PageNumLabel->font();
  number.setPixelSize(std::max(1, 16 * percent / 100));
  PageNumLabel->setFont(number);
  VersionLabel->setStyleSheet(QString("color: silver; font-size: %1px;").arg(std::max(1, 10 * percent / 100)));
  setFixedSize(Scaled(QRect(0, 0, 300, 400)).size());
}

QRect TMainForm::Scaled(QRect design) const {
  auto s = [this](int v) { return v * scalePercent_ / 100; };
  const int left = s(design.x()), top = s(design.y());
  return QRect(left, top, s(design.x() + design.width()) - left, s(design.y() + design.height()) - top);
}

QPoint TMainForm::DesignPoint(QPoint windowPoint) const {
  return QPoint(windowPoint.x() * 100 / scalePercent_, windowPoint.y() * 100 / scalePercent_);
}

void TMainForm::SetDesignGeometry(QWidget* w, QRect design) {
  w->setProperty(DesignRectProperty, design);
  w->setGeometry(Scaled(design));
}

void TMainForm::ShowTestButton(bool shown) { TestButtonPic->setVisible(shown); }
void TMainForm::ShowRunButton(bool shown) { RunButtonPic->setVisible(shown); }

void TMainForm::ShowLedNotDial(bool led) {
  bool inRoom = ShownRoom() != Room::None;
  LedPic->setVisible(led && inRoom);
  TimerPic->setVisible(!led && inRoom);
}

void TMainForm::DrawLedLines(const std::vector<LedLine>& lines) {
  QPainter p(&ledBuffer_);
  for (const LedLine& l : lines) {
    p.setPen(ToColor(l.colour));
    // The end point itself is not drawn.
    int dx = (l.x1 > l.x0) - (l.x1 < l.x0), dy = (l.y1 > l.y0) - (l.y1 < l.y0);
    p.drawLine(l.x0, l.y0, l.x1 - dx, l.y1 - dy);
  }
  LedPic->update();
}

void TMainForm::InvalidateLed() {
  ledBuffer_ = ledFace_.copy();
  shell_.led.Invalidate();
  LedPic->update();
}

void TMainForm::InvalidateDial() { TimerPic->update(); }
void TMainForm::RepaintDialNow() { TimerPic->repaint(); }
void TMainForm::ShowCorner() { CornerPic->show(); }
void TMainForm::SetPageNumberBlack() {
  pageNumberColour_ = Qt::black;
  PageNumLabel->setStyleSheet("color: black; background: transparent;");
}
bool TMainForm::BookShown() { return BookPic->isVisible(); }

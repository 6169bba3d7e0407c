#include "shell/ui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cstdlib>
#include <exception>

#include "bodies/PaletteFile.h"
#include "platform/Files.h"
#include "shell/SignRules.h"

namespace {
QString PicturePath(const char* name) { return QString::fromStdString(NativePath(std::string("pics\\main\\") + name)); }

bool StrictlyInside(QPoint p, QRect r) {
  return p.x() > r.left() && p.x() < r.left() + r.width() && p.y() > r.top() && p.y() < r.top() + r.height();
}

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }
}  // namespace

TMainForm::TMainForm(Host host, const QString& executableFolder) : host_(host), shell_(host.sound) {
  setWindowTitle("Quorbit");
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
  shell_.pages.Build(ReadFileText("RedBook.pgs").value_or(std::string()));
  shell_.LoadSounds();
  shell_.view = this;

  Timer.setInterval(50);
  connect(&Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
  BuildComponents();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

TMainForm::~TMainForm() {
  Timer.stop();
  if (!startedOk_) return;
  shell_.WriteEndSettings(TitlePic && TitlePic->isVisible());
  if (!shell_.Settings.Save(settingsPath_))
    host_.Message("Couldn't write the settings file " + settingsPath_, "Program Error", MessageIcon::Error);
  shell_.sound.StopAll();
}

void TMainForm::BuildComponents() {
  TitlePic = new PictureBox(this, {52, 30, 196, 95}, LoadPicture(PicturePath("title.bmp")));
  SignPic = new PictureBox(this, {50, 167, 200, 200}, LoadPicture(PicturePath("sign.bmp")));
  VersionLabel = new QLabel(QString("Quorbit %1 \u2014 draw a brain, watch it live").arg(QUORBIT_VERSION), this);
  VersionLabel->setGeometry(32, 382, 236, 26);
  VersionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  VersionLabel->setWordWrap(true);
  VersionLabel->setStyleSheet("color: silver; font-size: 10px;");
  TitlePic->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) TitlePic->setGeometry(54, 32, 192, 91);
  };
  TitlePic->onRelease = [this](QMouseEvent*) { TitlePic->setGeometry(52, 30, 196, 95); };
  BuildTopRow();
  ShowTopRow(false);
  BuildSign();
}

void TMainForm::BuildSign() {
  const char* names[] = {"labon.bmp", "bugon.bmp", "workon.bmp", "wormon.bmp", "anton.bmp", "helpon.bmp"};
  SignPic->setMouseTracking(true);
  SignPic->onMove = [this](QMouseEvent* e) { SignMouseMove(SignPic->mapTo(this, e->pos())); };
  for (int i = 0; i < SignHighlights; ++i) {
    QRect r(SignHighlightLeft[i], SignHighlightTop[i], SignHighlightWidth[i], SignHighlightHeight[i]);
    SignOn[i] = new PictureBox(this, r, LoadPicture(PicturePath(names[i])));
    SignOn[i]->setMouseTracking(true);
    SignOn[i]->hide();
    SignOn[i]->onMove = [this, i](QMouseEvent* e) { SignMouseMove(SignOn[i]->mapTo(this, e->pos())); };
    SignOn[i]->onPress = [this, i](QMouseEvent*) {
      if (i == LabOn) EnterRoom();
    };
  }
}

void TMainForm::SignMouseMove(QPoint p) {
  int lit = SignHighlightAt(p.x(), p.y(), shell_.Progress);
  for (int i = 0; i < SignHighlights; ++i) SignOn[i]->setVisible(i == lit);
}

// The rooms are still to come: entering shows the bench with the top row.
void TMainForm::EnterRoom() {
  ShowTitle(false);
  ShowTopRow(true);
}

void TMainForm::ShowTopRow(bool visible) {
  for (QWidget* w : {static_cast<QWidget*>(BenchPic), static_cast<QWidget*>(ManualOutPic),
                     static_cast<QWidget*>(ManualPic), static_cast<QWidget*>(TestButtonPic),
                     static_cast<QWidget*>(TimerPic), static_cast<QWidget*>(RunButtonPic),
                     static_cast<QWidget*>(ResetButtonPic)})
    w->setVisible(visible);
  SoundPic->setVisible(visible && shell_.sound.soundOn);
}

void TMainForm::BuildTopRow() {
  BenchPic = new PictureBox(this, {78, 0, 222, 60});
  BenchPic->onPaint = [this](QPainter& p) {
    p.fillRect(BenchPic->rect(), QColor(60, 44, 30));
    auto pressed = [&](const char* name, QRect r) { p.drawImage(r.translated(-78, 0), LoadPicture(PicturePath(name))); };
    pressed("testbuttondown.bmp", {106, 0, 32, 48});
    pressed("runbuttondown.bmp", {185, 0, 48, 52});
    pressed("resetbuttondown.bmp", {232, 0, 20, 41});
    pressed("soundoff.bmp", {265, 0, 32, 51});
  };
  BenchPic->onRelease = [this](QMouseEvent* e) { ReleaseOnRoom(e, BenchPic); };
  ManualOutPic = new PictureBox(this, {79, 0, 26, 60}, LoadPicture(PicturePath("manualout.bmp")));
  ManualPic = new PictureBox(this, {78, 0, 27, 60}, LoadPicture(PicturePath("manual.bmp")), "Help manual");
  TestButtonPic = new PictureBox(this, {106, 0, 32, 48}, LoadPicture(PicturePath("testbutton.bmp")), "Start test");
  TestButtonPic->onPress = [this](QMouseEvent*) { shell_.StartTest(); };
  dialFrames_ = LoadPicture(PicturePath("timerall.bmp"), {128, 210});
  TimerPic = new PictureBox(this, {142, 8, 32, 35});
  TimerPic->onPaint = [this](QPainter& p) { PaintDial(p); };
  ledFace_ = LoadPicture(PicturePath("led.bmp"), {38, 48});
  ledBuffer_ = ledFace_.copy();
  LedPic = new PictureBox(this, {141, 0, 38, 48});
  LedPic->onPaint = [this](QPainter& p) { p.drawImage(0, 0, ledBuffer_); };
  LedPic->hide();
  RunButtonPic = new PictureBox(this, {185, 0, 48, 52}, LoadPicture(PicturePath("runbutton.bmp")), "Run world");
  RunButtonPic->onRelease = [this](QMouseEvent* e) {
    if (RunButtonPic->rect().contains(e->pos())) shell_.RunWorld();
  };
  ResetButtonPic = new PictureBox(this, {232, 0, 20, 41}, LoadPicture(PicturePath("resetbutton.bmp")), "Reset world");
  ResetButtonPic->onPress = [this](QMouseEvent*) {
    ResetButtonPic->hide();
    shell_.ResetExperiment();
  };
  ResetButtonPic->onRelease = [this](QMouseEvent*) { ResetButtonPic->show(); };
  SoundPic = new PictureBox(this, {265, 0, 32, 51}, LoadPicture(PicturePath("soundon.bmp")), "Sound off");
  SoundPic->onRelease = [this](QMouseEvent* e) {
    if (!SoundPic->rect().contains(e->pos())) return;
    SoundPic->hide();
    shell_.sound.soundOn = false;
    if (shell_.world) shell_.world->SetSoundsOn(false);
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
  int book = shell_.Settings.ReadSetting("OpenBook");
  if (book > 0) EnterRoom();
  Timer.start();
}

void TMainForm::ShowTitle(bool visible) {
  TitlePic->setVisible(visible);
  SignPic->setVisible(visible);
  VersionLabel->setVisible(visible);
  for (PictureBox* highlight : SignOn)
    if (highlight) highlight->hide();
  LedPic->hide();
  WindowsPlaced = WindowsPlaced || !visible;
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
    if (a != Answer::Yes) {
      e->ignore();
      return;
    }
  }
  e->accept();
  EndProgram();
}

void TMainForm::EndProgram() {
  if (ending_) return;
  ending_ = true;
  QApplication::quit();
}

void TMainForm::SetTimerInterval(int ms) {
  Timer.setInterval(ms);
  shell_.sound.timerInterval = ms;
}

void TMainForm::ScaleDisplay(int percent) {
  shell_.FontScale *= percent / 100.0f;
  auto scale = [percent](int v) { return v * percent / 100; };
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    QRect g = child->geometry();
    child->setGeometry(scale(g.x()), scale(g.y()), scale(g.width()), scale(g.height()));
  }
  setFixedSize(scale(width()), scale(height()));
}

void TMainForm::ShowTestButton(bool shown) { TestButtonPic->setVisible(shown); }
void TMainForm::ShowRunButton(bool shown) { RunButtonPic->setVisible(shown); }

void TMainForm::ShowLedNotDial(bool led) {
  LedPic->setVisible(led);
  TimerPic->setVisible(!led);
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
void TMainForm::ShowCorner() {}
void TMainForm::SetPageNumberBlack() {}
bool TMainForm::BookShown() { return false; }

#include "shell/ui/Manual.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/qt/QtImage.h"

namespace {
QString WindowPicture(const char* name) { return QString::fromStdString(NativePath(std::string("manual\\") + name)); }

// A page-turning cursor from its generated picture; magenta is see-through.
QCursor PageCursor(const char* name, Qt::CursorShape fallback) {
  auto image = LoadBmp(NativePath(std::string("manual\\") + name));
  if (!image) return QCursor(fallback);
  QPixmap pixmap = QPixmap::fromImage(ToQImage(*image));
  pixmap.setMask(pixmap.createMaskFromColor(QColor(255, 0, 255)));
  return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}

QColor RunColour(uint32_t rgb) { return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff); }
}  // namespace

QFont QtManualMetrics::Font(int size, bool bold, bool underline) const {
  QFont font(family_);
  font.setPointSize(size);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

const QFontMetrics& QtManualMetrics::Metrics(int size, bool bold) const {
  auto& slot = cache_[{size, bold}];
  if (!slot) slot = std::make_unique<QFontMetrics>(Font(size, bold));
  return *slot;
}

int QtManualMetrics::TextWidth(const std::string& text, int size, bool bold) const {
  return Metrics(size, bold).horizontalAdvance(QString::fromUtf8(text));
}

int QtManualMetrics::ZeroHeight(int size, bool bold) const { return Metrics(size, bold).height(); }

int QtManualMetrics::Ascent(int size, bool bold) const { return Metrics(size, bold).ascent(); }

THelpForm::THelpForm(Host host, std::function<int()> progress, QWidget* parent)
    : QWidget(parent), host_(host), progress_(std::move(progress)), pages_(ManualPages::Load("manual/manual.pgs")) {
  setWindowTitle("Manual");
  // The window's outer 328 x 427 holds a 320 x 400 client that the page pictures fill.
  setFixedSize(320, 400);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  NextCursor = PageCursor("nextcursor.bmp", Qt::PointingHandCursor);
  PrevCursor = PageCursor("prevcursor.bmp", Qt::PointingHandCursor);
  BuildComponents();
}

void THelpForm::BuildComponents() {
  TopPagePic = new PictureBox(this, {0, 0, 300, 40}, LoadPicture(WindowPicture("toppage.bmp")));
  BottomPagePic = new PictureBox(this, {0, 388, 300, 12}, LoadPicture(WindowPicture("bottompage.bmp")));
  LeftPagePic = new PictureBox(this, {0, 0, 41, 400}, LoadPicture(WindowPicture("leftpage.bmp")), "Back");
  RightPagePic = new PictureBox(this, {292, 0, 25, 400}, LoadPicture(WindowPicture("rightpage.bmp")), "Next page");
  ContTabPic = new PictureBox(this, {48, 7, 92, 24}, LoadPicture(WindowPicture("conttab.bmp")), "Contents page");
  HintTabPic = new PictureBox(this, {143, 3, 70, 24}, LoadPicture(WindowPicture("hinttab.bmp")), "Hints page");
  IndexTabPic = new PictureBox(this, {217, 1, 69, 22}, LoadPicture(WindowPicture("indextab.bmp")), "Index page");
  LeftPagePic->onClick = [this] { LeftPagePicClick(); };
  RightPagePic->onClick = [this] { RightPagePicClick(); };
  ContTabPic->onClick = [this] { GoToPage(0, true); };
  HintTabPic->onClick = [this] { GoToPage(3000, true); };
  IndexTabPic->onClick = [this] { GoToPage(4000, true); };

  PagePanel = new PictureBox(this, {41, 40, 251, 348});
  QPalette white = PagePanel->palette();
  white.setColor(QPalette::Window, Qt::white);
  PagePanel->setPalette(white);
  PagePanel->setAutoFillBackground(true);
  PageBox = new PictureBox(PagePanel, {9, 0, 242, 341});
  PageBox->setMouseTracking(true);
  PageBox->onPaint = [this](QPainter& p) { PageBoxPaint(p); };
  PageBox->onMove = [this](QMouseEvent* e) { PageBoxMouseMove(e); };
  PageBox->onPress = [this](QMouseEvent* e) { PageBoxMouseDown(e); };
  Image = new PictureBox(PagePanel, {9, 0, 1, 1});
  Image->setMouseTracking(true);
  Image->onMove = [this](QMouseEvent* e) { ImageMouseMove(e); };
  Image->onPress = [this](QMouseEvent* e) { ImageMouseDown(e); };
  Image->hide();
  NameBox = new QLineEdit(PagePanel);
  NameBox->setReadOnly(true);
  NameBox->setFocusPolicy(Qt::NoFocus);
  NameBox->setPlaceholderText("Point at the picture");
  NameBox->hide();
  WebButton = new QPushButton("Go to Web Site", this);
  WebButton->setGeometry(118, 326, 87, 25);
  QFont small("Arial");
  small.setPointSize(8);
  WebButton->setFont(small);
  WebButton->hide();
  connect(WebButton, &QPushButton::clicked, this, [this] { openUrl(WebSiteUrl()); });
}

QUrl THelpForm::WebSiteUrl() { return QUrl::fromLocalFile(QDir::current().absoluteFilePath("manual/quorbit.html")); }

void THelpForm::ShowManual() {
  show();
  raise();
  activateWindow();
}

void THelpForm::ShowManualPage(int n) {
  ShowManual();
  GoToPage(n, true);
}

void THelpForm::GoToPage(int n, bool remember) { AfterPageChange(pages_.GoToPage(n, remember)); }

void THelpForm::AfterPageChange(bool found) {
  const ManualTabs& tabs = pages_.tabs();
  ContTabPic->move(ContTabPic->x(), tabs.contents);
  HintTabPic->move(HintTabPic->x(), tabs.hints);
  IndexTabPic->move(IndexTabPic->x(), tabs.index);
  if (!found) return;
  LeftPagePic->setCursor(pages_.history().empty() ? QCursor() : PrevCursor);
  Image->hide();
  NameBox->hide();
  WebButton->hide();
  PagePanel->update();
  PageBox->update();
}

void THelpForm::PageBoxPaint(QPainter& p) {
  RightPagePic->setCursor(QCursor());
  ManualDrawing d = pages_.DrawPage(metrics_, progress_ ? progress_() : 0);
  for (const ManualTextRun& run : d.runs) {
    p.setFont(metrics_.Font(run.size, run.bold, run.underline));
    p.setPen(RunColour(run.colour));
    p.drawText(run.x, run.y + metrics_.Ascent(run.size, run.bold), QString::fromUtf8(run.text));
  }
  ShowPlacedParts(d);
  if (d.nextPage != -1) RightPagePic->setCursor(NextCursor);
}

// The picture, the name box and the web button the page asked for.
void THelpForm::ShowPlacedParts(const ManualDrawing& d) {
  const QPoint origin = PageBox->pos();
  if (d.picture) {
    std::string error;
    auto picture = LoadBmp(NativePath(d.picture->file), &error);
    if (picture) {
      Image->setPicture(ToQImage(*picture));
      Image->setGeometry(origin.x() + d.picture->x, origin.y() + d.picture->y, picture->width(), picture->height());
      Image->show();
    } else {
      host_.Message("Couldn't load picture " + d.picture->file + ": " + error, "Manual");
    }
  }
  if (d.nameBox) {
    NameBox->setGeometry(origin.x() + d.nameBox->x, origin.y() + d.nameBox->y, d.nameBox->width, d.nameBox->height);
    NameBox->clear();
    NameBox->show();
  }
  if (d.webButton && !WebButton->isVisible()) WebButton->show();
}

void THelpForm::PageBoxMouseMove(QMouseEvent* e) {
  QPoint at = e->position().toPoint();
  PageBox->setCursor(pages_.LinkAt(at.x(), at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void THelpForm::PageBoxMouseDown(QMouseEvent* e) {
  QPoint at = e->position().toPoint();
  if (const ManualLink* link = pages_.LinkAt(at.x(), at.y())) GoToPage(link->target, true);
}

void THelpForm::ImageMouseMove(QMouseEvent* e) {
  QPoint at = e->position().toPoint();
  const ManualRegion* region = pages_.RegionAt(at.x(), at.y());
  QString name = region ? QString::fromStdString(region->name) : QString();
  if (NameBox->text() != name) NameBox->setText(name);
  Image->setCursor(region ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void THelpForm::ImageMouseDown(QMouseEvent* e) {
  QPoint at = e->position().toPoint();
  if (const ManualRegion* region = pages_.RegionAt(at.x(), at.y())) GoToPage(region->target, true);
}

void THelpForm::LeftPagePicClick() {
  if (!pages_.history().empty()) AfterPageChange(pages_.GoBack());
}

void THelpForm::RightPagePicClick() {
  if (pages_.hasNextPage()) AfterPageChange(pages_.GoToNextPage());
}

void THelpForm::mousePressEvent(QMouseEvent*) { RightPagePicClick(); }

void THelpForm::closeEvent(QCloseEvent* e) {
  e->accept();  // closing only hides the window
  if (onClosed) onClosed();
}

#include "shell/ui/Brainwnd.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QToolButton>
#include <QPainter>
#include <algorithm>

#include "brain/ui/SetTimeDlg.h"
#include "brain/ui/SnoopDlg.h"
#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtImage.h"

namespace {
constexpr int ClientWidth = 371, ClientHeight = 398, ToolHeight = 54, BarSize = 16, StatusHeight = 19;
constexpr int LeastBoardHeight = 96;  // six rows of the largest cells
const int StatusWidths[4] = {260, 50, 15, 50};

QString BrainPicturePath(const std::string& name) {
  return QString::fromStdString(NativePath("pics\\brain\\" + name));
}

std::shared_ptr<const BoardTileSet> LoadTiles(const Host& host, Palette& palette) {
  const auto pic = LoadBmp(NativePath("pics\\brain\\allpic.bmp"));
  const auto mask = LoadBmp(NativePath("pics\\brain\\allmask.bmp"));
  if (pic && mask) {
    palette = pic->palette;
    if (auto tiles = BoardTileSet::Cut(*pic, *mask)) return tiles;
  }
  host.Message("Couldn't open pics\\brain\\allpic.bmp", "Brain Board");
  IndexedImage grey(TileSheetWidth, TileSheetHeight, 7), all(TileSheetWidth, TileSheetHeight, 15);
  return BoardTileSet::Cut(grey, all);  // a plain board is still usable
}
}  // namespace

TBrainForm::TBrainForm(Host host, uint32_t seed, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), brains_(host, seed) {
  setWindowTitle("Brain Board");
  setFocusPolicy(Qt::StrongFocus);
  resize(ClientWidth, ClientHeight);
  Palette palette{};
  tiles_ = LoadTiles(host_, palette);
  wood_ = LoadPicture(BrainPicturePath("wood.bmp"), {32, 54});
  BuildToolBar();

  BoardPanel = new QWidget(this);
  BoardPanel->setAutoFillBackground(true);
  BoardPanel->setPalette(QPalette(QColor(128, 128, 128)));
  BoardView = new TBoardView(BoardPanel);
  BoardView->SetPalette(palette);
  VScrollBar = new QScrollBar(Qt::Vertical, this);
  Panel1 = new QWidget(this);
  HScrollBar = new QScrollBar(Qt::Horizontal, Panel1);
  CornerPanel = new QWidget(Panel1);
  BrainTab = new QTabBar(this);
  BrainTab->setShape(QTabBar::RoundedSouth);
  StatusBar = new QWidget(this);
  int x = 0;
  for (int i = 0; i < 4; ++i) {
    StatusPanels[i] = new QLabel(StatusBar);
    StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Filled, so a long hint laid over the next panels hides their frames.
    StatusPanels[i]->setAutoFillBackground(true);
    StatusPanels[i]->setGeometry(x, 0, StatusWidths[i], StatusHeight);
    x += StatusWidths[i];
  }
  // The last status panel holds the plot window's button.
  auto* plotButton = new QToolButton(StatusPanels[3]);
  plotButton->setObjectName("PlotButton");
  plotButton->setText("Plot");
  plotButton->setAutoRaise(true);
  plotButton->setGeometry(0, 0, StatusWidths[3], StatusHeight);
  connect(plotButton, &QToolButton::clicked, this, [this] { PlotButtonClick(); });
  connect(VScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (BoardDraw* d = shownDraw()) d->Scroll(d->scrollX(), v), d->RepaintDirtyCells(d->board());
  });
  connect(HScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (BoardDraw* d = shownDraw()) d->Scroll(v, d->scrollY()), d->RepaintDirtyCells(d->board());
  });
  connect(BrainTab, &QTabBar::currentChanged, this, [this](int tab) {
    if (syncingTabs_ || tab < 0) return;
    brains_.SelectTab(tab);
    ShowSelectedBoard();
  });
  BuildHooks();
  BoardView->onMouseButton = [this](QMouseEvent* e, bool down) {
    BoardInput* input = shownInput();
    if (!input) return;
    const bool right = e->button() == Qt::RightButton;
    if (e->button() != Qt::LeftButton && !right) return;
    const QPoint p = e->position().toPoint();
    if (down) input->MouseDown(p.x(), p.y(), right);
    else input->MouseUp(p.x(), p.y(), right);
    BoardChanged();
  };
  BoardView->onMouseMove = [this](QMouseEvent* e) {
    if (BoardInput* input = shownInput()) {
      const QPoint p = e->position().toPoint();
      input->MouseMove(p.x(), p.y());
      BoardChanged();
    }
  };
  SyncBoards();
  Layout();
  ShowSelectedBoard();
}

TBrainForm::~TBrainForm() {
  for (auto& d : dialogs_)
    if (d) delete d.data();
  for (auto& [number, s] : shown_) s.draw->board().view = nullptr;
}

void TBrainForm::SetPalette(const Palette& palette) { BoardView->SetPalette(palette); }

// ---- the tool bar ------------------------------------------------------------------

void TBrainForm::BuildToolBar() {
  ToolPanel = new QWidget(this);
  ToolPanel->setAutoFillBackground(true);
  ToolPanel->setPalette(QPalette(Qt::black));
  ToolBackPic = new PictureBox(ToolPanel, {0, 0, ClientWidth, ToolHeight});
  // The wood continues beyond the buttons when the window is widened.
  ToolBackPic->onPaint = [this](QPainter& p) {
    for (int x = 372; x < ToolBackPic->width(); x += 32) p.drawImage(x, 0, wood_);
  };
  ToolButton("neuron", "NeuronButtonUp", "Add Neuron", 2, 54, 53, false, &TBrainForm::NeuronButtonClick);
  ToolButton("node", "NodeButtonUp", "Add Node", 56, 48, 48, true, &TBrainForm::NodeButtonClick);
  ToolButton("snoop", "SnoopButtonUp", "Add Snooper", 104, 48, 48, true, &TBrainForm::SnoopButtonClick);
  ToolButton("zoom", "ZoomButtonUp", "Zoom", 152, 50, 55, false, &TBrainForm::ZoomButtonClick);
  ToolButton("trash", "TrashButtonUp", "Clear Brain", 202, 54, 55, false, &TBrainForm::TrashButtonClick);
  ToolButton("save", "SaveButtonUp", "Save Brain", 256, 58, 55, false, &TBrainForm::SaveButtonClick);
  ToolButton("load", "LoadButtonUp", "Load Brain", 314, 58, 55, false, &TBrainForm::LoadButtonClick);
}

// An "Up" picture over its "Down" picture: pressing hides "Up", and a release over the
// button acts. `overWidth` is how far right the pointer still counts as over it.
void TBrainForm::ToolButton(const char* picture, const char* objectName, const char* hint, int x, int width,
                            int overWidth, bool below, void (TBrainForm::*act)()) {
  const std::string base(picture);
  const QRect box(x, 2, width, 50);
  new PictureBox(ToolPanel, box, LoadPicture(BrainPicturePath(base + "down.bmp"), {width, 50}));
  auto* up = new PictureBox(ToolPanel, box, LoadPicture(BrainPicturePath(base + "up.bmp"), {width, 50}), hint);
  up->setObjectName(objectName);
  auto pressed = std::make_shared<bool>(false);
  auto over = [overWidth, below](QPoint p) {
    return p.x() > 0 && p.y() > 0 && p.y() < 50 && (below ? p.x() < overWidth : p.x() <= overWidth);
  };
  up->onPress = [up, pressed](QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    *pressed = true;
    up->setPressedLook(true);
  };
  up->onMove = [up, pressed, over](QMouseEvent* e) {
    if (*pressed) up->setPressedLook(over(e->position().toPoint()));
  };
  up->onRelease = [this, up, pressed, over, act](QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !*pressed) return;
    *pressed = false;
    up->setPressedLook(false);
    if (over(e->position().toPoint())) (this->*act)();
  };
}

// ---- layout and the shown board ------------------------------------------------------

void TBrainForm::Layout() {
  const int w = width(), h = height();
  ToolPanel->setGeometry(0, 0, w, ToolHeight);
  ToolBackPic->setGeometry(0, 0, w, ToolHeight);
  StatusBar->setGeometry(0, h - StatusHeight, w, StatusHeight);
  const bool tabs = BrainTab->count() > 1;
  BrainTab->setVisible(tabs);
  const int tabHeight = tabs ? BrainTab->sizeHint().height() : 0;
  BrainTab->setGeometry(0, h - StatusHeight - tabHeight, w, tabHeight);
  const int barsBottom = h - StatusHeight - tabHeight;
  Panel1->setGeometry(0, barsBottom - BarSize, w, BarSize);
  HScrollBar->setGeometry(0, 0, w - BarSize, BarSize);
  CornerPanel->setGeometry(w - BarSize, 0, BarSize, BarSize);
  const int boardHeight = std::max(1, barsBottom - BarSize - ToolHeight);
  BoardPanel->setGeometry(0, ToolHeight, w, boardHeight + BarSize);
  VScrollBar->setGeometry(w - BarSize, ToolHeight, BarSize, boardHeight);
  BoardView->setGeometry(0, 0, std::max(1, w - BarSize), boardHeight);
  UpdateScrollBars();
}

void TBrainForm::resizeEvent(QResizeEvent*) { Layout(); }

QSize TBrainForm::minimumSizeHint() const {
  const int tabs = BrainTab && BrainTab->count() > 1 ? BrainTab->sizeHint().height() : 0;
  return QSize(ClientWidth, ToolHeight + LeastBoardHeight + BarSize + tabs + StatusHeight);
}

BoardDraw* TBrainForm::shownDraw() {
  TBrainBoard* b = brains_.ShownBoard();
  auto it = b ? shown_.find(b->number) : shown_.end();
  return it == shown_.end() ? nullptr : it->second.draw.get();
}

BoardInput* TBrainForm::shownInput() {
  TBrainBoard* b = brains_.ShownBoard();
  auto it = b ? shown_.find(b->number) : shown_.end();
  return it == shown_.end() ? nullptr : it->second.input.get();
}

void TBrainForm::SyncBoards() {
  // Dialogs of boards that are gone close without looking at their board.
  for (auto& d : dialogs_) {
    if (!d) continue;
    bool exists = false;
    for (const BrainEntry& e : brains_.Brains()) exists = exists || e.board.get() == &d->board();
    if (!exists) d->Dismiss();
  }
  for (auto it = shown_.begin(); it != shown_.end();) {
    if (brains_.Board(it->first)) {
      ++it;
      continue;
    }
    if (BoardView->shown() == it->second.draw.get()) BoardView->Show(nullptr);
    it = shown_.erase(it);
  }
  for (int number : brains_.Tabs()) {
    if (shown_.count(number)) continue;
    TBrainBoard& b = *brains_.Board(number);
    Shown s;
    s.draw = std::make_unique<BoardDraw>(b, tiles_);
    s.draw->SetViewSize(std::max(1, BoardView->width()), std::max(1, BoardView->height()));
    s.input = std::make_unique<BoardInput>(*s.draw, hooks_);
    shown_.emplace(number, std::move(s));
  }
  syncingTabs_ = true;
  while (BrainTab->count() > static_cast<int>(brains_.Tabs().size())) BrainTab->removeTab(BrainTab->count() - 1);
  for (size_t t = 0; t < brains_.Tabs().size(); ++t) {
    const QString name = QString::fromStdString(brains_.BrainName(brains_.Tabs()[t]));
    if (static_cast<int>(t) < BrainTab->count()) BrainTab->setTabText(static_cast<int>(t), name);
    else BrainTab->addTab(name);
  }
  BrainTab->setCurrentIndex(brains_.SelectedTab());
  syncingTabs_ = false;
  Layout();
}

void TBrainForm::ShowSelectedBoard() {
  BoardDraw* d = shownDraw();
  BoardView->Show(d);
  UpdateScrollBars();
  if (d) BoardView->Repaint();
  ShowStatus();
}

void TBrainForm::UpdateScrollBars() {
  BoardDraw* d = shownDraw();
  brains_.SetBoardWidth(BoardView->width());
  if (!d || !HScrollBar) return;
  d->SetViewSize(std::max(1, BoardView->width()), std::max(1, BoardView->height()));
  const ScrollRanges r = d->UpdateScrollRanges();
  for (QScrollBar* bar : {HScrollBar, VScrollBar}) bar->blockSignals(true);
  HScrollBar->setRange(0, r.horizontalMax);
  HScrollBar->setPageStep(r.horizontalPage);
  HScrollBar->setValue(d->scrollX());
  VScrollBar->setRange(0, r.verticalMax);
  VScrollBar->setPageStep(r.verticalPage);
  VScrollBar->setValue(d->scrollY());
  for (QScrollBar* bar : {HScrollBar, VScrollBar}) bar->blockSignals(false);
  Panel1->setVisible(r.shown);
  VScrollBar->setVisible(r.shown);
}

void TBrainForm::ShowStatus() {
  BoardInput* input = shownInput();
  const StatusText s = input ? input->Status() : StatusText{};
  // A long hint alone takes the bar up to the "Plot" button, in a smaller letter if it must.
  const QString text = QString::fromStdString(s.text);
  QFont font = StatusBar->font();
  const bool wide = s.type.empty() && s.learn.empty() &&
                    QFontMetrics(font).horizontalAdvance(text) > StatusWidths[0] - 4;
  const int width = wide ? StatusPanels[3]->x() : StatusWidths[0];
  for (int px = QFontInfo(font).pixelSize(); px > 8 && QFontMetrics(font).horizontalAdvance(text) > width - 4; --px)
    font.setPixelSize(px - 1);
  StatusPanels[0]->setFont(font);
  StatusPanels[0]->resize(width, StatusHeight);
  if (wide) StatusPanels[0]->raise();
  StatusPanels[0]->setText(text);
  StatusPanels[1]->setText(QString::fromStdString(s.type));
  StatusPanels[2]->setText(QString::fromStdString(s.learn));
}

void TBrainForm::BoardChanged() {
  PruneDialogs();
  if (BoardDraw* d = shownDraw()) d->RepaintDirtyCells(d->board());
  ShowStatus();
}

void TBrainForm::ShowWindow() {
  show();
  raise();
}

void TBrainForm::closeEvent(QCloseEvent* e) {
  if (programEnding) {
    e->accept();
    return;
  }
  const Answer a = host_.messages ? host_.messages->AskYesNo("Do you want to quit Quorbit?", "Confirm") : Answer::Yes;
  if (a != Answer::Yes || (mayQuit && !mayQuit())) {
    e->ignore();
    return;
  }
  e->accept();
  if (onQuit) onQuit();
}

bool TBrainForm::UndoKey(QKeyEvent* e) {
  BoardInput* input = shownInput();
  const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
  const bool undo = e->key() == Qt::Key_Z && mods == Qt::ControlModifier;
  const bool redo = (e->key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
                    (e->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
  if (!input || (!undo && !redo)) return false;
  if (undo) input->Undo();
  else input->Redo();
  UpdateScrollBars();
  BoardChanged();
  return true;
}

void TBrainForm::keyPressEvent(QKeyEvent* e) {
  BoardInput* input = shownInput();
  if (!input || UndoKey(e)) return;
  const bool control = e->modifiers() & Qt::ControlModifier;
  int ch = 0;
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ch = '\r';
  else if (e->key() == Qt::Key_Backspace) ch = '\b';
  else if (control && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) ch = 'A' + (e->key() - Qt::Key_A);
  else if (!e->text().isEmpty()) ch = e->text().at(0).unicode();
  if (ch == 0 || ch > 255) return;
  input->Key(ch, control);
  BoardChanged();
}

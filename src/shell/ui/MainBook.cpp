// The open notebook, its page and its controls, and the workshop's world list.
#include <QApplication>
#include <QPainter>

#include "platform/Files.h"
#include "shell/NewWorldCheck.h"
#include "shell/NotebookPage.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/ShellDialogs.h"

void TMainForm::BuildBook() {
  BookPic = new PictureBox(this, {0, 67, 299, 334}, LoadPicture(MainPicturePath("openbook.bmp"), {299, 334}));
  BookMarkPic = new PictureBox(this, {52, 41, 47, 34}, LoadShapedPicture(MainPicturePath("bookmark.bmp")), "Last page");
  BookMarkPic->onClick = [this] { progression_.LastPage(); };
  PreviousPageBox = new PictureBox(this, {-1, 74, 54, 319}, QImage(), "Previous page");
  PreviousPageBox->onClick = [this] { progression_.PreviousPage(); };
  PageBox = new PictureBox(this, {53, 109, 229, 268});
  PageBox->onPaint = [this](QPainter& p) { PaintPage(p); };
  PageNumLabel = new QLabel("1", this);
  // Wide enough for two digits (pages 10 and on), centred where one digit stands.
  PageNumLabel->setGeometry(245, 80, 23, 23);
  PageNumLabel->setAlignment(Qt::AlignCenter);
  PageNumLabel->setToolTip("Next page");
  QFont numberFont("Comic Sans MS");
  numberFont.setPixelSize(16);
  PageNumLabel->setFont(numberFont);
  PageNumLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  NextPageBox = new PictureBox(this, {193, 69, 105, 40}, QImage(), "Next page");
  NextPageBox->onClick = [this] { progression_.NextPage(); };
  CornerPic = new PictureBox(this, {271, 71, 21, 13}, LoadPicture(MainPicturePath("corner.bmp")), "Next page");
  CornerPic->onClick = [this] { progression_.NextPage(); };
  WorldList = new QListWidget(this);
  WorldList->setGeometry(81, 198, 164, 125);
  WorldList->setStyleSheet("background: #c0c0c0;");
  connect(WorldList, &QListWidget::itemDoubleClicked, this, [this] { GoToClicked(); });
  NewButton = new QPushButton("New", this);
  NewButton->setGeometry(89, 332, 75, 21);
  connect(NewButton, &QPushButton::clicked, this, [this] { NewWorldClicked(); });
  GoToButton = new QPushButton("Go to", this);
  GoToButton->setGeometry(166, 332, 75, 21);
  connect(GoToButton, &QPushButton::clicked, this, [this] { GoToClicked(); });
  EditButton = new QPushButton("Edit", this);
  EditButton->setGeometry(126, 358, 75, 21);
  connect(EditButton, &QPushButton::clicked, this, [this] {
    if (WorldList->currentRow() >= 0 && openEditor) openEditor();
  });
  for (QWidget* w : std::initializer_list<QWidget*>{BookPic, BookMarkPic, PreviousPageBox, PageBox, PageNumLabel,
                                                    NextPageBox, CornerPic, WorldList, NewButton, GoToButton,
                                                    EditButton})
    w->hide();
}

void TMainForm::ShowOpenBook(bool open) {
  for (QWidget* w : std::initializer_list<QWidget*>{BookPic, BookMarkPic, PreviousPageBox, PageBox, PageNumLabel,
                                                    NextPageBox, CornerPic}) {
    w->setVisible(open);
    if (open) w->raise();
  }
  Room room = ShownRoom();
  ShowRoomNotebooks(room, !open);
  SetDesignGeometry(LadderBox, {0, 0, 53, open ? 67 : 384});
  if (room == Room::None) return;
  RoomExit(room)->setToolTip(open ? QString("Close book") : RoomExitHint(room, true));
  if (!open && worldWindow) worldWindow->hide();
}

void TMainForm::SetPageNumber(int shownNumber, bool black) {
  PageNumLabel->setText(QString::number(shownNumber));
  pageNumberColour_ = black ? QColor(Qt::black) : QColor(128, 128, 128);
  PageNumLabel->setStyleSheet(QString("color: %1; background: transparent;").arg(pageNumberColour_.name()));
}

void TMainForm::ShowCorner(bool shown) { CornerPic->setVisible(shown); }

void TMainForm::HideWorldListControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{NewButton, GoToButton, EditButton, WorldList}) w->hide();
}

void TMainForm::ShowWorldList(const std::vector<std::string>& names) {
  WorldList->clear();
  for (const std::string& name : names) WorldList->addItem(QString::fromStdString(name));
  for (QWidget* w : std::initializer_list<QWidget*>{WorldList, NewButton, GoToButton}) {
    w->show();
    w->raise();
  }
}

void TMainForm::ShowEditButton() {
  // "Edit" acts on the chosen entry: the page's own world is the one it edits.
  const int entry = shell_.CurrentPage - 2;
  if (entry >= 0 && entry < WorldList->count()) WorldList->setCurrentRow(entry);
  EditButton->show();
  EditButton->raise();
}

void TMainForm::RepaintBook() { PageBox->update(); }

void TMainForm::SuspendTicks() {
  Timer.stop();
  QApplication::processEvents();
}

void TMainForm::ResumeTicks() { Timer.start(); }

void TMainForm::PaintPage(QPainter& p) {
  if (shell_.PagePainting || shell_.CurrentBook == 0) return;
  const double scale = PageBox->height() / 268.0;
  std::string description = progression_.world ? progression_.world->DescriptionText() : std::string();
  NotebookLayout page =
      LayoutNotebookPage(progression_.PageTextOf(shell_.CurrentBook, shell_.CurrentPage), description, scale);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const NotebookFigure& f : page.figures) {
    p.setPen(Qt::black);
    if (f.kind == NotebookFigure::Line) {
      p.drawLine(f.x1, f.y1, f.x2, f.y2);
      continue;
    }
    QColor fill(f.colour & 0xff, (f.colour >> 8) & 0xff, (f.colour >> 16) & 0xff);
    p.setBrush(f.outlineOnly() ? QBrush(Qt::NoBrush) : QBrush(fill, Qt::BDiagPattern));
    p.drawEllipse(QPoint(f.x1, f.y1), f.r, f.r);
  }
  QFont font("Comic Sans MS");
  font.setPointSize(std::max(1, static_cast<int>(std::lround(shell_.FontScale * 8))));
  p.setFont(font);
  for (const NotebookText& line : page.lines) {
    p.setPen(line.link ? QColor(0, 0, 255) : QColor(Qt::black));
    p.drawText(line.x, line.y + p.fontMetrics().ascent(), QString::fromStdString(line.text));
  }
}

void TMainForm::GoToClicked() {
  int row = WorldList->currentRow();
  if (row >= 0) progression_.ShowWorldPage(row);
}

void TMainForm::NewWorldClicked() {
  std::vector<std::string> files = ListFiles("worlds", ".wld");
  TNewWorldDlg dialog(
      this,
      [&files](const std::string& n, const std::string& w, const std::string& l) { return CheckNewWorld(n, w, l, files); },
      [this](const std::string& text, const std::string& caption) { host_.Message(text, caption); });
  if (dialog.exec() != QDialog::Accepted) return;
  std::string name = dialog.NameBox->text().toStdString();
  int x = SizeBoxValue(dialog.WidthBox->text().toStdString(), 10);
  int y = SizeBoxValue(dialog.LengthBox->text().toStdString(), 10);
  if (!newWorld || !newWorld(name, x, y)) {
    host_.Message("Couldn't create output file", "File error");
    return;
  }
  progression_.AddWorld(name);
  WorldList->addItem(QString::fromStdString(name));
  WorldList->setCurrentRow(WorldList->count() - 1);
  progression_.ShowWorldPage(static_cast<int>(progression_.worldList().size()) - 1);
}

void TMainForm::OpenAccessDialog() {
  TPassDlg dialog(this);
  if (dialog.exec() == QDialog::Accepted) progression_.EnterAccessCode(dialog.PassBox->text().toStdString());
}

#pragma once
// THelpForm: the manual window. A spiral notebook whose page shows one manual page at a
// time; the tabs jump to the contents, the hints and the index, the left edge goes back
// through the pages visited and the right edge turns to the page's next page.
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "platform/Host.h"
#include "shell/ManualPages.h"
#include "shell/ui/PictureBox.h"

// The manual's font questions answered with the page box's real font.
class QtManualMetrics : public IManualMetrics {
 public:
  explicit QtManualMetrics(QString family) : family_(std::move(family)) {}
  QFont Font(int size, bool bold, bool underline = false) const;
  int TextWidth(const std::string& text, int size, bool bold) const override;
  int ZeroHeight(int size, bool bold) const override;
  int Ascent(int size, bool bold) const;

 private:
  const QFontMetrics& Metrics(int size, bool bold) const;
  QString family_;
  mutable std::map<std::pair<int, bool>, std::unique_ptr<QFontMetrics>> cache_;
};

class THelpForm : public QWidget {
  Q_OBJECT
 public:
  // progress: the learner's `Progress`, asked for whenever a page is drawn.
  THelpForm(Host host, std::function<int()> progress, QWidget* parent = nullptr);

  // Shows the window at its current page.
  void ShowManual();
  // Shows the window and goes to page n, remembering the page it leaves.
  void ShowManualPage(int n);
  void GoToPage(int n, bool remember);

  ManualPages& pages() { return pages_; }
  // The program's own documentation page, beside the manual in the data folder.
  static QUrl WebSiteUrl();

  std::function<void()> onClosed;  // the main window shows its manual picture again
  std::function<void(const QUrl&)> openUrl;  // the default browser unless replaced

  PictureBox* TopPagePic = nullptr;
  PictureBox* BottomPagePic = nullptr;
  PictureBox* LeftPagePic = nullptr;
  PictureBox* RightPagePic = nullptr;
  PictureBox* ContTabPic = nullptr;
  PictureBox* HintTabPic = nullptr;
  PictureBox* IndexTabPic = nullptr;
  PictureBox* PagePanel = nullptr;
  PictureBox* PageBox = nullptr;
  PictureBox* Image = nullptr;
  QLineEdit* NameBox = nullptr;
  QPushButton* WebButton = nullptr;
  QCursor NextCursor, PrevCursor;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void BuildComponents();
  void PageBoxPaint(QPainter& p);
  void ShowPlacedParts(const ManualDrawing& d);
  void PageBoxMouseMove(QMouseEvent* e);
  void PageBoxMouseDown(QMouseEvent* e);
  void ImageMouseMove(QMouseEvent* e);
  void ImageMouseDown(QMouseEvent* e);
  void LeftPagePicClick();
  void RightPagePicClick();
  void AfterPageChange(bool found);

  Host host_;
  std::function<int()> progress_;
  ManualPages pages_;
  QtManualMetrics metrics_{"Arial"};
};

// The editor window: its controls, the plan view's painting and the list thumbnails.
#include "shell/ui/Editor.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "bodies/PaletteFile.h"
#include "platform/Files.h"
#include "world/EditorPlan.h"
#include "world/ui/EdDialogs.h"

namespace {

QColor Colour(uint32_t rgb) { return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff); }

QLineEdit* SmallBox(const QString& name, const QString& text) {
  auto* box = new QLineEdit(text);
  box->setObjectName(name);
  box->setMaximumWidth(48);
  return box;
}

QPushButton* Button(const QString& text, int width = 0) {
  auto* b = new QPushButton(text);
  if (width > 0) b->setFixedWidth(width);
  return b;
}

// Thumbnail rows (PicList, ThingList): the frame fitted into a square big enough to tell a
// stone from a bush, with its text beside it, on blue when chosen and on white otherwise.
// The item holds the frame, the picture's place in the world's list and the text.
enum ThumbnailRole { FrameRole = Qt::UserRole, PictureRole, LabelRole };
constexpr int ThumbSide = 40, ThumbRow = ThumbSide + 4;

// A tool button's picture, drawn by the asset generator into the data folder.
// Drawn on black, which is left out so the button's face shows around the picture.
QIcon ToolPicture(const char* name) {
  QImage image(QString::fromStdString(NativePath(std::string("pics\\editor\\") + name + ".bmp")));
  if (image.isNull()) return QIcon();
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb around = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == around) image.setPixel(x, y, qRgba(0, 0, 0, 0));
  return QIcon(QPixmap::fromImage(image));
}

class ThumbnailDelegate : public QStyledItemDelegate {
 public:
  ThumbnailDelegate(TEditForm& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool chosen = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, chosen ? QColor(0, 0, 255) : QColor(255, 255, 255));
    const int frame = index.data(FrameRole).toInt();
    if (const TPic* pic = form_.editing().world().Picture(index.data(PictureRole).toInt())) {
      Thumbnail t = FrameThumbnail(*pic, frame, 1);
      QImage whole(std::max(1, t.width), std::max(1, t.height), QImage::Format_ARGB32);
      whole.fill(Qt::transparent);
      const Palette& pal = form_.palette();
      QRect drawn;
      for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x) {
          const size_t at = static_cast<size_t>(y) * t.width + x;
          if (!t.drawn[at]) continue;
          const Rgb c = pal[t.pixels[at]];
          whole.setPixel(x, y, qRgb(c.r, c.g, c.b));
          drawn |= QRect(x, y, 1, 1);
        }
      // Only what the frame draws; small pictures grow up to four times their size, large
      // ones shrink to fit.
      const QImage image = drawn.isEmpty() ? whole : whole.copy(drawn);
      const double scale = std::min({4.0, double(ThumbSide) / image.width(), double(ThumbSide) / image.height()});
      const QSize shown(std::max(1, int(image.width() * scale)), std::max(1, int(image.height() * scale)));
      const QRect box(option.rect.left() + 2 + (ThumbSide - shown.width()) / 2,
                      option.rect.top() + (option.rect.height() - shown.height()) / 2, shown.width(), shown.height());
      p->save();
      p->setClipRect(option.rect);
      p->drawImage(box, image.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation));
      p->restore();
    }
    p->setPen(chosen ? Qt::white : Qt::black);
    const QRect text = option.rect.adjusted(ThumbSide + 8, 0, 0, 0);
    p->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data(LabelRole).toString());
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {120, ThumbRow}; }

 private:
  TEditForm& form_;
};
}  // namespace

void SetThumbnailItem(QListWidgetItem* item, int picture, int frame, const QString& label) {
  item->setData(FrameRole, frame);
  item->setData(PictureRole, picture);
  item->setData(LabelRole, label);
}

// ---- the plan view ------------------------------------------------------------------------

TPlanView::TPlanView(TEditForm& form, QWidget* parent) : QWidget(parent), form_(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName("PlanPic");
}

void TPlanView::PaintOver() {
  over_ = true;
  repaint();
}

void TPlanView::paintEvent(QPaintEvent*) {
  if (canvas_.size() != size()) canvas_ = QImage(size(), QImage::Format_RGB32), over_ = false;
  if (!over_) canvas_.fill(Qt::black);
  over_ = false;
  Stroke();
  QPainter(this).drawImage(0, 0, canvas_);
}

void TPlanView::Stroke() {
  QPainter p(&canvas_);
  QFont normal = font();
  QFont small = font();
  small.setPointSize(6);
  for (const PlanShape& s : DrawEditorView(form_.editing(), width(), height())) {
    // The chosen cell stands out from the grid lines beside it.
    p.setPen(QPen(Colour(s.colour), s.kind == PlanShape::Rect && s.colour == PlanColour::Silver ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    const auto& q = s.points;
    switch (s.kind) {
      case PlanShape::Line:
        if (q.size() >= 4) p.drawLine(q[0], q[1], q[2], q[3]);
        break;
      case PlanShape::Polygon:
      case PlanShape::Polyline: {
        QPolygon poly;
        for (size_t k = 0; k + 1 < q.size(); k += 2) poly << QPoint(q[k], q[k + 1]);
        if (s.kind == PlanShape::Polygon) p.drawPolygon(poly);
        else p.drawPolyline(poly);
        break;
      }
      case PlanShape::Rect: p.drawRect(s.x, s.y, s.w, s.h); break;
      case PlanShape::Circle: p.drawEllipse(s.x, s.y, s.w, s.h); break;
      case PlanShape::Cross:
        p.drawLine(s.x - 2, s.y - 2, s.x + 2, s.y + 2);
        p.drawLine(s.x - 2, s.y + 2, s.x + 2, s.y - 2);
        break;
      case PlanShape::Text:
        p.setFont(s.pointSize > 0 ? small : normal);
        p.drawText(s.x, s.y + p.fontMetrics().ascent(), QString::fromStdString(s.text));
        break;
    }
  }
}

void TPlanView::mouseReleaseEvent(QMouseEvent* e) {
  form_.PlanPicMouseUp(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
}

// ---- the window ---------------------------------------------------------------------------

TEditForm::TEditForm(TWorld& world, Host host, IEditorBrains* brains, IWorldTestHolder* test,
                     std::function<void(int)> showManual, QWidget* parent)
    : QWidget(parent, Qt::Window), editing_(world, host, brains, test), host_(host),
      showManual_(std::move(showManual)) {
  setWindowTitle("World Editor");
  setAttribute(Qt::WA_DeleteOnClose, false);
  // Wide enough for the panel's labels in the desktop's own font, with room for the plan.
  resize(PanelWidth + 480, 540);
  if (auto pal = LoadPalette("quorbit.pal")) palette_ = *pal;
  else host_.Message("Could not find quorbit.pal", "Editor Error");

  auto* panel = new QWidget(this);
  panel->setFixedWidth(PanelWidth);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  panelLayout->setSpacing(2);
  BuildSpeedBar(panel);
  PageControl = new QTabWidget;
  PageControl->setObjectName("PageControl");
  PageControl->setUsesScrollButtons(false);
  PageControl->addTab(BuildWorldTab(), "World");
  PageControl->addTab(BuildCrittersTab(), "Critters");
  PageControl->addTab(BuildTriggersTab(), "Triggers");
  panelLayout->addWidget(PageControl, 1);

  PlanPic = new TPlanView(*this);
  ScrollX = new QScrollBar(Qt::Horizontal);
  ScrollX->setObjectName("ScrollX");
  ScrollY = new QScrollBar(Qt::Vertical);
  ScrollY->setObjectName("ScrollY");
  ScrollH = new QScrollBar(Qt::Vertical);
  ScrollH->setObjectName("ScrollH");
  ScrollH->setRange(0, 100);
  ScrollH->setValue(50);
  ScrollH->hide();
  auto* view = new QGridLayout;
  view->setSpacing(0);
  view->addWidget(PlanPic, 0, 0);
  view->addWidget(ScrollH, 0, 1);
  view->addWidget(ScrollY, 0, 2);
  view->addWidget(ScrollX, 1, 0);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addLayout(view, 1);
  for (QScrollBar* bar : {ScrollX, ScrollY, ScrollH})
    connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollChanged(); });
  connect(PageControl, &QTabWidget::currentChanged, this, [this] {
    editing_.ClearSelections();
    RefreshAll();
  });
  AddHints();
}

// What each control does, shown when the pointer rests on it.
void TEditForm::AddHints() {
  const std::pair<QWidget*, const char*> hints[] = {
      {PlanPic, "The map from above: click a square to choose it"},
      {ThingList, "The scenery in the chosen square"},
      {ThingAddButton, "Put the thing chosen under Things at X, Y, Z"},
      {ThingChangeButton, "Move the chosen thing to X, Y, Z"},
      {ThingDelButton, "Take the chosen thing away"},
      {CmpList, "Kinds of scenery"},
      {PicList, "The pictures of the chosen kind"},
      {TestButton, "The world's test: its kind, time, energy and test critter"},
      {DescButton, "The text the notebook shows on the world's page"},
      {UpButton, "Raise the chosen square (the ground around follows)"},
      {DownButton, "Lower the chosen square (the ground around follows)"},
      {DispHeightCheck, "Show every square's height on the map"},
      {FixCheck, "Keep the chosen square's shape when heights around it change"},
      {UpdateGroup->button(0), "Draw the map only when something changes"},
      {UpdateGroup->button(1), "Draw the map over itself every tick: moving critters leave tracks"},
      {UpdateGroup->button(2), "Draw the map afresh every tick"},
      {CritterUsedList, "The world's critters, in order"},
      {CritterUpButton, "Move the chosen critter up the list"},
      {CritterDownButton, "Move the chosen critter down the list"},
      {CritterAddButton, "Make a critter of the chosen type, with the name, at X, Y, Z"},
      {CritterChangeButton, "Give the chosen critter the name and place in the boxes"},
      {CritterDelButton, "Take the chosen critter out of the world"},
      {RotateLeft4Button, "Turn a quarter back"},
      {RotateLeftButton, "Turn one step back"},
      {RotateRightButton, "Turn one step on"},
      {RotateRight4Button, "Turn a quarter on"},
      {BrainButton, "The chosen critter's brain and the channels it uses"},
      {EnergyButton, "The chosen critter's energy"},
      {RandomButton, "Where the chosen critter is put at random, and when"},
      {SmellButton, "What the chosen critter smells of"},
      {TriggerListBox, "Trigger zones: a critter of a type entering moves the target critter"},
      {TriggerAddButton, "Make a zone from the boxes below"},
      {TriggerChangeButton, "Give the chosen zone the values below"},
      {TriggerDelButton, "Take the chosen zone away"},
      {NewXBox, "Where the target critter is put: X"},
      {NewYBox, "Where the target critter is put: Y"},
  };
  for (const auto& [widget, hint] : hints)
    if (widget) widget->setToolTip(hint);
}

TEditForm::~TEditForm() = default;

std::function<void()> TEditForm::Help(int page) {
  return [this, page] {
    if (showManual_) showManual_(page);
  };
}

void TEditForm::BuildSpeedBar(QWidget* panel) {
  auto* bar = new QHBoxLayout;
  bar->setSpacing(1);
  // Pictures with their names as hints; a missing picture leaves the name to read.
  auto make = [&](QToolButton*& b, const char* name, const char* picture, const char* hint) {
    b = new QToolButton;
    b->setObjectName(name);
    b->setText(hint);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    const QIcon icon = ToolPicture(picture);
    if (!icon.isNull()) {
      b->setIcon(icon);
      b->setIconSize(QSize(24, 24));
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    b->setFixedSize(36, 32);
    bar->addWidget(b);
  };
  make(SaveButton, "SaveButton", "save", "Save");
  make(SaveAsButton, "SaveAsButton", "saveas", "Save as");
  make(ZoomInButton, "ZoomInButton", "zoomin", "Zoom in");
  make(ZoomOutButton, "ZoomOutButton", "zoomout", "Zoom out");
  make(XZButton, "XZButton", "elevation", "Elevation");
  make(HelpButton, "HelpButton", "help", "Help");
  bar->addStretch(1);
  static_cast<QVBoxLayout*>(panel->layout())->addLayout(bar);
  connect(SaveButton, &QToolButton::clicked, this, [this] { SaveClick(); });
  connect(SaveAsButton, &QToolButton::clicked, this, [this] { SaveAsClick(); });
  connect(ZoomInButton, &QToolButton::clicked, this, [this] {
    editing_.ZoomIn();
    PlanPic->update();
  });
  connect(ZoomOutButton, &QToolButton::clicked, this, [this] {
    editing_.ZoomOut();
    PlanPic->update();
  });
  connect(XZButton, &QToolButton::clicked, this, [this] { XZClick(); });
  connect(HelpButton, &QToolButton::clicked, this, Help(EditorHelp::Editor));
}

QWidget* TEditForm::BuildWorldTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  v->setContentsMargins(2, 2, 2, 2);
  v->setSpacing(2);
  ThingList = new QListWidget;
  ThingList->setObjectName("ThingList");
  ThingList->setFixedHeight(2 * ThumbRow + 6);
  ThingList->setItemDelegate(new ThumbnailDelegate(*this, ThingList));
  v->addWidget(ThingList);
  auto* edits = new QHBoxLayout;
  ThingAddButton = Button("Add");
  ThingChangeButton = Button("Change");
  ThingDelButton = Button("Del");
  for (QPushButton* b : {ThingAddButton, ThingChangeButton, ThingDelButton}) edits->addWidget(b);
  v->addLayout(edits);
  auto* xyz = new QHBoxLayout;
  ThingXBox = SmallBox("ThingXBox", "0");
  ThingYBox = SmallBox("ThingYBox", "0");
  ThingZBox = SmallBox("ThingZBox", "0.1");
  for (auto [label, box] : {std::pair{"X", ThingXBox}, {"Y", ThingYBox}, {"Z", ThingZBox}}) {
    xyz->addWidget(new QLabel(label));
    xyz->addWidget(box);
  }
  v->addLayout(xyz);
  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel("Types"), 0, 0);
  lists->addWidget(new QLabel("Things"), 0, 1);
  CmpList = new QListWidget;
  CmpList->setObjectName("CmpList");
  PicList = new QListWidget;
  PicList->setObjectName("PicList");
  PicList->setItemDelegate(new ThumbnailDelegate(*this, PicList));
  lists->addWidget(CmpList, 1, 0);
  lists->addWidget(PicList, 1, 1);
  lists->setColumnStretch(1, 1);
  CmpList->setFixedWidth(80);
  v->addLayout(lists, 1);
  auto* props = new QHBoxLayout;
  TestButton = Button("Test");
  DescButton = Button("Description");
  props->addWidget(TestButton);
  props->addWidget(DescButton);
  // The ground the tiles show: the tile picture's name carries the choice into the file.
  auto* groundButton = Button("Ground");
  groundButton->setObjectName("GroundButton");
  props->addWidget(groundButton);
  connect(groundButton, &QPushButton::clicked, this, [this, groundButton] {
    QMenu menu(this);
    const TGround now = editing_.world().Ground();
    for (auto [ground, label] : {std::pair{TGround::Grass, "Grass"}, {TGround::Earth, "Dark earth"}, {TGround::Sand, "Sand"}}) {
      QAction* a = menu.addAction(label);
      a->setCheckable(true);
      a->setChecked(ground == now);
      a->setData(static_cast<int>(ground));
    }
    if (QAction* chosen = menu.exec(groundButton->mapToGlobal(QPoint(0, groundButton->height()))))
      if (editing_.world().SetGround(static_cast<TGround>(chosen->data().toInt()))) editing_.changed = true;
  });
  v->addLayout(props);
  auto* bottom = new QHBoxLayout;
  auto* update = new QGroupBox("Update");
  auto* uv = new QVBoxLayout(update);
  uv->setContentsMargins(2, 2, 2, 2);
  uv->setSpacing(0);
  UpdateGroup = new QButtonGroup(this);
  int id = 0;
  for (const char* name : {"No", "Keep", "Clear"}) {
    auto* r = new QRadioButton(name);
    UpdateGroup->addButton(r, id++);
    uv->addWidget(r);
  }
  UpdateGroup->button(0)->setChecked(true);
  auto* height = new QGroupBox("Height");
  auto* hg = new QGridLayout(height);
  hg->setContentsMargins(2, 2, 2, 2);
  hg->setSpacing(1);
  UpButton = Button("Up", 56);
  UpButton->setObjectName("UpButton");
  DownButton = Button("Down", 56);
  DownButton->setObjectName("DownButton");
  DispHeightCheck = new QCheckBox("Show");
  FixCheck = new QCheckBox("Fix");
  hg->addWidget(UpButton, 0, 0);
  hg->addWidget(DispHeightCheck, 0, 1);
  hg->addWidget(DownButton, 1, 0);
  hg->addWidget(FixCheck, 1, 1);
  update->setFixedWidth(80);
  bottom->addWidget(update);
  bottom->addWidget(height, 1);
  v->addLayout(bottom);

  connect(ThingAddButton, &QPushButton::clicked, this, [this] { ThingAddClick(); });
  connect(ThingChangeButton, &QPushButton::clicked, this, [this] { ThingChangeClick(); });
  connect(ThingDelButton, &QPushButton::clicked, this, [this] { ThingDelClick(); });
  connect(ThingList, &QListWidget::currentRowChanged, this, [this] { ThingListClick(); });
  connect(CmpList, &QListWidget::currentRowChanged, this, [this] { CmpListClick(); });
  connect(PicList, &QListWidget::currentRowChanged, this, [this] { PicListClick(); });
  connect(TestButton, &QPushButton::clicked, this, [this] { TestClick(); });
  connect(DescButton, &QPushButton::clicked, this, [this] { DescriptionClick(); });
  connect(UpdateGroup, &QButtonGroup::idClicked, this,
          [this](int mode) { editing_.update = static_cast<EditorUpdate>(mode); });
  connect(UpButton, &QPushButton::clicked, this, [this] { HeightClick(true); });
  connect(DownButton, &QPushButton::clicked, this, [this] { HeightClick(false); });
  connect(DispHeightCheck, &QCheckBox::toggled, this, [this](bool on) {
    editing_.showHeights = on;
    PlanPic->update();
  });
  connect(FixCheck, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    editing_.SetFix(on);
    PlanPic->update();
  });
  return tab;
}

QWidget* TEditForm::BuildCrittersTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  v->setContentsMargins(2, 2, 2, 2);
  v->setSpacing(2);
  auto* listRow = new QHBoxLayout;
  CritterUsedList = new QListWidget;
  CritterUsedList->setObjectName("CritterUsedList");
  listRow->addWidget(CritterUsedList);
  auto* arrows = new QVBoxLayout;
  CritterUpButton = new QToolButton;
  CritterUpButton->setArrowType(Qt::UpArrow);
  CritterDownButton = new QToolButton;
  CritterDownButton->setArrowType(Qt::DownArrow);
  arrows->addWidget(CritterUpButton);
  arrows->addWidget(CritterDownButton);
  arrows->addStretch(1);
  listRow->addLayout(arrows);
  v->addLayout(listRow, 1);
  auto* edits = new QHBoxLayout;
  CritterAddButton = Button("Add");
  CritterChangeButton = Button("Change");
  CritterDelButton = Button("Del");
  for (QPushButton* b : {CritterAddButton, CritterChangeButton, CritterDelButton}) edits->addWidget(b);
  v->addLayout(edits);
  auto* form = new QFormLayout;
  form->setSpacing(2);
  CritterNameBox = new QLineEdit;
  CritterNameBox->setObjectName("CritterNameBox");
  CritterNameBox->setMaxLength(static_cast<int>(TWorldEditing::MaxNameLength));
  CritterTypeBox = new QComboBox;
  CritterTypeBox->setObjectName("CritterTypeBox");
  form->addRow("Name", CritterNameBox);
  form->addRow("Type", CritterTypeBox);
  v->addLayout(form);
  auto* xyz = new QHBoxLayout;
  CritterXBox = SmallBox("CritterXBox", "0");
  CritterYBox = SmallBox("CritterYBox", "0");
  CritterZBox = SmallBox("CritterZBox", "0.1");
  for (auto [label, box] : {std::pair{"X", CritterXBox}, {"Y", CritterYBox}, {"Z", CritterZBox}}) {
    xyz->addWidget(new QLabel(label));
    xyz->addWidget(box);
  }
  v->addLayout(xyz);
  RotationLabel = new QLabel("Rotation: 0");
  RotationLabel->setObjectName("RotationLabel");
  v->addWidget(RotationLabel);
  auto* turns = new QHBoxLayout;
  RotateLeft4Button = Button("<<", 36);
  RotateLeftButton = Button("<", 36);
  RotateRightButton = Button(">", 36);
  RotateRight4Button = Button(">>", 36);
  for (QPushButton* b : {RotateLeft4Button, RotateLeftButton, RotateRightButton, RotateRight4Button}) turns->addWidget(b);
  v->addLayout(turns);
  auto* props = new QGridLayout;
  BrainButton = Button("Brain");
  EnergyButton = Button("Energy");
  RandomButton = Button("Random");
  SmellButton = Button("Smell");
  props->addWidget(BrainButton, 0, 0);
  props->addWidget(EnergyButton, 0, 1);
  props->addWidget(RandomButton, 1, 0);
  props->addWidget(SmellButton, 1, 1);
  v->addLayout(props);

  connect(CritterUsedList, &QListWidget::currentRowChanged, this, [this] { CritterUsedListClick(); });
  connect(CritterUpButton, &QToolButton::clicked, this, [this] { CritterMoveClick(true); });
  connect(CritterDownButton, &QToolButton::clicked, this, [this] { CritterMoveClick(false); });
  connect(CritterAddButton, &QPushButton::clicked, this, [this] { CritterAddClick(); });
  connect(CritterChangeButton, &QPushButton::clicked, this, [this] { CritterChangeClick(); });
  connect(CritterDelButton, &QPushButton::clicked, this, [this] { CritterDelClick(); });
  connect(RotateLeft4Button, &QPushButton::clicked, this, [this] { RotateClick(-2); });
  connect(RotateLeftButton, &QPushButton::clicked, this, [this] { RotateClick(-1); });
  connect(RotateRightButton, &QPushButton::clicked, this, [this] { RotateClick(1); });
  connect(RotateRight4Button, &QPushButton::clicked, this, [this] { RotateClick(2); });
  connect(BrainButton, &QPushButton::clicked, this, [this] { BrainClick(); });
  connect(EnergyButton, &QPushButton::clicked, this, [this] { EnergyClick(); });
  connect(RandomButton, &QPushButton::clicked, this, [this] { RandomClick(); });
  connect(SmellButton, &QPushButton::clicked, this, [this] { SmellClick(); });
  return tab;
}

QWidget* TEditForm::BuildTriggersTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  v->setContentsMargins(2, 2, 2, 2);
  v->setSpacing(2);
  TriggerListBox = new QListWidget;
  TriggerListBox->setObjectName("TriggerListBox");
  v->addWidget(TriggerListBox, 1);
  auto* edits = new QHBoxLayout;
  TriggerAddButton = Button("Add");
  TriggerChangeButton = Button("Change");
  TriggerDelButton = Button("Del");
  for (QPushButton* b : {TriggerAddButton, TriggerChangeButton, TriggerDelButton}) edits->addWidget(b);
  v->addLayout(edits);
  auto* form = new QFormLayout;
  form->setSpacing(2);
  TriggerOfBox = new QComboBox;
  TriggerOfBox->setObjectName("TriggerOfBox");
  TriggerByBox = new QComboBox;
  TriggerByBox->setObjectName("TriggerByBox");
  form->addRow("Trigger of", TriggerOfBox);
  form->addRow("Trigger by", TriggerByBox);
  v->addLayout(form);
  auto* corners = new QGridLayout;
  corners->setSpacing(2);
  corners->addWidget(new QLabel("X"), 0, 1);
  corners->addWidget(new QLabel("Y"), 0, 2);
  for (int k = 0; k < 4; ++k) {
    corners->addWidget(new QLabel(QString::number(k + 1)), k + 1, 0);
    CornerXBox[k] = SmallBox(QString("CornerX%1Box").arg(k + 1), "0");
    CornerYBox[k] = SmallBox(QString("CornerY%1Box").arg(k + 1), "0");
    corners->addWidget(CornerXBox[k], k + 1, 1);
    corners->addWidget(CornerYBox[k], k + 1, 2);
  }
  ZminBox = SmallBox("ZminBox", "0");
  ZmaxBox = SmallBox("ZmaxBox", "1");
  NewXBox = SmallBox("NewXBox", "0");
  NewYBox = SmallBox("NewYBox", "0");
  corners->addWidget(new QLabel("Zmin"), 5, 0);
  corners->addWidget(ZminBox, 5, 1);
  corners->addWidget(new QLabel("Zmax"), 6, 0);
  corners->addWidget(ZmaxBox, 6, 1);
  corners->addWidget(new QLabel("New"), 7, 0);
  corners->addWidget(NewXBox, 7, 1);
  corners->addWidget(NewYBox, 7, 2);
  v->addLayout(corners);

  connect(TriggerListBox, &QListWidget::currentRowChanged, this, [this] { TriggerListClick(); });
  connect(TriggerAddButton, &QPushButton::clicked, this, [this] { TriggerAddClick(); });
  connect(TriggerChangeButton, &QPushButton::clicked, this, [this] { TriggerChangeClick(); });
  connect(TriggerDelButton, &QPushButton::clicked, this, [this] { TriggerDelClick(); });
  return tab;
}

// The close question: Cancel, or a Yes whose save failed, keeps the window and the edits.
void TEditForm::closeEvent(QCloseEvent* e) {
  bool dropped = false;
  if (HasChanges() && host_.messages) {
    const Answer a = host_.messages->AskYesNoCancel("Do you want to save the changes?", "World Changed");
    if (a == Answer::Cancel || (a == Answer::Yes && !SaveChanges())) {
      e->ignore();
      return;
    }
    if (a == Answer::No) {
      ForgetChanges();
      dropped = true;
    }
  }
  e->accept();
  if (dropped && onChangesDropped) onChangesDropped();
  if (onClosed) onClosed();
}

void TEditForm::ShowViewButton() {
  // The picture shows the view the button leads to.
  const char* hint = editing_.elevation ? "Plan" : "Elevation";
  const QIcon icon = ToolPicture(editing_.elevation ? "plan" : "elevation");
  XZButton->setText(hint);
  XZButton->setToolTip(hint);
  XZButton->setAccessibleName(hint);
  if (!icon.isNull()) XZButton->setIcon(icon);
}

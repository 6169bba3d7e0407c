#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPainter>

#include "platform/Files.h"
#include "platform/IndexedImage.h"
#include "platform/KeyCodes.h"
#include "platform/WaveFile.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

// "Brain files (*.brn)|*.brn|All files|*.*" becomes Qt's ";;"-separated filter.
QString QtFilter(const std::string& filter) {
  QStringList parts = Q(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    if (!name.contains('(')) name += " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    out << name;
  }
  return out.join(";;");
}

// A wave image that wraps around forever.
class LoopDevice : public QIODevice {
 public:
  explicit LoopDevice(QByteArray data) : data_(std::move(data)) { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return data_.isEmpty() ? 0 : (1 << 16) + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* out, qint64 max) override {
    if (data_.isEmpty()) return 0;
    qint64 done = 0;
    while (done < max) {
      qint64 n = std::min<qint64>(max - done, data_.size() - pos_);
      memcpy(out + done, data_.constData() + pos_, static_cast<size_t>(n));
      done += n;
      pos_ = (pos_ + n) % data_.size();
    }
    return done;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray data_;
  qint64 pos_ = 0;
};
}  // namespace

void QtMessages::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(IconOf(icon), Q(caption), Q(text), QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtMessages::AskYesNo(const std::string& text, const std::string& caption) {
  auto r = QMessageBox::question(parent_, Q(caption), Q(text), QMessageBox::Yes | QMessageBox::No);
  return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtMessages::AskYesNoCancel(const std::string& text, const std::string& caption) {
  auto r = QMessageBox::question(parent_, Q(caption), Q(text),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  return r == QMessageBox::Yes ? Answer::Yes : r == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtClipboard::PutText(const std::string& text) { QApplication::clipboard()->setText(Q(text)); }
bool QtClipboard::HasText() { return !QApplication::clipboard()->text().isEmpty(); }
std::string QtClipboard::GetText() { return QApplication::clipboard()->text().toStdString(); }

QtKeyState::QtKeyState() {
  if (qApp) qApp->installEventFilter(this);
}

bool QtKeyState::IsKeyDown(int key) { return key >= 0 && key < 256 && down_[key]; }

int QtKeyState::KeyNumber(int k) {
  // A key node names the character on its key: every printable key counts by its Latin-1
  // code, which is Qt's key code too (letters upper-case). Keys without a character that
  // a node could name share no number with one, so "." never stands for Delete.
  if (k >= Qt::Key_Space && k <= Qt::Key_ydiaeresis) return k;
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    case Qt::Key_Backspace: return Key::Back;
    case Qt::Key_Tab: return Key::Tab;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Shift: return Key::Shift;
    case Qt::Key_Control: return Key::Control;
    case Qt::Key_Alt: return Key::Menu;
    default: return -1;
  }
}

bool QtKeyState::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    int n = KeyNumber(key->key());
    if (n >= 0 && !key->isAutoRepeat()) down_[n] = event->type() == QEvent::KeyPress;
  } else if (event->type() == QEvent::ApplicationDeactivate) {
    down_.fill(false);  // keys released while another program has the focus
  }
  return QObject::eventFilter(watched, event);
}

QtSoundOut::QtSoundOut() = default;

void QtSoundOut::FindDevice() {
  if (deviceChecked_) return;
  deviceChecked_ = true;
  if (QMediaDevices::audioOutputs().isEmpty()) silent_ = true;
}

QtSoundOut::~QtSoundOut() { StopAll(); }

void QtSoundOut::PlayOnce(const std::vector<uint8_t>& wave) { Play(wave, false); }
void QtSoundOut::PlayLoop(const std::vector<uint8_t>& wave) { Play(wave, true); }

void QtSoundOut::StopAll() {
  if (sink_) sink_->stop();
  sink_.reset();
  source_.reset();
}

void QtSoundOut::Play(const std::vector<uint8_t>& wave, bool loop) {
  FindDevice();
  if (silent_) return;
  WaveInfo info;
  if (!ParseWave(wave, info)) return;
  StopAll();
  QAudioFormat format;
  format.setSampleRate(info.sampleRate);
  format.setChannelCount(info.channels);
  format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  QByteArray pcm(reinterpret_cast<const char*>(wave.data() + info.dataOffset),
                 static_cast<qsizetype>(info.dataSize));
  if (loop) {
    source_ = std::make_unique<LoopDevice>(pcm);
  } else {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(pcm);
    buffer->open(QIODevice::ReadOnly);
    source_ = std::move(buffer);
  }
  sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
  sink_->start(source_.get());
  if (sink_->state() == QAudio::StoppedState && sink_->error() == QAudio::OpenError) {
    silent_ = true;  // no usable device: the program runs on without sound
    StopAll();
  }
}

std::string QtFileChooser::ChooseOpen(const FileChoice& choice) {
  QString keep = QDir::currentPath();
  QString name = QFileDialog::getOpenFileName(parent_, Q(choice.title), Q(choice.initialName), QtFilter(choice.filter));
  QDir::setCurrent(keep);
  return name.toStdString();
}

std::string QtFileChooser::ChooseSave(const FileChoice& choice) {
  QString keep = QDir::currentPath();
  QFileDialog dialog(parent_, Q(choice.title), Q(choice.initialName), QtFilter(choice.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Q(choice.defaultExtension));
  // The question is ours, asked of the path the dialog hands back (its default extension
  // added), so it comes once whichever dialog the desktop shows.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QString name;
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().first();
    if (!choice.promptOverwrite || MayReplaceFile(messages_, chosen.toStdString(), choice.title)) {
      name = chosen;
      break;
    }
    dialog.selectFile(chosen);
  }
  QDir::setCurrent(keep);
  return name.toStdString();
}

namespace {
QFont FontOf(const TextStyle& style) {
  QFont font(Q(style.family));
  if (style.pixelSize > 0)
    font.setPixelSize(style.pixelSize);
  else
    font.setPointSize(style.pointSize);
  font.setBold(style.bold);
  font.setStyleStrategy(QFont::NoAntialias);  // palette pictures have no in-between colours
  return font;
}
}  // namespace

void QtTextDraw::DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) {
  if (image.empty() || text.empty()) return;
  QFont font = FontOf(style);
  QFontMetrics metrics(font);
  int w = metrics.horizontalAdvance(Q(text)) + 2, h = metrics.height();
  QImage mask(w, h, QImage::Format_Grayscale8);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(0, metrics.ascent(), Q(text));
  }
  for (int j = 0; j < h; ++j) {
    const uchar* row = mask.constScanLine(j);
    for (int i = 0; i < w; ++i)
      if (row[i] > 127) image.set(x + i, y + j, style.colour);
  }
}

int QtTextDraw::TextWidth(const std::string& text, const TextStyle& style) {
  return QFontMetrics(FontOf(style)).horizontalAdvance(Q(text));
}

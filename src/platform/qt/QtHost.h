#pragma once
// The desktop's side of the seams.
#include <QAudioSink>
#include <QBuffer>
#include <QObject>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/Host.h"

class QtMessages : public IMessages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;

 private:
  QWidget* parent_;
};

class QtClipboard : public IClipboard {
 public:
  void PutText(const std::string& text) override;
  bool HasText() override;
  std::string GetText() override;
};

// Qt cannot ask whether a key is down now, so an application-wide filter keeps a table
// from the press and release events it sees.
class QtKeyState : public QObject, public IKeyState {
  Q_OBJECT
 public:
  QtKeyState();
  bool IsKeyDown(int key) override;
  // Board key number for a Qt key (letters and digits as upper-case codes); -1 if none.
  static int KeyNumber(int qtKey);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<bool, 256> down_{};
};

// Plays wave images through QAudioSink; stays silent when there is no audio device.
class QtSoundOut : public QObject, public ISoundOut {
  Q_OBJECT
 public:
  QtSoundOut();
  ~QtSoundOut() override;
  void PlayOnce(const std::vector<uint8_t>& wave) override;
  void PlayLoop(const std::vector<uint8_t>& wave) override;
  void StopAll() override;
  bool silent() const { return silent_; }
  // Asks for the audio devices once, at the first sound or when the program has time:
  // at start the question costs time whether a device answers or not.
  void FindDevice();

 private:
  void Play(const std::vector<uint8_t>& wave, bool loop);
  bool silent_ = false;
  bool deviceChecked_ = false;
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QIODevice> source_;
};

class QtFileChooser : public IFileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr, IMessages* messages = nullptr)
      : parent_(parent), messages_(messages) {}
  std::string ChooseOpen(const FileChoice& choice) override;
  // A chosen file that exists is replaced only after the learner says so (every save
  // dialog of the program comes here); No opens the dialog again.
  std::string ChooseSave(const FileChoice& choice) override;
  void SetMessages(IMessages* messages) { messages_ = messages; }

 private:
  QWidget* parent_;
  IMessages* messages_;
};

class QtTextDraw : public ITextDraw {
 public:
  void DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) override;
  int TextWidth(const std::string& text, const TextStyle& style) override;
};

// One of each, for the program.
struct QtHost {
  QtMessages messages;
  QtClipboard clipboard;
  QtKeyState keys;
  QtSoundOut sound;
  QtFileChooser files;
  QtTextDraw text;
  Host host() {
    Host h;
    h.messages = &messages;
    h.clipboard = &clipboard;
    h.keys = &keys;
    h.sound = &sound;
    files.SetMessages(&messages);
    h.files = &files;
    h.text = &text;
    return h;
  }
};

#pragma once
// Recording fakes for the seams: a test asserts what was shown, asked, played or copied.
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/Host.h"

struct ShownMessage {
  std::string text, caption;
  bool operator==(const ShownMessage&) const = default;
};

class FakeMessages : public IMessages {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
    shown.push_back({text, caption});
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override { return Ask(text, caption); }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override { return Ask(text, caption); }

  std::vector<ShownMessage> shown;
  std::vector<ShownMessage> asked;
  std::deque<Answer> answers;  // answered in order; Yes when empty

 private:
  Answer Ask(const std::string& text, const std::string& caption) {
    asked.push_back({text, caption});
    if (answers.empty()) return Answer::Yes;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

class FakeClipboard : public IClipboard {
 public:
  void PutText(const std::string& t) override { text = t; }
  bool HasText() override { return !text.empty(); }
  std::string GetText() override { return text; }
  std::string text;
};

class FakeKeys : public IKeyState {
 public:
  bool IsKeyDown(int key) override { return down.count(key) > 0; }
  std::set<int> down;
};

class FakeSound : public ISoundOut {
 public:
  enum Kind { Once, Loop, Stop };
  struct Event {
    Kind kind;
    size_t bytes;
  };
  void PlayOnce(const std::vector<uint8_t>& w) override { events.push_back({Once, w.size()}); }
  void PlayLoop(const std::vector<uint8_t>& w) override { events.push_back({Loop, w.size()}); }
  void StopAll() override { events.push_back({Stop, 0}); }
  int count(Kind k) const {
    int n = 0;
    for (const Event& e : events) n += e.kind == k;
    return n;
  }
  std::vector<Event> events;
};

class FakeFiles : public IFileChooser {
 public:
  std::string ChooseOpen(const FileChoice& c) override { return Next(c); }
  std::string ChooseSave(const FileChoice& c) override { return Next(c); }
  std::deque<std::string> answers;
  std::vector<FileChoice> asked;

 private:
  std::string Next(const FileChoice& c) {
    asked.push_back(c);
    if (answers.empty()) return {};
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
};

// Text drawn as one pixel per character, so tests can see where text went.
class FakeText : public ITextDraw {
 public:
  void DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) override;
  int TextWidth(const std::string& text, const TextStyle&) override { return static_cast<int>(text.size()) * 8; }
  std::vector<std::string> drawn;
  std::vector<int> sizes;  // the point size of each text drawn
};

struct FakeHost {
  FakeMessages messages;
  FakeClipboard clipboard;
  FakeKeys keys;
  FakeSound sound;
  FakeFiles files;
  FakeText text;
  Host host() {
    Host h;
    h.messages = &messages;
    h.clipboard = &clipboard;
    h.keys = &keys;
    h.sound = &sound;
    h.files = &files;
    h.text = &text;
    return h;
  }
};

// A fresh empty folder under the system's temporary folder, removed at destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

#pragma once
// The seams: what core asks of the desktop. Qt implements them in platform/qt;
// tests use the recording fakes in tests/support.
#include <cstdint>
#include <string>
#include <vector>

class IndexedImage;

enum class MessageIcon { None, Information, Warning, Exclamation, Error, Question };
enum class Answer { Yes, No, Cancel };

class IMessages {
 public:
  virtual ~IMessages() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon = MessageIcon::None) = 0;
  virtual Answer AskYesNo(const std::string& text, const std::string& caption) = 0;
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
};

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual void PutText(const std::string& text) = 0;
  virtual bool HasText() = 0;
  virtual std::string GetText() = 0;
};

// Key codes are the board's virtual key numbers: letters and digits as their upper-case
// character codes, the rest as listed in KeyCodes.h.
class IKeyState {
 public:
  virtual ~IKeyState() = default;
  virtual bool IsKeyDown(int key) = 0;
};

class ISoundOut {
 public:
  virtual ~ISoundOut() = default;
  // Plays a whole RIFF wave image held in memory, replacing whatever plays.
  virtual void PlayOnce(const std::vector<uint8_t>& wave) = 0;
  virtual void PlayLoop(const std::vector<uint8_t>& wave) = 0;
  virtual void StopAll() = 0;
};

struct FileChoice {
  std::string title;
  std::string filter;            // "Brain files (*.brn)|*.brn|All files (*.*)|*.*"
  std::string defaultExtension;  // "brn"
  std::string initialName;
  bool promptOverwrite = true;
};

class IFileChooser {
 public:
  virtual ~IFileChooser() = default;
  // Return the chosen path, or an empty text when the user cancelled. The working
  // folder is saved before the dialog opens and restored after it closes.
  virtual std::string ChooseOpen(const FileChoice& choice) = 0;
  virtual std::string ChooseSave(const FileChoice& choice) = 0;
};

struct TextStyle {
  std::string family = "Courier New";
  int pointSize = 10;
  int pixelSize = 0;  // when not 0, used instead of pointSize
  bool bold = false;
  uint8_t colour = 0;  // palette index
};

class ITextDraw {
 public:
  virtual ~ITextDraw() = default;
  // Draws text with its top-left at (x, y) into an 8-bit picture, in a palette colour.
  virtual void DrawText(IndexedImage& image, int x, int y, const std::string& text,
                        const TextStyle& style) = 0;
  virtual int TextWidth(const std::string& text, const TextStyle& style) = 0;
};

// Everything core may ask of the desktop, handed to the objects that need it.
struct Host {
  IMessages* messages = nullptr;
  IClipboard* clipboard = nullptr;
  IKeyState* keys = nullptr;
  ISoundOut* sound = nullptr;
  IFileChooser* files = nullptr;
  ITextDraw* text = nullptr;

  void Message(const std::string& text, const std::string& caption,
               MessageIcon icon = MessageIcon::None) const {
    if (messages) messages->ShowMessage(text, caption, icon);
  }
};

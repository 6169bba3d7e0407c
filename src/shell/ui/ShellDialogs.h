#pragma once
// The access-code dialog and the new-world dialog of the main window.
#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <string>

class TPassDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPassDlg(QWidget* parent = nullptr);
  QLineEdit* PassBox;
};

class TNewWorldDlg : public QDialog {
  Q_OBJECT
 public:
  // check returns the message that keeps the dialog open, or an empty text.
  TNewWorldDlg(QWidget* parent, std::function<std::string(const std::string&, const std::string&, const std::string&)> check,
               std::function<void(const std::string&, const std::string&)> refuse);
  void accept() override;
  QLineEdit* NameBox;
  QLineEdit* WidthBox;
  QLineEdit* LengthBox;

 private:
  std::function<std::string(const std::string&, const std::string&, const std::string&)> check_;
  std::function<void(const std::string&, const std::string&)> refuse_;
};

#pragma once
// The application object with a trap around every event it delivers: an error escaping
// a window's handler is reported and the message loop goes on.
#include <QApplication>
#include <QString>
#include <functional>

class GuardedApplication : public QApplication {
 public:
  using Report = std::function<void(const QString&)>;
  GuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `work`; an error escaping it goes to `report` and false comes back.
  static bool Guard(const std::function<bool()>& work, const Report& report);
  // The standard error display: a message box, or the error stream while one is open.
  static void ShowError(const QString& text);
};

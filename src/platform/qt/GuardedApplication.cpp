#include "platform/qt/GuardedApplication.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <new>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  return Guard([&] { return QApplication::notify(receiver, event); }, ShowError);
}

bool GuardedApplication::Guard(const std::function<bool()>& work, const Report& report) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    report("Out of memory.");
  } catch (const std::exception& e) {
    report(QString::fromUtf8(e.what()));
  } catch (...) {
    report("An unknown error occurred.");
  }
  return false;
}

void GuardedApplication::ShowError(const QString& text) {
  // A box already open runs its own loop: an error met there must not open another.
  static bool showing = false;
  if (showing || !qApp) {
    std::fprintf(stderr, "Quorbit: %s\n", text.toUtf8().constData());
    return;
  }
  showing = true;
  QMessageBox::critical(nullptr, QStringLiteral("Quorbit"), text);
  showing = false;
}

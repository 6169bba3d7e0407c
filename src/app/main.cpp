// Quorbit: draw small brains and watch them drive bodies.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <memory>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtHost.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/Manual.h"
#include "world/ui/Testwnd.h"
#include "shell/ui/MainWiring.h"
#include <chrono>

namespace {
// Content is read relative to the working folder: when started from elsewhere, move into
// the data folder (beside the program in a build, the installed share folder otherwise).
void EnterDataFolder(const QString& exeFolder) {
  if (QFileInfo::exists("quorbit.pal")) return;
  for (const QString& candidate : {exeFolder + "/data", exeFolder + "/../share/quorbit"})
    if (QFileInfo::exists(candidate + "/quorbit.pal")) {
      QDir::setCurrent(candidate);
      return;
    }
}
// A desktop session ending (SIGTERM) or Ctrl+C closes the program the normal way, so
// progress is written as on a quit and unsaved editor changes are asked about.
std::atomic<bool> endRequested{false};
void RequestEnd(int) { endRequested = true; }

// Start-up measurement (--first-paint-exit): once the main window has painted, print
// the wall clock in nanoseconds since the epoch and leave at once, writing nothing.
class FirstPaintExit : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};
}  // namespace

int main(int argc, char** argv) {
  GuardedApplication app(argc, argv);
  QApplication::setApplicationName("Quorbit");
  QApplication::setQuitOnLastWindowClosed(false);
  const QString exeFolder = QCoreApplication::applicationDirPath();
  EnterDataFolder(exeFolder);
  QtHost desktop;
  Host host = desktop.host();
  // An error escaping the making of the main window is shown and ends the program.
  std::unique_ptr<TMainForm> mainForm;
  const bool made = GuardedApplication::Guard(
      [&] {
        mainForm = std::make_unique<TMainForm>(host, exeFolder);
        return true;
      },
      GuardedApplication::ShowError);
  if (!made || !mainForm->startedOk()) return 1;
  TMainForm& main = *mainForm;
  const auto seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
  // The brain window and the manual are made after the title screen has painted.
  std::unique_ptr<TBrainForm> brains;
  std::unique_ptr<ProgramWiring> wiring;
  std::unique_ptr<THelpForm> manual;
  auto makeLaterWindows = [&] {
    brains = std::make_unique<TBrainForm>(host, seed);
    wiring = std::make_unique<ProgramWiring>(main, *brains);
    manual = std::make_unique<THelpForm>(host, [&main] { return main.shell().Progress; });
    manual->onClosed = [&main] { main.ManualClosed(); };
    main.showManual = [&manual](int page) {
      if (page < 0)
        manual->ShowManual();
      else
        manual->ShowManualPage(page);
    };
    desktop.sound.FindDevice();
    return true;
  };
  // The other windows count as window creation too: an error there ends the program.
  main.afterFirstPaint = [&] {
    if (!GuardedApplication::Guard(makeLaterWindows, GuardedApplication::ShowError)) QCoreApplication::exit(1);
  };
  FirstPaintExit firstPaint;
  if (QCoreApplication::arguments().contains("--first-paint-exit")) main.installEventFilter(&firstPaint);
  main.show();
  std::signal(SIGTERM, RequestEnd);
  std::signal(SIGINT, RequestEnd);
  QTimer endWatch;
  QObject::connect(&endWatch, &QTimer::timeout, [&main] {
    if (endRequested.exchange(false)) main.EndOnRequest();
  });
  endWatch.start(200);
  const int result = QApplication::exec();
  // The brain window goes first: nothing may reach it from the main window's end.
  main.testWorld()->world().brains = nullptr;
  main.shell().brains = nullptr;
  main.progression().brains = nullptr;
  main.progression().world = nullptr;
  return result;
}

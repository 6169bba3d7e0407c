#pragma once
// The program started from a folder of its own: a copy of the test data beside a fresh
// program folder, with no workshop worlds yet, made the working folder while it lives.
#include <QDir>
#include <filesystem>

#include "shell/ui/MainForm.h"
#include "support/Fakes.h"
#include "world/ui/Testwnd.h"

struct WorkshopFolder {
  WorkshopFolder() : keep(QDir::currentPath()) {
    std::filesystem::copy(QUORBIT_TEST_DATA_DIR, exe.file("data"), std::filesystem::copy_options::recursive);
    std::filesystem::remove_all(exe.file("data/worlds"));
    std::filesystem::create_directory(exe.file("data/worlds"));
    QDir::setCurrent(QString::fromStdString(exe.file("data")));
  }
  ~WorkshopFolder() { QDir::setCurrent(keep); }
  QString program() const { return QString::fromStdString(exe.path()); }

  TempFolder exe;
  QString keep;
};

// Ends the program the way its end does, then cuts the main window's links to a brain
// window the test made on its own, which goes before it.
inline void EndWithoutTheBrainWindow(TMainForm& main) {
  main.onEnding();
  main.shell().brains = nullptr;
  main.progression().brains = nullptr;
  main.progression().world = nullptr;
  main.testWorld()->world().brains = nullptr;
}

#include "shell/ui/MainWiring.h"

#include <QTimer>

#include "shell/ui/MainForm.h"
#include "world/ui/Testwnd.h"

ProgramWiring::ProgramWiring(TMainForm& main, TBrainForm& brains)
    : fileBrains(brains),
      gizmoBrains(brains),
      gizmoSounds(main.shell().sound),
      testHolder(main.shell()),
      loader(main.testWorld()->world(), &fileBrains, &testHolder),
      editorBrains(brains),
      editor(
          main.testWorld()->world(), main.host(), &editorBrains, &testHolder,
          [&main](int page) { main.OpenManual(page); },
          [&main] { return main.shell().Progress; }) {
  gizmoPorts = GizmoPorts{&gizmoBrains, &gizmoSounds, main.host()};
  loader.gizmoPorts = &gizmoPorts;
  TTestWorld* window = main.testWorld();
  loader.showWindow = [window, &main](bool shown) {
    if (shown) {
      main.NoteLearnerSizes();
      window->FollowWorldSize();
      main.PlaceWindows(TMainForm::WorldChange::Showing);
    }
    window->setVisible(shown);
  };
  loader.resizeWindow = [window, &main](int w, int h) {
    window->ResizeClient(w, h);
    if (window->isVisible()) main.PlaceWindows(TMainForm::WorldChange::Resized);
  };
  window->onSizeChanged = [window, &main] {
    if (window->isVisible()) main.PlaceWindows(TMainForm::WorldChange::Resized);
  };
  window->world().brains = &brains.worldBrains();
  main.shell().brains = &brains;
  main.brainWindow = &brains;
  main.progression().world = &loader;
  main.progression().brains = &brains;
  brains.SetPalette(main.palette());
  brains.onQuit = [&main] { main.EndProgram(); };
  brains.mayQuit = [&main] { return main.EditorLetsQuit(); };
  main.onEnding = [&brains] { brains.programEnding = true; };
  brains.services.showManual = [&main](int page) { main.OpenManual(page); };
  brains.services.getInterval = [&main] { return main.GetTimerInterval(); };
  brains.services.setInterval = [&main](int ms) { main.SetTimerInterval(ms); };
  brains.services.scaleDisplay = [&main](int percent) { main.ScaleDisplay(percent); };
  brains.services.getScale = [&main] { return main.ScalePercent(); };
  brains.services.getMonitorMode = [&main] { return main.shell().world ? main.shell().world->GetMonitorMode() : 0; };
  brains.services.setMonitorMode = [&main](int mode) {
    if (main.shell().world) main.shell().world->SetMonitorMode(mode);
  };
  const Host host = main.host();
  // The editor joins the layout: it opens where it covers none of the other windows.
  main.openEditor = [this, &main] {
    editor.Open();
    main.PlaceWindows();
  };
  main.editorWindow = [this]() -> QWidget* { return editor.form(); };
  editor.keepInView = &main;
  // Edits the learner turned down on closing the editor leave with the world: the page
  // reads its world afresh (after the close is over).
  editor.onChangesDropped = [&main] {
    QTimer::singleShot(0, &main, [&main] {
      const int page = main.shell().CurrentPage;
      main.progression().UnloadWorld();
      if (main.shell().CurrentBook > 0) main.progression().ShowPage(page);
    });
  };
  main.progression().editor = &editor;
  main.shell().editor = &editor;
  main.newWorld = [host](const std::string& name, int x, int y) { return TWorldFile::NewWorld(host, name, x, y); };
}

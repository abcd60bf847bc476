#include "App.h"

namespace fennick {

int RunApplication() {
  arx::app::AppInitArgs args("MainMenu", "ArxMainMenu");
  {
    App app;
    app.PreInitialize();
    app.InitializeLocalizer(args);
    if (app.Initialize(args)) app.RunEventLoop();
    app.Terminate();
  }
  return 0;
}

}  // namespace fennick

#pragma once
#include <string>
#include <vector>

namespace arx::app {

// The start-up arguments of the application framework.
struct AppInitArgs {
  AppInitArgs(const std::string& mainMenu, const std::string& frameworkMenu)
      : mainMenuResources{mainMenu, frameworkMenu} {}

  std::vector<std::string> mainMenuResources;
  // Whether the framework opens its windows when the application starts.
  bool openWindowsAtStart = true;
};

}  // namespace arx::app

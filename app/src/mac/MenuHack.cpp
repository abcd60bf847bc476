#include "mac/MenuHack.h"

#include "App.h"
#include "os/Application.h"

namespace fennick {

MenuHack& MenuHack::Class() {
  static MenuHack target;
  return target;
}

void MenuHack::PerformAction(const std::string& selector, void* sender) {
  if (selector == "onTrayMenuClick:")
    onTrayMenuClick(sender);
  else if (selector == "showTrayMenu:")
    showTrayMenu(sender);
  else if (selector == "bringAppToFront:")
    bringAppToFront(sender);
}

void MenuHack::onTrayMenuClick(void*) {
  if (App* app = App::GetFennickApp()) app->OnTrayMenuClick();
}

void MenuHack::showTrayMenu(void*) {
  if (App* app = App::GetFennickApp()) app->ShowTrayMenu();
}

void MenuHack::bringAppToFront(void*) { os::Application::Shared().ActivateIgnoringOtherApps(true); }

}  // namespace fennick

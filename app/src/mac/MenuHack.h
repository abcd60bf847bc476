#pragma once
// The status item's and the tray timer's target: it forwards its three actions to the one
// application object.
#include "os/ActionTarget.h"

namespace fennick {

class MenuHack : public os::ActionTarget {
 public:
  // The class itself, as a target.
  static MenuHack& Class();

  // "onTrayMenuClick:", "showTrayMenu:" and "bringAppToFront:"; other selectors do nothing.
  void PerformAction(const std::string& selector, void* sender) override;

  static void onTrayMenuClick(void* sender);
  static void showTrayMenu(void* sender);
  static void bringAppToFront(void* sender);
};

}  // namespace fennick

#include "os/Screen.h"

#include "os/testing.h"

namespace os {

namespace {

std::vector<Screen> DefaultScreens() {
  const ScreenRect whole{0, 0, 1440, 900};
  return {Screen{whole, whole}};
}

std::vector<Screen>& Current() {
  static std::vector<Screen> screens = DefaultScreens();
  return screens;
}

}  // namespace

std::vector<Screen> Screens() { return Current(); }

namespace testing {

void SetScreens(const std::vector<Screen>& screens) { Current() = screens.empty() ? DefaultScreens() : screens; }

}  // namespace testing

}  // namespace os

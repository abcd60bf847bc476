#include "zelworkspace/MonitorInfo.h"

#include "os/Screen.h"
#include "os/testing.h"
#include "zelworkspace/testing.h"

namespace zelworkspace {

const MonitorInfo& MonitorInfo::Get() {
  static const MonitorInfo monitors;
  return monitors;
}

int MonitorInfo::GetMonitorCount() const { return static_cast<int>(os::Screens().size()); }

Rect MonitorInfo::GetMonitorRect(int index) const {
  const std::vector<os::Screen> screens = os::Screens();
  if (index < 0 || index >= static_cast<int>(screens.size())) return Rect{};
  const os::ScreenRect& frame = screens[static_cast<std::size_t>(index)].frame;
  return Rect{static_cast<float>(frame.left), static_cast<float>(frame.top), static_cast<float>(frame.width),
              static_cast<float>(frame.height)};
}

namespace testing {

void SetMonitors(const std::vector<Rect>& rects) {
  std::vector<os::Screen> screens;
  for (const Rect& r : rects) {
    const os::ScreenRect frame{r.left, r.top, r.width, r.height};
    screens.push_back(os::Screen{frame, frame});
  }
  os::testing::SetScreens(screens);
}

}  // namespace testing

}  // namespace zelworkspace

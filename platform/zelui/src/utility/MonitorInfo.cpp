#include "zelui/utility/MonitorInfo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "os/Screen.h"
#include "zelui/testing.h"

namespace zelui::utility {

namespace {

int gLiveMonitorInfos = 0;

int ToPixel(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::round(value);
  if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

zelcore::Rect32 ToRect(const os::ScreenRect& r) {
  return {ToPixel(r.left), ToPixel(r.top), ToPixel(r.width), ToPixel(r.height)};
}

double Overlap(double aStart, double aLength, double bStart, double bLength) {
  return std::max(0.0, std::min(aStart + aLength, bStart + bLength) - std::max(aStart, bStart));
}

// How far a point lies from a rectangle (0 inside it).
double Distance(double x, double y, const zelcore::Rect32& r) {
  const double dx = std::max({static_cast<double>(r.left) - x, 0.0, x - (static_cast<double>(r.left) + r.width)});
  const double dy = std::max({static_cast<double>(r.top) - y, 0.0, y - (static_cast<double>(r.top) + r.height)});
  return std::hypot(dx, dy);
}

}  // namespace

OS_MonitorInfo::OS_MonitorInfo(bool visibleArea) : mVisibleArea(visibleArea) { ++gLiveMonitorInfos; }

OS_MonitorInfo::~OS_MonitorInfo() { --gLiveMonitorInfos; }

int OS_MonitorInfo::GetMonitorCount() const { return static_cast<int>(os::Screens().size()); }

bool OS_MonitorInfo::GetMonitorRect(int index, zelcore::Rect32& rect) const {
  const std::vector<os::Screen> screens = os::Screens();
  if (index < 0 || index >= static_cast<int>(screens.size())) return false;
  const os::Screen& screen = screens[static_cast<std::size_t>(index)];
  rect = ToRect(mVisibleArea ? screen.visibleFrame : screen.frame);
  return true;
}

zelcore::Rect32 OS_MonitorInfo::GetMonitorRectFromRect(const zelcore::Rect32& rect) const {
  std::vector<zelcore::Rect32> monitors;
  for (int i = 0; i < GetMonitorCount(); ++i) {
    zelcore::Rect32 monitor;
    if (GetMonitorRect(i, monitor)) monitors.push_back(monitor);
  }
  if (monitors.empty()) return {};
  const double centreX = rect.left + rect.width / 2.0;
  const double centreY = rect.top + rect.height / 2.0;
  std::size_t best = 0;
  double bestArea = -1;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const zelcore::Rect32& m = monitors[i];
    const double area = Overlap(rect.left, rect.width, m.left, m.width) * Overlap(rect.top, rect.height, m.top, m.height);
    const double distance = Distance(centreX, centreY, m);
    if (area > bestArea || (area == bestArea && area == 0 && distance < bestDistance)) {
      best = i;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return monitors[best];
}

}  // namespace zelui::utility

namespace zelui::testing {

int LiveMonitorInfos() { return utility::gLiveMonitorInfos; }

}  // namespace zelui::testing

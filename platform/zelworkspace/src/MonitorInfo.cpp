#include "zelworkspace/MonitorInfo.h"

#include "zelworkspace/testing.h"

namespace zelworkspace {

namespace {
MonitorInfo& Monitors() {
  static MonitorInfo monitors;
  return monitors;
}
}  // namespace

const MonitorInfo& MonitorInfo::Get() { return Monitors(); }

Rect MonitorInfo::GetMonitorRect(int index) const {
  if (index < 0 || index >= GetMonitorCount()) return Rect{};
  return mRects[static_cast<std::size_t>(index)];
}

struct MonitorAccess {
  static void Set(const std::vector<Rect>& rects) {
    Monitors().mRects = rects.empty() ? std::vector<Rect>{Rect{0, 0, 1440, 900}} : rects;
  }
};

namespace testing {
void SetMonitors(const std::vector<Rect>& rects) { MonitorAccess::Set(rects); }
}  // namespace testing

}  // namespace zelworkspace

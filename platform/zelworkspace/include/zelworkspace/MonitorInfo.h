#pragma once
// The monitors the workspace's windows can be placed on.
#include <vector>

namespace zelworkspace {

struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

class MonitorInfo {
 public:
  static const MonitorInfo& Get();

  int GetMonitorCount() const { return static_cast<int>(mRects.size()); }
  // The rectangle of the monitor at the 0-based index; an empty one past the last monitor.
  Rect GetMonitorRect(int index) const;

 private:
  friend struct MonitorAccess;
  std::vector<Rect> mRects{Rect{0, 0, 1440, 900}};
};

}  // namespace zelworkspace

#pragma once
// The monitors the workspace's windows can be placed on.

namespace zelworkspace {

struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// The platform's screens, read at each call.
class MonitorInfo {
 public:
  static const MonitorInfo& Get();

  int GetMonitorCount() const;
  // The frame of the monitor at the 0-based index; an empty one past the last monitor.
  Rect GetMonitorRect(int index) const;
};

}  // namespace zelworkspace

#pragma once
// The displays as the UI framework sees them: their count and rectangles, in whole pixels, the
// main display first.
#include "zelcore/Geometry.h"

namespace zelui::utility {

class MonitorInfo {
 public:
  MonitorInfo() = default;
  MonitorInfo(const MonitorInfo&) = delete;
  MonitorInfo& operator=(const MonitorInfo&) = delete;
  virtual ~MonitorInfo() = default;

  virtual int GetMonitorCount() const = 0;
  // The rectangle of the monitor at the 0-based index; false for an index with no monitor.
  virtual bool GetMonitorRect(int index, zelcore::Rect32& rect) const = 0;
  // The rectangle of the monitor the given rectangle lies on: the one it overlaps most, else
  // the one nearest to its centre.
  virtual zelcore::Rect32 GetMonitorRectFromRect(const zelcore::Rect32& rect) const = 0;
};

// Over the platform's screens, read at each call: with visibleArea, their visible frames (without
// menu bar and dock), otherwise their whole frames.
class OS_MonitorInfo : public MonitorInfo {
 public:
  explicit OS_MonitorInfo(bool visibleArea);
  ~OS_MonitorInfo() override;

  int GetMonitorCount() const override;
  bool GetMonitorRect(int index, zelcore::Rect32& rect) const override;
  zelcore::Rect32 GetMonitorRectFromRect(const zelcore::Rect32& rect) const override;

 private:
  bool mVisibleArea;
};

}  // namespace zelui::utility

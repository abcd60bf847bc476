#pragma once
// Track views of the application framework: a scrolling data area shown in a view on the
// platform's side, drawn through layers of overlays (Overlay.h), with mouse trackers for drags
// (Tracker.h). A track view maps its data coordinates to the view's local ones: the data area's
// top-left corner is the local origin, and a data unit spans the scale in local units.
#include <memory>
#include <vector>

#include "zelui/ui/Geometry.h"

namespace arx::trackview {

using PointF = zelui::ui::PointF;
using RectF = zelui::ui::RectF;

// The view a track view is shown in, on the platform's side.
class PlatformView {
 public:
  PlatformView() = default;
  PlatformView(const PlatformView&) = delete;
  PlatformView& operator=(const PlatformView&) = delete;
  virtual ~PlatformView();
};

// The toolkit's own platform view. Nothing is drawn here: each request is recorded.
class OS_TrackViewPlatformView : public PlatformView {
 public:
  // Redraws what is invalid at once.
  void UpdateNow() { ++mUpdates; }
  // Marks the rectangle (local coordinates) as needing a redraw, at once.
  void InvalidateNow(const RectF& rect) { mInvalidated.push_back(rect); }

  int UpdateCount() const { return mUpdates; }
  const std::vector<RectF>& InvalidatedRects() const { return mInvalidated; }

 private:
  int mUpdates = 0;
  std::vector<RectF> mInvalidated;
};

class TrackView {
 public:
  // An empty data area at the origin, a scale of 1 and a platform view of the toolkit's own.
  TrackView();
  TrackView(const TrackView&) = delete;
  TrackView& operator=(const TrackView&) = delete;
  virtual ~TrackView();

  // The part of the data shown, in data coordinates.
  RectF DataArea() const { return mDataArea; }
  void SetDataArea(const RectF& area) { mDataArea = area; }
  // Local units per data unit, across and down.
  void SetScale(float horizontal, float vertical);
  PointF DataToLocal(const PointF& point) const;
  RectF DataToLocal(const RectF& rect) const;

  // The view the track view is shown in; never null.
  PlatformView* GetPlatformView() const { return mPlatformView.get(); }
  // Replaces the platform view (null keeps the current one).
  void SetPlatformView(std::unique_ptr<PlatformView> view);

 private:
  RectF mDataArea;
  float mScaleX = 1, mScaleY = 1;
  std::unique_ptr<PlatformView> mPlatformView;
};

}  // namespace arx::trackview

// Track views, overlays, trackers and drag interfaces, with the counts of those alive.
#include <atomic>
#include <utility>

#include "arx/trackview/Overlay.h"
#include "arx/trackview/TrackView.h"
#include "arx/trackview/TrackViewTesting.h"
#include "arx/trackview/Tracker.h"

namespace arx::trackview {

namespace {

std::atomic<int> gTrackViews{0};
std::atomic<int> gOverlays{0};
std::atomic<int> gTrackers{0};
std::atomic<int> gInterfaces{0};

}  // namespace

PlatformView::~PlatformView() = default;

TrackView::TrackView() : mPlatformView(std::make_unique<OS_TrackViewPlatformView>()) { ++gTrackViews; }

TrackView::~TrackView() { --gTrackViews; }

void TrackView::SetScale(float horizontal, float vertical) {
  mScaleX = horizontal;
  mScaleY = vertical;
}

PointF TrackView::DataToLocal(const PointF& point) const {
  return {(point.x - mDataArea.left) * mScaleX, (point.y - mDataArea.top) * mScaleY};
}

RectF TrackView::DataToLocal(const RectF& rect) const {
  const PointF topLeft = DataToLocal(PointF{rect.left, rect.top});
  return {topLeft.x, topLeft.y, rect.width * mScaleX, rect.height * mScaleY};
}

void TrackView::SetPlatformView(std::unique_ptr<PlatformView> view) {
  if (view) mPlatformView = std::move(view);
}

Overlay::Overlay(LayerType layerType, State state) : mLayerType(layerType), mState(state) { ++gOverlays; }

Overlay::~Overlay() { --gOverlays; }

void Overlay::DoImageRect(const RectF&, limner::Limner&, const zelui::ui::Theme&) {}

bool Overlay::DoDoubleClick(std::uint8_t, const PointF&) { return false; }

bool Overlay::DoContextMenu(const PointF&, zelui::ui::UI_Node*) { return false; }

std::unique_ptr<Tracker> Overlay::DoAcquireTracker(const PointF&, bool, TrackerDragAndDropInterface*) {
  return nullptr;
}

Tracker::Tracker(TrackView* trackView, bool autoScroll, bool capturesMouse)
    : mTrackView(trackView), mAutoScroll(autoScroll), mCapturesMouse(capturesMouse) {
  ++gTrackers;
}

Tracker::~Tracker() { --gTrackers; }

void Tracker::BeginTracking(std::uint8_t, const PointF&, bool) {}

void Tracker::ContinueTracking(std::uint8_t, const PointF&) {}

void Tracker::EndTracking(std::uint8_t, const PointF&, bool) {}

bool Tracker::DoCursor(std::uint8_t, const PointF&) { return false; }

TrackerDragAndDropInterface::TrackerDragAndDropInterface(zelui::datatransfer::DataSet data)
    : mData(std::make_unique<zelui::datatransfer::OS_DropReceiveData>(std::move(data))) {
  ++gInterfaces;
}

TrackerDragAndDropInterface::~TrackerDragAndDropInterface() {
  // A notice may cancel others (or itself) while it runs: the list is taken first.
  std::map<int, std::function<void()>> notices;
  notices.swap(mNotices);
  for (auto& [id, notify] : notices) notify();
  --gInterfaces;
}

int TrackerDragAndDropInterface::NotifyWhenGoing(std::function<void()> function) {
  const int id = mNextNotice++;
  mNotices.emplace(id, std::move(function));
  return id;
}

void TrackerDragAndDropInterface::CancelNotice(int id) { mNotices.erase(id); }

}  // namespace arx::trackview

namespace arx::testing {

int LiveTrackViews() { return trackview::gTrackViews; }
int LiveOverlays() { return trackview::gOverlays; }
int LiveTrackers() { return trackview::gTrackers; }
int LiveDragAndDropInterfaces() { return trackview::gInterfaces; }

}  // namespace arx::testing

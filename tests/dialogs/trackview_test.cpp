// Track views of the application framework stand-in: data-to-local mapping, the platform view's
// records, overlays and trackers driven through their virtual hooks, and drag interfaces that
// tell those who asked when they go.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "arx/testing.h"
#include "arx/trackview/Overlay.h"
#include "arx/trackview/TrackView.h"
#include "arx/trackview/Tracker.h"

namespace tv = arx::trackview;

TEST(TrackView, MapsDataToLocalCoordinates) {
  struct Row {
    const char* name;
    tv::RectF area;
    float scaleX, scaleY;
    tv::PointF point, localPoint;
    tv::RectF rect, localRect;
  };
  const Row rows[] = {
      {"identity", {0, 0, 0, 0}, 1, 1, {3, 4}, {3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}},
      {"scrolled", {100, 50, 400, 300}, 1, 1, {150, 60}, {50, 10}, {100, 50, 10, 20}, {0, 0, 10, 20}},
      {"zoomed", {10, 0, 0, 0}, 4, 0.5f, {12, 8}, {8, 4}, {11, 2, 3, 4}, {4, 1, 12, 2}},
  };
  for (const Row& row : rows) {
    tv::TrackView view;
    view.SetDataArea(row.area);
    view.SetScale(row.scaleX, row.scaleY);
    EXPECT_EQ(view.DataArea(), row.area) << row.name;
    EXPECT_EQ(view.DataToLocal(row.point), row.localPoint) << row.name;
    EXPECT_EQ(view.DataToLocal(row.rect), row.localRect) << row.name;
  }
}

TEST(TrackView, PlatformViewRecordsAndMayBeAnotherKind) {
  tv::TrackView view;
  auto* own = dynamic_cast<tv::OS_TrackViewPlatformView*>(view.GetPlatformView());
  ASSERT_NE(own, nullptr) << "the toolkit's own view by default";
  own->UpdateNow();
  own->InvalidateNow({1, 2, 3, 4});
  EXPECT_EQ(own->UpdateCount(), 1);
  EXPECT_EQ(own->InvalidatedRects(), (std::vector<tv::RectF>{{1, 2, 3, 4}}));

  view.SetPlatformView(nullptr);
  EXPECT_EQ(view.GetPlatformView(), own) << "null keeps the view";
  view.SetPlatformView(std::make_unique<tv::PlatformView>());
  EXPECT_EQ(dynamic_cast<tv::OS_TrackViewPlatformView*>(view.GetPlatformView()), nullptr);
}

namespace {

class LoggingTracker : public tv::Tracker {
 public:
  LoggingTracker(tv::TrackView* view, std::vector<std::string>& log) : Tracker(view, true, true), mLog(log) {}
  void BeginTracking(std::uint8_t flags, const tv::PointF& point, bool) override { Log("begin", flags, point); }
  void ContinueTracking(std::uint8_t flags, const tv::PointF& point) override { Log("continue", flags, point); }
  void EndTracking(std::uint8_t flags, const tv::PointF& point, bool) override { Log("end", flags, point); }

 private:
  void Log(const char* step, std::uint8_t flags, const tv::PointF& point) {
    mLog.push_back(std::string(step) + " " + std::to_string(flags) + " " + std::to_string(int(point.x)));
  }
  std::vector<std::string>& mLog;
};

// Gives a tracker only for a drag that offers data, and wants drags.
class DropOverlay : public tv::Overlay {
 public:
  DropOverlay(tv::TrackView& view, std::vector<std::string>& log)
      : Overlay(Overlay_Editing, Overlay_Enabled), mView(view), mLog(log) {}
  std::unique_ptr<tv::Tracker> DoAcquireTracker(const tv::PointF&, bool, tv::TrackerDragAndDropInterface* drop) override {
    if (drop == nullptr) return nullptr;
    drop->SetDropEffect(zelui::datatransfer::kDropEffectCopy);
    return std::make_unique<LoggingTracker>(&mView, mLog);
  }
  bool DoWantsDragDropEvents() const override { return true; }

 private:
  tv::TrackView& mView;
  std::vector<std::string>& mLog;
};

}  // namespace

TEST(Overlays, HooksDefaultToNothingAndOverridesAreReached) {
  tv::TrackView view;
  tv::Overlay plain(tv::Overlay::Overlay_Floating, tv::Overlay::Overlay_Disabled);
  EXPECT_EQ(plain.GetLayerType(), tv::Overlay::Overlay_Floating);
  plain.SetState(static_cast<tv::Overlay::State>(7));
  EXPECT_EQ(plain.GetState(), 7) << "kept as given";
  EXPECT_FALSE(plain.DoDoubleClick(0, {1, 1}));
  EXPECT_FALSE(plain.DoContextMenu({1, 1}, nullptr));
  EXPECT_EQ(plain.DoAcquireTracker({1, 1}, false, nullptr), nullptr);
  EXPECT_FALSE(plain.DoWantsDragDropEvents());

  std::vector<std::string> log;
  std::unique_ptr<tv::Overlay> overlay = std::make_unique<DropOverlay>(view, log);
  EXPECT_TRUE(overlay->DoWantsDragDropEvents());
  EXPECT_EQ(overlay->DoAcquireTracker({5, 5}, false, nullptr), nullptr);
  {
    zelui::datatransfer::DataSet data;
    data.values[zelui::datatransfer::kUnicodeTextDataType] = u"dropped";
    tv::TrackerDragAndDropInterface drop(data);
    EXPECT_EQ(drop.GetReceiveData()->GetAsText(), u"dropped");
    // The framework owns the tracker it is given, for the length of the drag.
    std::unique_ptr<tv::Tracker> tracker = overlay->DoAcquireTracker({5, 5}, true, &drop);
    ASSERT_NE(tracker, nullptr);
    EXPECT_EQ(drop.GetDropEffect(), zelui::datatransfer::kDropEffectCopy);
    EXPECT_EQ(tracker->GetTrackView(), &view);
    EXPECT_EQ(arx::testing::LiveTrackers(), 1);
    tracker->BeginTracking(1, {5, 5}, true);
    tracker->ContinueTracking(2, {6, 5});
    tracker->EndTracking(3, {7, 5}, false);
    EXPECT_FALSE(tracker->DoCursor(0, {7, 5}));
  }
  EXPECT_EQ(log, (std::vector<std::string>{"begin 1 5", "continue 2 6", "end 3 7"}));
  EXPECT_EQ(arx::testing::LiveTrackers(), 0);
  EXPECT_EQ(arx::testing::LiveDragAndDropInterfaces(), 0);
  overlay.reset();
  EXPECT_EQ(arx::testing::LiveOverlays(), 1) << "the plain one";
}

TEST(DragAndDropInterface, TellsThoseWhoAskedWhenItGoes) {
  std::vector<std::string> told;
  {
    tv::TrackerDragAndDropInterface drop({});
    int second = 0;
    drop.NotifyWhenGoing([&] {
      told.push_back("first");
      drop.CancelNotice(second);  // too late: every notice asked for is told
    });
    second = drop.NotifyWhenGoing([&] { told.push_back("second"); });
    const int cancelled = drop.NotifyWhenGoing([&] { told.push_back("cancelled"); });
    drop.CancelNotice(cancelled);
    drop.CancelNotice(cancelled);
    drop.CancelNotice(999);
    EXPECT_TRUE(told.empty());
  }
  EXPECT_EQ(told, (std::vector<std::string>{"first", "second"}));
}

#pragma once
// Mouse trackers of track views, and what a tracker of a drag sees of the drop. A tracker
// follows one drag from the press to the release; the framework owns the trackers overlays
// give it and destroys each when its drag ends.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "arx/trackview/TrackView.h"
#include "zelui/datatransfer/DataTransfer.h"

namespace arx::trackview {

class Tracker {
 public:
  // For the track view (not owned), with the framework's two options kept as given.
  Tracker(TrackView* trackView, bool autoScroll, bool capturesMouse);
  Tracker(const Tracker&) = delete;
  Tracker& operator=(const Tracker&) = delete;
  virtual ~Tracker();

  TrackView* GetTrackView() const { return mTrackView; }
  bool GetAutoScroll() const { return mAutoScroll; }
  bool GetCapturesMouse() const { return mCapturesMouse; }

  // The steps of a drag, with the modifier flags and the point (local coordinates); the flags of
  // the begin and end steps are the framework's. DoCursor is true when it set the cursor.
  virtual void BeginTracking(std::uint8_t flags, const PointF& point, bool flag);
  virtual void ContinueTracking(std::uint8_t flags, const PointF& point);
  virtual void EndTracking(std::uint8_t flags, const PointF& point, bool flag);
  virtual bool DoCursor(std::uint8_t flags, const PointF& point);

 private:
  TrackView* mTrackView;
  bool mAutoScroll;
  bool mCapturesMouse;
};

// A drag over a track view as its tracker sees it: the data offered, and the drop effect the
// tracker would give. It lives for one drag; those who keep a pointer to it ask to be told when
// it goes.
class TrackerDragAndDropInterface {
 public:
  // Over the data the drag offers, which the interface owns.
  explicit TrackerDragAndDropInterface(zelui::datatransfer::DataSet data);
  TrackerDragAndDropInterface(const TrackerDragAndDropInterface&) = delete;
  TrackerDragAndDropInterface& operator=(const TrackerDragAndDropInterface&) = delete;
  // Tells each notice still asked for, in the order asked.
  virtual ~TrackerDragAndDropInterface();

  // One of the framework's drop effects (zelui::datatransfer::DropEffect); kept as given.
  void SetDropEffect(int effect) { mDropEffect = effect; }
  int GetDropEffect() const { return mDropEffect; }
  // The data offered; never null while the interface lives.
  zelui::datatransfer::OS_ReceiveDataBase* GetReceiveData() const { return mData.get(); }

  // Calls the function when the interface goes; returns the notice's id for CancelNotice.
  int NotifyWhenGoing(std::function<void()> function);
  // An id already cancelled or never given changes nothing.
  void CancelNotice(int id);

 private:
  int mDropEffect = zelui::datatransfer::kDropEffectNone;
  std::unique_ptr<zelui::datatransfer::OS_ReceiveDataBase> mData;
  std::map<int, std::function<void()>> mNotices;
  int mNextNotice = 1;
};

}  // namespace arx::trackview

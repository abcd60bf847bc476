#pragma once
// The main thread's run loop: timers and observers registered by mode, and the clock they run
// on. The application's event loop makes one pass of it in the default mode on every turn, so
// timers fire once their time has come and observers hear of each pass. The clock follows real
// time; a test takes it over (os::testing::TakeOverRunLoopClock) and moves it by hand.
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace os {

// Modes by name. The common modes stand for the default and the event-tracking mode together:
// what is added to or removed from them is added to or removed from each.
using RunLoopMode = std::string;
inline const RunLoopMode kCFRunLoopDefaultMode = "kCFRunLoopDefaultMode";
inline const RunLoopMode NSEventTrackingRunLoopMode = "NSEventTrackingRunLoopMode";
inline const RunLoopMode kCFRunLoopCommonModes = "kCFRunLoopCommonModes";

// The moments of a pass that observers hear of.
using CFRunLoopActivity = unsigned;
constexpr CFRunLoopActivity kCFRunLoopBeforeTimers = 1u << 1;
constexpr CFRunLoopActivity kCFRunLoopBeforeWaiting = 1u << 5;

// A timer: its callback runs once the fire date has come, and again every interval when the
// interval is above 0. A timer that fell behind by several intervals fires once and then keeps to
// its schedule. A one-shot timer is invalid once it has fired; an invalid timer never fires again.
class RunLoopTimer {
 public:
  using Callback = std::function<void(RunLoopTimer& timer)>;

  RunLoopTimer(double fireDate, double interval, Callback callback)
      : mFireDate(fireDate), mInterval(interval), mCallback(std::move(callback)) {}
  virtual ~RunLoopTimer() = default;
  RunLoopTimer(const RunLoopTimer&) = delete;
  RunLoopTimer& operator=(const RunLoopTimer&) = delete;

  double NextFireDate() const { return mFireDate; }
  bool IsValid() const { return mValid; }
  // Stops the timer for good; the run loop lets it go.
  void Invalidate() { mValid = false; }

 private:
  friend class RunLoop;
  double mFireDate;
  double mInterval;
  Callback mCallback;
  bool mValid = true;
};

// An observer: its callback runs at each moment of a pass that is among its activities; one that
// does not repeat runs once and is then invalid.
class RunLoopObserver {
 public:
  using Callback = std::function<void(RunLoopObserver& observer, CFRunLoopActivity activity)>;

  RunLoopObserver(CFRunLoopActivity activities, bool repeats, Callback callback)
      : mActivities(activities), mRepeats(repeats), mCallback(std::move(callback)) {}
  RunLoopObserver(const RunLoopObserver&) = delete;
  RunLoopObserver& operator=(const RunLoopObserver&) = delete;

  bool IsValid() const { return mValid; }
  void Invalidate() { mValid = false; }

 private:
  friend class RunLoop;
  CFRunLoopActivity mActivities;
  bool mRepeats;
  Callback mCallback;
  bool mValid = true;
};

class RunLoop {
 public:
  // The main thread's run loop, which the application's event loop runs.
  static RunLoop& Main();

  // Seconds on the run loop's clock.
  double Now() const;

  // The run loop holds what is added to it while it is in at least one mode. Adding what is
  // already in the mode, or removing what is not, changes nothing.
  void AddTimer(const std::shared_ptr<RunLoopTimer>& timer, const RunLoopMode& mode);
  void RemoveTimer(const std::shared_ptr<RunLoopTimer>& timer, const RunLoopMode& mode);
  void AddObserver(const std::shared_ptr<RunLoopObserver>& observer, const RunLoopMode& mode);
  void RemoveObserver(const std::shared_ptr<RunLoopObserver>& observer, const RunLoopMode& mode);

  // One pass in the mode: the observers hear "before timers", every timer of the mode that is
  // due by now fires, in time order, and the observers hear "before waiting". Returns how many
  // timers fired. A callback may add, remove or invalidate anything, and may run a pass of its
  // own.
  int RunOnce(const RunLoopMode& mode);

  // How long a loop running in the mode may wait before its next timer is due (0 when one is due
  // already); nullopt when the mode has no timer, or when a test holds the clock (its time passes
  // only when the test moves it).
  std::optional<double> TimeUntilNextTimer(const RunLoopMode& mode) const;

 private:
  friend struct RunLoopAccess;
  template <typename Item>
  struct Entry {
    std::shared_ptr<Item> item;
    std::set<RunLoopMode> modes;
  };

  // Fires the timers of the mode that are due by the time, in time order; a taken-over clock
  // stands at each timer's fire date while it fires.
  int FireTimers(const RunLoopMode& mode, double until);
  std::shared_ptr<RunLoopTimer> NextDue(const RunLoopMode& mode, double until) const;
  void Notify(CFRunLoopActivity activity, const RunLoopMode& mode);
  void DropUnused();

  std::vector<Entry<RunLoopTimer>> mTimers;
  std::vector<Entry<RunLoopObserver>> mObservers;
  bool mClockTakenOver = false;
  double mHeldNow = 0;
};

}  // namespace os

#include "os/RunLoop.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "os/testing.h"

namespace os {

namespace {

// The modes a mode name stands for.
std::vector<RunLoopMode> Expand(const RunLoopMode& mode) {
  if (mode == kCFRunLoopCommonModes) return {kCFRunLoopDefaultMode, NSEventTrackingRunLoopMode};
  return {mode};
}

template <typename Entries, typename Item>
void Add(Entries& entries, const std::shared_ptr<Item>& item, const RunLoopMode& mode) {
  if (!item) return;
  auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.item == item; });
  if (it == entries.end()) {
    entries.push_back({item, {}});
    it = entries.end() - 1;
  }
  for (const RunLoopMode& m : Expand(mode)) it->modes.insert(m);
}

template <typename Entries, typename Item>
void Remove(Entries& entries, const std::shared_ptr<Item>& item, const RunLoopMode& mode) {
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.item == item; });
  if (it == entries.end()) return;
  for (const RunLoopMode& m : Expand(mode)) it->modes.erase(m);
  // In no mode any more: let it go now.
  if (it->modes.empty()) entries.erase(it);
}

// Real time in seconds, from a fixed point early in the process.
double RealSeconds() {
  static const auto start = std::chrono::steady_clock::now();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

RunLoop& RunLoop::Main() {
  static RunLoop loop;
  return loop;
}

double RunLoop::Now() const { return mClockTakenOver ? mHeldNow : RealSeconds(); }

void RunLoop::AddTimer(const std::shared_ptr<RunLoopTimer>& timer, const RunLoopMode& mode) { Add(mTimers, timer, mode); }
void RunLoop::RemoveTimer(const std::shared_ptr<RunLoopTimer>& timer, const RunLoopMode& mode) {
  Remove(mTimers, timer, mode);
}
void RunLoop::AddObserver(const std::shared_ptr<RunLoopObserver>& observer, const RunLoopMode& mode) {
  Add(mObservers, observer, mode);
}
void RunLoop::RemoveObserver(const std::shared_ptr<RunLoopObserver>& observer, const RunLoopMode& mode) {
  Remove(mObservers, observer, mode);
}

std::shared_ptr<RunLoopTimer> RunLoop::NextDue(const RunLoopMode& mode, double until) const {
  std::shared_ptr<RunLoopTimer> next;
  for (const auto& entry : mTimers) {
    const RunLoopTimer& timer = *entry.item;
    if (!timer.mValid || timer.mFireDate > until || entry.modes.count(mode) == 0) continue;
    if (!next || timer.mFireDate < next->mFireDate) next = entry.item;
  }
  return next;
}

int RunLoop::FireTimers(const RunLoopMode& mode, double until) {
  int fired = 0;
  // Each round looks afresh, as a callback may change the timers.
  while (std::shared_ptr<RunLoopTimer> timer = NextDue(mode, until)) {
    if (mClockTakenOver) mHeldNow = std::max(mHeldNow, timer->mFireDate);
    const double now = Now();
    // The timer's next date is settled before its callback runs, so that the callback (or a pass
    // it runs) never fires it twice, and may schedule or invalidate it.
    // A behind timer skips to the first date of its schedule after now; a date that rounding put
    // a hair from now counts as now, so that one instant never fires it twice.
    if (timer->mInterval > 0) {
      const double slack = timer->mInterval * 1e-6;
      timer->mFireDate += timer->mInterval;
      if (timer->mFireDate <= now + slack)
        timer->mFireDate +=
            (std::floor((now + slack - timer->mFireDate) / timer->mInterval) + 1) * timer->mInterval;
    } else {
      timer->mValid = false;
    }
    ++fired;
    if (timer->mCallback) timer->mCallback(*timer);
  }
  return fired;
}

void RunLoop::Notify(CFRunLoopActivity activity, const RunLoopMode& mode) {
  std::vector<std::shared_ptr<RunLoopObserver>> hearing;
  for (const auto& entry : mObservers)
    if (entry.item->mValid && (entry.item->mActivities & activity) && entry.modes.count(mode)) hearing.push_back(entry.item);
  for (const auto& observer : hearing) {
    // One removed or invalidated by an earlier callback of this round no longer hears.
    const auto it = std::find_if(mObservers.begin(), mObservers.end(), [&](const auto& e) { return e.item == observer; });
    if (!observer->mValid || it == mObservers.end() || it->modes.count(mode) == 0) continue;
    if (!observer->mRepeats) observer->mValid = false;
    if (observer->mCallback) observer->mCallback(*observer, activity);
  }
}

void RunLoop::DropUnused() {
  auto unused = [](const auto& entry) { return !entry.item->IsValid() || entry.modes.empty(); };
  mTimers.erase(std::remove_if(mTimers.begin(), mTimers.end(), unused), mTimers.end());
  mObservers.erase(std::remove_if(mObservers.begin(), mObservers.end(), unused), mObservers.end());
}

int RunLoop::RunOnce(const RunLoopMode& mode) {
  Notify(kCFRunLoopBeforeTimers, mode);
  const int fired = FireTimers(mode, Now());
  Notify(kCFRunLoopBeforeWaiting, mode);
  DropUnused();
  return fired;
}

std::optional<double> RunLoop::TimeUntilNextTimer(const RunLoopMode& mode) const {
  if (mClockTakenOver) return std::nullopt;
  std::optional<double> next;
  for (const auto& entry : mTimers)
    if (entry.item->mValid && entry.modes.count(mode) && (!next || entry.item->mFireDate < *next))
      next = entry.item->mFireDate;
  if (!next) return std::nullopt;
  return std::max(0.0, *next - Now());
}

struct RunLoopAccess {
  static RunLoop& Loop() { return RunLoop::Main(); }
  static void TakeOver(RunLoop& loop) {
    if (loop.mClockTakenOver) return;
    loop.mHeldNow = loop.Now();
    loop.mClockTakenOver = true;
  }
  static int Advance(RunLoop& loop, double seconds, const RunLoopMode& mode) {
    TakeOver(loop);
    const double until = loop.mHeldNow + std::max(0.0, seconds);
    const int fired = loop.FireTimers(mode, until);
    loop.mHeldNow = until;
    loop.DropUnused();
    return fired;
  }
  static int Observers(const RunLoop& loop) {
    return static_cast<int>(std::count_if(loop.mObservers.begin(), loop.mObservers.end(), [](const auto& e) {
      return e.item->IsValid() && !e.modes.empty();
    }));
  }
  static int Pending(const RunLoop& loop) {
    return static_cast<int>(std::count_if(loop.mTimers.begin(), loop.mTimers.end(), [](const auto& e) {
      return e.item->IsValid() && !e.modes.empty();
    }));
  }
  static void Reset(RunLoop& loop) {
    loop.mTimers.clear();
    loop.mObservers.clear();
    loop.mClockTakenOver = false;
    loop.mHeldNow = 0;
  }
};

namespace testing {

void TakeOverRunLoopClock() { RunLoopAccess::TakeOver(RunLoopAccess::Loop()); }
int AdvanceRunLoopClock(double seconds, const RunLoopMode& mode) {
  return RunLoopAccess::Advance(RunLoopAccess::Loop(), seconds, mode);
}
int PendingTimers() { return RunLoopAccess::Pending(RunLoopAccess::Loop()); }
int RunLoopObservers() { return RunLoopAccess::Observers(RunLoopAccess::Loop()); }
void ResetTimers() { RunLoopAccess::Reset(RunLoopAccess::Loop()); }

}  // namespace testing

}  // namespace os

#include "os/Timer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "os/testing.h"

namespace os {

struct RunLoopTimers {
  double now = 0;
  // Scheduled timers; the run loop holds them until they are invalidated or fired once.
  std::vector<std::unique_ptr<Timer>> timers;

  static RunLoopTimers& Get() {
    static RunLoopTimers loop;
    return loop;
  }

  // The valid timer due soonest at or before the time, or null.
  Timer* NextDue(double until) {
    Timer* next = nullptr;
    for (auto& t : timers)
      if (t->mValid && t->mFireAt <= until && (next == nullptr || t->mFireAt < next->mFireAt)) next = t.get();
    return next;
  }

  void DropInvalid() {
    timers.erase(std::remove_if(timers.begin(), timers.end(), [](const auto& t) { return !t->mValid; }),
                 timers.end());
  }

  int Advance(double seconds) {
    const double until = now + std::max(0.0, seconds);
    int fired = 0;
    while (Timer* timer = NextDue(until)) {
      now = timer->mFireAt;
      // A one-shot timer is done before its action runs, so the action may schedule another.
      if (timer->mRepeats && timer->mInterval > 0)
        timer->mFireAt += timer->mInterval;
      else
        timer->mValid = false;
      ++fired;
      if (timer->mTarget != nullptr) timer->mTarget->PerformAction(timer->mSelector, timer);
    }
    now = until;
    DropInvalid();
    return fired;
  }
};

Timer* Timer::ScheduledTimer(double interval, ActionTarget* target, const std::string& selector, void* userInfo,
                             bool repeats) {
  auto& loop = RunLoopTimers::Get();
  loop.timers.push_back(
      std::make_unique<Timer>(loop.now + std::max(0.0, interval), interval, target, selector, userInfo, repeats));
  return loop.timers.back().get();
}

void Timer::Invalidate() { mValid = false; }

namespace testing {

int AdvanceRunLoopClock(double seconds) { return RunLoopTimers::Get().Advance(seconds); }

int PendingTimers() {
  int count = 0;
  for (const auto& t : RunLoopTimers::Get().timers) count += t->IsValid() ? 1 : 0;
  return count;
}

void ResetTimers() {
  RunLoopTimers::Get().timers.clear();
  RunLoopTimers::Get().now = 0;
}

}  // namespace testing

}  // namespace os

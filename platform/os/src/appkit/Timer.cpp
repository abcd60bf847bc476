#include "os/Timer.h"

#include <algorithm>
#include <memory>

namespace os {

Timer::Timer(double fireDate, double interval, ActionTarget* target, const std::string& selector)
    : RunLoopTimer(fireDate, interval, [target, selector](RunLoopTimer& timer) {
        if (target != nullptr) target->PerformAction(selector, static_cast<Timer*>(&timer));
      }) {}

Timer* Timer::ScheduledTimer(double interval, ActionTarget* target, const std::string& selector, void*,
                             bool repeats) {
  RunLoop& loop = RunLoop::Main();
  interval = std::max(0.0, interval);
  auto timer = std::make_shared<Timer>(loop.Now() + interval, repeats ? interval : 0.0, target, selector);
  loop.AddTimer(timer, kCFRunLoopDefaultMode);
  return timer.get();
}

}  // namespace os

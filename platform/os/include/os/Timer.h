#pragma once
// Timers that send an action to a target, scheduled on the main run loop in its default mode.
#include <string>

#include "os/ActionTarget.h"
#include "os/RunLoop.h"

namespace os {

class Timer : public RunLoopTimer {
 public:
  // Schedules the action after the interval (seconds) from now on the run loop's clock; a
  // repeating timer sends it again every interval. The run loop holds the timer until it is
  // invalidated, or has fired once when it does not repeat; the pointer is good until then.
  // userInfo is not kept: no target here reads it.
  static Timer* ScheduledTimer(double interval, ActionTarget* target, const std::string& selector, void* userInfo,
                               bool repeats);

  Timer(double fireDate, double interval, ActionTarget* target, const std::string& selector);
};

}  // namespace os

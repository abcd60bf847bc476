#pragma once
// Timers on the main run loop. The run loop's clock is virtual: time passes only when a test
// advances it (os::testing::AdvanceRunLoopClock), so a timer never fires on its own.
#include <string>

#include "os/ActionTarget.h"

namespace os {

class Timer {
 public:
  // Schedules the action on the main run loop after the interval (seconds); a repeating timer
  // fires again every interval. userInfo is handed to the target as the sender's info.
  static Timer* ScheduledTimer(double interval, ActionTarget* target, const std::string& selector, void* userInfo,
                               bool repeats);
  void* UserInfo() const { return mUserInfo; }
  bool IsValid() const { return mValid; }
  void Invalidate();

  Timer(double fireAt, double interval, ActionTarget* target, std::string selector, void* userInfo, bool repeats)
      : mFireAt(fireAt), mInterval(interval), mTarget(target), mSelector(std::move(selector)),
        mUserInfo(userInfo), mRepeats(repeats) {}

 private:
  friend struct RunLoopTimers;
  double mFireAt;
  double mInterval;
  ActionTarget* mTarget;
  std::string mSelector;
  void* mUserInfo;
  bool mRepeats;
  bool mValid = true;
};

}  // namespace os

// The main run loop: timers and observers by mode, the clock a test takes over, and the
// application's event loop, which turns the run loop on the real clock.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "arx/app/App.h"
#include "arx/testing.h"
#include "os/RunLoop.h"
#include "os/Timer.h"
#include "os/testing.h"

namespace {

using os::RunLoop;
using os::RunLoopObserver;
using os::RunLoopTimer;

class RunLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { os::testing::ResetTimers(); }
  void TearDown() override { os::testing::ResetTimers(); }

  RunLoop& loop = RunLoop::Main();
  std::vector<std::string> events;

  // A repeating timer due now, which notes its name each time it fires.
  std::shared_ptr<RunLoopTimer> Timer(const std::string& name, double delay = 0, double interval = 1) {
    return std::make_shared<RunLoopTimer>(loop.Now() + delay, interval,
                                          [this, name](RunLoopTimer&) { events.push_back(name); });
  }
  std::shared_ptr<RunLoopObserver> Observer(const std::string& name, os::CFRunLoopActivity activities,
                                            bool repeats = true) {
    return std::make_shared<RunLoopObserver>(activities, repeats, [this, name](RunLoopObserver&, os::CFRunLoopActivity a) {
      events.push_back(name + (a == os::kCFRunLoopBeforeTimers ? " before timers" : " before waiting"));
    });
  }
};

// The common modes are the default and the event-tracking mode; what is added to them and then
// taken out of one mode stays in the other.
TEST_F(RunLoopTest, TimersAndObserversFollowTheirModes) {
  struct Row {
    const char* name;
    std::vector<std::string> added, removed;
    bool inDefault, inTracking;
  };
  const std::string common = os::kCFRunLoopCommonModes, def = os::kCFRunLoopDefaultMode,
                    tracking = os::NSEventTrackingRunLoopMode;
  const Row rows[] = {
      {"common", {common}, {}, true, true},
      {"common but not tracking", {common}, {tracking}, true, false},
      {"default only", {def}, {}, true, false},
      {"tracking only", {tracking}, {}, false, true},
      {"both, then common removed", {def, tracking}, {common}, false, false},
      {"removed from a mode it was never in", {def}, {tracking}, true, false},
  };
  os::testing::TakeOverRunLoopClock();
  for (const Row& row : rows) {
    for (const std::string& mode : {def, tracking}) {
      events.clear();
      auto timer = Timer("timer", 0, 0);
      auto observer = Observer("observer", os::kCFRunLoopBeforeWaiting);
      for (const auto& m : row.added) loop.AddTimer(timer, m), loop.AddObserver(observer, m);
      for (const auto& m : row.removed) loop.RemoveTimer(timer, m), loop.RemoveObserver(observer, m);
      const bool in = mode == def ? row.inDefault : row.inTracking;
      EXPECT_EQ(loop.RunOnce(mode), in ? 1 : 0) << row.name << " in " << mode;
      const std::vector<std::string> heard{"timer", "observer before waiting"};
      EXPECT_EQ(events, in ? heard : std::vector<std::string>()) << row.name << " in " << mode;
      loop.RemoveTimer(timer, common);
      loop.RemoveObserver(observer, common);
    }
  }
  loop.RunOnce(def);
  EXPECT_EQ(os::testing::PendingTimers(), 0) << "a timer in no mode is let go";
}

// A pass tells "before timers", fires what is due in time order, then tells "before waiting"; an
// observer that does not repeat hears once.
TEST_F(RunLoopTest, APassTellsObserversAroundTheTimers) {
  os::testing::TakeOverRunLoopClock();
  loop.AddTimer(Timer("later", 0.5), os::kCFRunLoopDefaultMode);
  loop.AddTimer(Timer("sooner", 0.25), os::kCFRunLoopDefaultMode);
  loop.AddTimer(Timer("not yet", 2), os::kCFRunLoopDefaultMode);
  loop.AddObserver(Observer("every", os::kCFRunLoopBeforeTimers | os::kCFRunLoopBeforeWaiting),
                   os::kCFRunLoopDefaultMode);
  loop.AddObserver(Observer("once", os::kCFRunLoopBeforeWaiting, false), os::kCFRunLoopDefaultMode);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1), 2);
  EXPECT_EQ(loop.RunOnce(os::kCFRunLoopDefaultMode), 0);
  EXPECT_EQ(loop.RunOnce(os::kCFRunLoopDefaultMode), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"sooner", "later", "every before timers", "every before waiting",
                                              "once before waiting", "every before timers",
                                              "every before waiting"}));
}

// Advancing by several intervals fires a repeating timer once per interval, each at its date; a
// pass that comes late fires it once and keeps it on its schedule.
TEST_F(RunLoopTest, ARepeatingTimerKeepsItsSchedule) {
  os::testing::TakeOverRunLoopClock();
  const double start = loop.Now();
  std::vector<double> firedAt;
  auto timer = std::make_shared<RunLoopTimer>(start + 0.1, 0.1, [&](RunLoopTimer&) { firedAt.push_back(loop.Now()); });
  loop.AddTimer(timer, os::kCFRunLoopCommonModes);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.35), 3);
  ASSERT_EQ(firedAt.size(), 3u);
  EXPECT_NEAR(firedAt[2] - start, 0.3, 1e-9);

  // Moving the clock in the default mode only leaves the tracking mode's pass behind.
  loop.RemoveTimer(timer, os::kCFRunLoopDefaultMode);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1), 0);
  EXPECT_EQ(loop.RunOnce(os::NSEventTrackingRunLoopMode), 1);
  EXPECT_NEAR(timer->NextFireDate() - start, 1.4, 1e-9);
}

// Callbacks may invalidate other timers, and may run a pass of their own without firing
// themselves twice.
TEST_F(RunLoopTest, CallbacksMayChangeTheLoop) {
  os::testing::TakeOverRunLoopClock();
  std::shared_ptr<RunLoopTimer> victim = Timer("victim", 0.2, 0);
  int nested = -1;
  auto first = std::make_shared<RunLoopTimer>(loop.Now() + 0.1, 0, [&](RunLoopTimer& self) {
    events.push_back("first");
    victim->Invalidate();
    EXPECT_FALSE(self.IsValid()) << "a one-shot timer is done before its callback runs";
    nested = loop.RunOnce(os::kCFRunLoopDefaultMode);
  });
  loop.AddTimer(first, os::kCFRunLoopDefaultMode);
  loop.AddTimer(victim, os::kCFRunLoopDefaultMode);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1), 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(events, std::vector<std::string>{"first"});
  EXPECT_EQ(os::testing::PendingTimers(), 0);
}

// Calls back into a test function when an action arrives.
class ActionRecorder : public os::ActionTarget {
 public:
  explicit ActionRecorder(std::function<void()> onAction) : mOnAction(std::move(onAction)) {}
  void PerformAction(const std::string& selector, void* sender) override {
    selectors.push_back(selector);
    senders.push_back(sender);
    mOnAction();
  }
  std::vector<std::string> selectors;
  std::vector<void*> senders;

 private:
  std::function<void()> mOnAction;
};

// The application's event loop turns the run loop on the real clock: a timer fires once its time
// has really passed, while the loop idles.
TEST_F(RunLoopTest, TheEventLoopFiresTimersOnTheRealClock) {
  arx::app::App app;
  arx::testing::SetIdleTurnLimit(2000);
  double firedAfter = -1;
  const auto start = std::chrono::steady_clock::now();
  ActionRecorder target([&] {
    firedAfter = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    app.EndEventLoop();
  });
  os::Timer* timer = os::Timer::ScheduledTimer(0.05, &target, "fire:", nullptr, false);
  app.RunEventLoop();
  arx::testing::SetIdleTurnLimit(-1);
  EXPECT_EQ(target.selectors, std::vector<std::string>{"fire:"});
  EXPECT_EQ(target.senders, std::vector<void*>{timer});
  EXPECT_GE(firedAfter, 0.05);
  EXPECT_LT(firedAfter, 5.0);
  EXPECT_EQ(os::testing::PendingTimers(), 0);
}

// With the clock taken over, turns of the event loop fire nothing until the test moves it.
TEST_F(RunLoopTest, ATestHoldsTheClockAcrossTurns) {
  arx::app::App app;
  os::testing::TakeOverRunLoopClock();
  int fired = 0;
  ActionRecorder target([&] { ++fired; });
  os::Timer::ScheduledTimer(0.005, &target, "fire:", nullptr, true);
  EXPECT_EQ(arx::testing::RunIdleTurns(app, 3), 3);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.0125), 2);
  EXPECT_EQ(arx::testing::RunIdleTurns(app, 1), 1);
  EXPECT_EQ(fired, 2) << "nothing further is due at the held time";
}

}  // namespace

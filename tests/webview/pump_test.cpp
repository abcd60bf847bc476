// The engine's pump on the main run loop: a timer every 0.02 s or an observer of the loop's
// waits, in the common modes but event tracking, idle while the application reports capture;
// start once, terminate once.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/testing.h"
#include "os/RunLoop.h"
#include "os/URL.h"
#include "os/testing.h"
#include "zelwebview/GlobalWebView.h"
#include "zelwebview/testing.h"

using engine::testing::PendingTasks;

namespace {

class PumpTest : public ::testing::Test {
 protected:
  void TearDown() override { zelwebview::GlobalWebViewTerminate(); }

  // Queues engine work, one task a browser; each pump tick runs one.
  static void QueueWork(int tasks) {
    for (int i = 0; i < tasks; ++i) {
      CefWindowInfo info;
      ASSERT_TRUE(CefBrowser::CreateBrowser(info, nullptr, "", CefBrowserSettings()));
    }
  }
};

}  // namespace

// The timer fires every 0.02 s in the default mode and pumps one slice each time, but not in the
// event-tracking mode; the observer pumps at each wait of a pass, likewise.
TEST_F(PumpTest, PumpsOneSliceATickOutsideEventTracking) {
  struct Row {
    const char* name;
    bool useTimer;
  };
  for (const Row& row : {Row{"timer", true}, Row{"observer", false}}) {
    SCOPED_TRACE(row.name);
    zelwebview::testing::ResetEngineStart();
    os::testing::ResetTimers();
    os::testing::TakeOverRunLoopClock();
    zelwebview::GlobalWebViewInitialize(row.useTimer);
    EXPECT_EQ(os::testing::PendingTimers(), row.useTimer ? 1 : 0);
    EXPECT_EQ(os::testing::RunLoopObservers(), row.useTimer ? 0 : 1);
    QueueWork(6);
    os::RunLoop& loop = os::RunLoop::Main();
    if (row.useTimer) {
      EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.1, os::NSEventTrackingRunLoopMode), 0);
      EXPECT_EQ(PendingTasks(), 6);
      // Behind by several intervals: one tick, then every 0.02 s.
      EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.045), 3);
    } else {
      loop.RunOnce(os::NSEventTrackingRunLoopMode);
      EXPECT_EQ(PendingTasks(), 6);
      for (int i = 0; i < 3; ++i) loop.RunOnce(os::kCFRunLoopDefaultMode);
    }
    EXPECT_EQ(PendingTasks(), 3);
    zelwebview::GlobalWebViewTerminate();
  }
}

// A second start keeps the first one's pump, whatever its argument.
TEST_F(PumpTest, ASecondStartKeepsTheTimer) {
  zelwebview::GlobalWebViewInitialize(true);
  zelwebview::GlobalWebViewInitialize(false);
  EXPECT_EQ(os::testing::PendingTimers(), 1);
  EXPECT_EQ(os::testing::RunLoopObservers(), 0);
  EXPECT_EQ(engine::testing::RegisteredExtensions().size(), 1u);
}

// While the application reports mouse or keyboard capture no slice runs; an application that
// does not answer the question is pumped on every tick, and whether it answers is worked out on
// the first tick only.
TEST_F(PumpTest, NoSliceWhileTheApplicationReportsCapture) {
  struct Row {
    const char* name;
    bool answersAtFirstTick, answersLater, captured;
    int slices;  // of three ticks after the first
  };
  const Row rows[] = {
      {"captured", true, true, true, 0},
      {"not captured", true, true, false, 3},
      {"capture reported by an application that does not answer", false, false, true, 3},
      {"answering only after the first tick", false, true, true, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    zelwebview::testing::ResetEngineStart();
    os::testing::ResetTimers();
    os::testing::ResetApplications();
    os::testing::TakeOverRunLoopClock();
    zelwebview::GlobalWebViewInitialize(true);
    QueueWork(5);
    os::testing::SetAnswersMouseKeyboardCapture(row.answersAtFirstTick);
    os::testing::AdvanceRunLoopClock(0);
    const int afterFirst = PendingTasks();
    os::testing::SetAnswersMouseKeyboardCapture(row.answersLater);
    os::testing::SetMouseKeyboardCaptured(row.captured);
    EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.065), 3);
    EXPECT_EQ(afterFirst - PendingTasks(), row.slices);
    zelwebview::GlobalWebViewTerminate();
  }
}

// Terminating without a start does nothing (a later start works); terminating removes and
// releases the pump and the pool and shuts the engine down once; the engine never starts again.
TEST_F(PumpTest, TerminateOnlyAfterAStartAndOnce) {
  const int shutdowns = engine::testing::ShutdownCount();
  const int cfObjects = os::testing::LiveCFObjects();
  zelwebview::GlobalWebViewTerminate();
  EXPECT_EQ(engine::testing::ShutdownCount(), shutdowns);

  zelwebview::GlobalWebViewInitialize(true);
  EXPECT_TRUE(engine::testing::IsRunning());
  EXPECT_EQ(os::testing::LiveAutoreleasePools(), 1);
  EXPECT_EQ(os::testing::LiveCFObjects(), cfObjects + 1);
  zelwebview::GlobalWebViewTerminate();
  EXPECT_FALSE(engine::testing::IsRunning());
  EXPECT_EQ(engine::testing::ShutdownCount(), shutdowns + 1);
  EXPECT_EQ(os::testing::PendingTimers(), 0);
  EXPECT_EQ(os::testing::LiveAutoreleasePools(), 0);
  EXPECT_EQ(os::testing::LiveCFObjects(), cfObjects) << "the timer is released";

  zelwebview::GlobalWebViewTerminate();
  EXPECT_EQ(engine::testing::ShutdownCount(), shutdowns + 1);
  zelwebview::GlobalWebViewInitialize(false);
  EXPECT_FALSE(engine::testing::IsRunning()) << "started once per process";
  EXPECT_EQ(os::testing::RunLoopObservers(), 0);
  EXPECT_EQ(os::testing::LiveAutoreleasePools(), 0);
}

// In the running program the run loop's clock is real time: the timer pumps as time passes.
TEST_F(PumpTest, TheTimerPumpsOnRealTime) {
  zelwebview::GlobalWebViewInitialize(true);
  QueueWork(2);
  os::RunLoop::Main().RunOnce(os::kCFRunLoopDefaultMode);
  EXPECT_EQ(PendingTasks(), 1) << "the first tick is due at once";
  std::this_thread::sleep_for(std::chrono::milliseconds(25));
  os::RunLoop::Main().RunOnce(os::kCFRunLoopDefaultMode);
  EXPECT_EQ(PendingTasks(), 0);
}

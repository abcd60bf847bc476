// The node manager: timer ids and node timers on the run loop's clock, input capture, filter
// nodes, the modal stack, and that a dying node leaves every list. Also the draw supplier a node
// finds and the rounding of invalid rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "NodeTestSupport.h"
#include "os/testing.h"
#include "zelui/NodeManager.h"
#include "zelui/testing.h"
#include "zelui/ui/OS_Window.h"

namespace ui = zelui::ui;
namespace zt = zelui::testing;
using ui::UI_Node;
using ui::UI_NodeManager;
using ui::UI_NodeP;

namespace {

const ui::MouseEvent kClick(ui::kMouseDown, 0, 1, ui::PointF{3, 4}, 0, nullptr, 0, 0, 0, 0, 0, 0);

UI_NodeManager& Manager() { return *UI_NodeManager::Get(); }

// Counts the firings of each timer of the node.
std::shared_ptr<std::vector<int>> CountFirings(UI_Node& node) {
  auto fired = std::make_shared<std::vector<int>>();
  node.UI_InstallTimerNotifyFunction(std::make_shared<UI_Node::TimerNotifyFunction>([fired](int id) {
    fired->push_back(id);
    return true;
  }));
  return fired;
}

// A capture that logs what reaches it.
class LoggingCapture : public ui::InputCapture {
 public:
  LoggingCapture(UI_Node* target, std::string name, std::vector<std::string>* log, bool ignoresKeys = false)
      : InputCapture(target, kClick), mName(std::move(name)), mLog(log), mIgnoresKeys(ignoresKeys) {}
  std::function<void()> onEnd;

  void Begin() override { mLog->push_back(mName + " begin"); }
  void End() override {
    mLog->push_back(mName + " end");
    if (onEnd) onEnd();
  }
  bool DoMouseEvent(const ui::MouseEvent&) override {
    mLog->push_back(mName + " mouse");
    return true;
  }
  bool ShouldIgnoreKeyboardEvents() const override { return mIgnoresKeys; }
  bool DoKeyboardEvent(const ui::KeyboardEvent&) override {
    mLog->push_back(mName + " key");
    return true;
  }
  bool DoCursor(const ui::PointF&, ui::ModifierFlags) override {
    mLog->push_back(mName + " cursor");
    return true;
  }
  bool DoTimerNotify(int id) override {
    mLog->push_back(mName + " timer " + std::to_string(id));
    return false;
  }

 private:
  std::string mName;
  std::vector<std::string>* mLog;
  bool mIgnoresKeys;
};

}  // namespace

TEST(NodeManager, TimerIdsAreUniqueAndNeverZero) {
  const int first = Manager().GetUniqueTimerID();
  const int second = Manager().GetUniqueTimerID();
  EXPECT_NE(first, 0);
  EXPECT_NE(first, second);
}

TEST(NodeManager, NodeTimersFireOnTheRunLoopClock) {
  UI_NodeP node(new UI_Node());
  const auto fired = CountFirings(*node);
  node->UI_InstallTimer(0.5f, 7);
  EXPECT_EQ(os::testing::PendingTimers(), 1);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1.25), 2);
  EXPECT_EQ(*fired, (std::vector<int>{7, 7}));

  // Installing the id again changes its interval; it is one timer still.
  node->UI_InstallTimer(2.0f, 7);
  EXPECT_EQ(os::testing::PendingTimers(), 1);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1.5), 0);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(0.5), 1);

  node->UI_RemoveTimer(7, true);
  EXPECT_EQ(os::testing::PendingTimers(), 0);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(10), 0);
  EXPECT_EQ(fired->size(), 3u);
}

TEST(NodeManager, ADyingNodeStopsItsTimers) {
  UI_NodeP node(new UI_Node());
  node->UI_InstallTimer(1.0f, 1);
  node->UI_InstallTimer(2.0f, 2);
  UI_NodeP other(new UI_Node());
  const auto otherFired = CountFirings(*other);
  other->UI_InstallTimer(1.0f, 1);
  node.reset();
  EXPECT_EQ(os::testing::PendingTimers(), 1);
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(1), 1);
  EXPECT_EQ(otherFired->size(), 1u);
}

TEST(NodeManager, ATimerMayKillItsNodeWhileItFires) {
  bool died = false;
  UI_NodeP node(new nodetest::ProbeNode(&died));
  node->UI_InstallTimer(1.0f, 3);
  node->UI_InstallTimerNotifyFunction(std::make_shared<UI_Node::TimerNotifyFunction>([&node](int) {
    node.reset();
    return true;
  }));
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(5), 1);
  EXPECT_TRUE(died);
  EXPECT_EQ(os::testing::PendingTimers(), 0);
}

TEST(NodeManager, ANewCaptureEndsTheCurrentOne) {
  std::vector<std::string> log;
  UI_NodeP target(new UI_Node());
  Manager().BeginInputCapture(new LoggingCapture(target.get(), "first", &log));
  Manager().BeginInputCapture(new LoggingCapture(target.get(), "second", &log));
  EXPECT_TRUE(Manager().HasInputCapture());
  Manager().EndInputCapture(true);
  Manager().EndInputCapture(false);
  EXPECT_FALSE(Manager().HasInputCapture());
  EXPECT_FALSE(zt::LastEndInputCaptureFlag());
  EXPECT_EQ(log, (std::vector<std::string>{"first begin", "first end", "second begin", "second end"}));
}

TEST(NodeManager, ACaptureThatEndsMayBeginAnother) {
  std::vector<std::string> log;
  UI_NodeP target(new UI_Node());
  auto* first = new LoggingCapture(target.get(), "first", &log);
  first->onEnd = [&] { Manager().BeginInputCapture(new LoggingCapture(target.get(), "next", &log)); };
  Manager().BeginInputCapture(first);
  Manager().EndInputCapture(true);
  EXPECT_TRUE(Manager().HasInputCapture());
  Manager().EndInputCapture(true);
  EXPECT_EQ(log, (std::vector<std::string>{"first begin", "first end", "next begin", "next end"}));
}

TEST(NodeManager, TheCaptureGetsInputInsteadOfItsTarget) {
  std::vector<std::string> log;
  UI_NodeP target(new UI_Node()), other(new UI_Node());
  const auto fired = CountFirings(*target);
  target->UI_InstallTimer(1.0f, 9);
  Manager().BeginInputCapture(new LoggingCapture(target.get(), "c", &log));
  EXPECT_TRUE(zt::InjectMouseEvent(*other, kClick));
  EXPECT_TRUE(zt::InjectCursor(*other, {1, 1}, 0));
  EXPECT_TRUE(zt::InjectKeyboardEvent(*other, ui::KeyboardEvent(ui::kKeyDown, u"a", 0, 0, false)));
  os::testing::AdvanceRunLoopClock(1);
  EXPECT_EQ(zt::Record(*other).ownMouseEvents + zt::Record(*other).ownCursorCalls +
                zt::Record(*other).ownKeyboardEvents,
            0);
  EXPECT_EQ(*fired, std::vector<int>{9}) << "the target's timer reaches the node after the capture";

  // A capture that ignores keys lets them go to their target.
  Manager().BeginInputCapture(new LoggingCapture(target.get(), "k", &log, true));
  EXPECT_FALSE(zt::InjectKeyboardEvent(*other, ui::KeyboardEvent(ui::kKeyDown, u"a", 0, 0, false)));
  EXPECT_EQ(zt::Record(*other).ownKeyboardEvents, 1);
  Manager().EndInputCapture(true);
  EXPECT_EQ(log, (std::vector<std::string>{"c begin", "c mouse", "c cursor", "c key", "c timer 9", "c end",
                                           "k begin", "k end"}));
}

TEST(NodeManager, FilterNodesSeeMouseEventsInOrderBeforeTheTarget) {
  std::string log;
  UI_NodeP target(new UI_Node()), first(new UI_Node()), second(new UI_Node());
  bool secondHandles = false;
  first->UI_SetCustomMouseEventFunction([&](UI_Node* forNode, const ui::MouseEvent&, bool&) {
    log += forNode == target.get() ? "first " : "first? ";
    return false;
  });
  second->UI_SetCustomMouseEventFunction([&](UI_Node*, const ui::MouseEvent&, bool& handled) {
    log += "second ";
    handled = true;
    return secondHandles;
  });
  Manager().AddMouseEventFilterNode(first.get());
  Manager().AddMouseEventFilterNode(second.get());
  Manager().AddMouseEventFilterNode(first.get());
  Manager().AddMouseEventFilterNode(target.get());
  EXPECT_FALSE(zt::InjectMouseEvent(*target, kClick));
  EXPECT_EQ(log, "first second ") << "a node is no filter of its own events";
  EXPECT_EQ(zt::Record(*target).ownMouseEvents, 1);
  secondHandles = true;
  EXPECT_TRUE(zt::InjectMouseEvent(*target, kClick));
  EXPECT_EQ(zt::Record(*target).ownMouseEvents, 1);

  Manager().RemoveMouseEventFilterNode(target.get());
  second.reset();
  EXPECT_EQ(Manager().GetMouseEventFilterNodes(), std::vector<UI_Node*>{first.get()});
  Manager().RemoveMouseEventFilterNode(first.get());
  EXPECT_TRUE(Manager().GetMouseEventFilterNodes().empty());
}

TEST(NodeManager, AFilterRemovedByAnEarlierFilterIsSkipped) {
  UI_NodeP target(new UI_Node()), first(new UI_Node());
  bool secondDied = false, secondAsked = false;
  UI_NodeP second(new nodetest::ProbeNode(&secondDied));
  first->UI_SetCustomMouseEventFunction([&](UI_Node*, const ui::MouseEvent&, bool&) {
    Manager().RemoveMouseEventFilterNode(second.get());
    second.reset();
    return false;
  });
  second->UI_SetCustomMouseEventFunction([&](UI_Node*, const ui::MouseEvent&, bool&) {
    secondAsked = true;
    return false;
  });
  Manager().AddMouseEventFilterNode(first.get());
  Manager().AddMouseEventFilterNode(second.get());
  EXPECT_FALSE(zt::InjectMouseEvent(*target, kClick));
  EXPECT_FALSE(secondAsked);
  EXPECT_TRUE(secondDied) << "held through the delivery only";
  Manager().RemoveMouseEventFilterNode(first.get());
}

TEST(NodeManager, TheModalStackPopsTheTopmostEntryAndForgetsDeadWindows) {
  boost::intrusive_ptr<ui::OS_Window> a(new ui::OS_Window(u"a")), b(new ui::OS_Window(u"b"));
  Manager().PushModalWindow(a.get());
  Manager().PushModalWindow(b.get());
  Manager().PushModalWindow(a.get());
  Manager().PopModalWindow(a.get());
  EXPECT_EQ(Manager().GetModalWindows(), (std::vector<ui::OS_Window*>{a.get(), b.get()}));
  b.reset();
  EXPECT_EQ(Manager().GetModalWindows(), std::vector<ui::OS_Window*>{a.get()});
  Manager().PopModalWindow(a.get());
  Manager().PopModalWindow(a.get());
  EXPECT_TRUE(Manager().GetModalWindows().empty());
}

TEST(NodeManager, ResetForgetsEverythingAndListensAgain) {
  UI_NodeP node(new UI_Node());
  node->UI_InstallTimer(1.0f, 1);
  Manager().AddMouseEventFilterNode(node.get());
  UI_Node::SetNodeListener(nullptr);
  zt::ResetNodeManager();
  EXPECT_EQ(UI_Node::GetNodeListener(), &Manager());
  EXPECT_EQ(os::testing::PendingTimers(), 0);
  EXPECT_TRUE(Manager().GetMouseEventFilterNodes().empty());
  EXPECT_EQ(Manager().GetUniqueTimerID(), 1);
}

TEST(NodeDrawSupplier, TheNearestWindowsSupplierElseTheDefault) {
  limner::SupplierInterface own;
  boost::intrusive_ptr<ui::UI_Dialog> dialog(new ui::UI_Dialog(&own, u"d", {}, {}, false, nullptr, true, false, true,
                                                               true, 0, 1, nullptr));
  UI_NodeP child(new UI_Node()), grandchild(new UI_Node());
  dialog->UI_GetContainer().ChildPushBack(child.get());
  child->UI_GetContainer().ChildPushBack(grandchild.get());
  EXPECT_EQ(grandchild->UI_GetDrawSupplier(), &own);
  EXPECT_EQ(dialog->UI_GetDrawSupplier(), &own);

  boost::intrusive_ptr<ui::OS_Window> window(new ui::OS_Window());
  window->UI_GetContainer().ChildPushBack(child.get());
  EXPECT_EQ(grandchild->UI_GetDrawSupplier(), Manager().GetDefaultSupplier());
  EXPECT_EQ(UI_NodeP(new UI_Node())->UI_GetDrawSupplier(), Manager().GetDefaultSupplier());
}

TEST(NodeGeometry, FloatRectanglesBecomeWholePixels) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = 1e20f;
  struct Row {
    ui::RectF in;
    ui::RectRounding rounding;
    ui::Rect32 out;
  };
  for (const Row& row : {
           Row{{0.5f, 1.5f, 10, 10}, ui::kRoundOutward, {0, 1, 11, 11}},
           Row{{-0.5f, -1.5f, 1, 1}, ui::kRoundOutward, {-1, -2, 2, 2}},
           Row{{0.4f, 0.6f, 10.2f, 10}, ui::kRoundNearest, {0, 1, 11, 10}},
           Row{{nan, 0, nan, 5}, ui::kRoundOutward, {0, 0, 0, 5}},
           Row{{0, 0, huge, huge}, ui::kRoundOutward, {0, 0, std::numeric_limits<int>::max(),
                                                       std::numeric_limits<int>::max()}},
       }) {
    EXPECT_EQ(ui::ToRect32(row.in, row.rounding), row.out) << row.in.left << "," << row.in.top;
  }
}

// What reaches a node and in which order: mouse hooks before the node's own handling, focus
// changes with their reason, size changes, timers and change messages; and that every dispatch
// keeps its node alive when a hook drops the last outside reference.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "NodeTestSupport.h"
#include "zelui/controls/UI_ControlView.h"
#include "zelui/testing.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;
using ui::UI_Node;
using ui::UI_NodeP;

namespace {

const ui::MouseEvent kClick(ui::kMouseDown, 0, 1, ui::PointF{3, 4}, 0, nullptr, 0, 0, 0, 0, 0, 0);

// Appends a name to the log and answers as told.
ui::UI_Node::MouseEventFunction MouseHook(std::string* log, const char* name, bool handles, bool result,
                                          UI_Node* expectedTarget) {
  return [=](UI_Node* target, const ui::MouseEvent& event, bool& handled) {
    EXPECT_EQ(target, expectedTarget);
    EXPECT_EQ(event.position, kClick.position);
    *log += std::string(log->empty() ? "" : " ") + name;
    handled = handles;
    return result;
  };
}

}  // namespace

TEST(NodeDispatch, MouseEventRunsPreMouseThenMouseThenTheNodesOwn) {
  struct Row {
    bool preHandles, preResult, mouseHandles, mouseResult;
    const char* calls;
    bool result;
    int own;
  };
  for (const Row& row : {
           Row{true, true, false, false, "pre", true, 0},
           Row{true, false, true, true, "pre", false, 0},
           Row{false, true, true, true, "pre mouse", true, 0},
           Row{false, true, true, false, "pre mouse", false, 0},
           Row{false, true, false, true, "pre mouse", false, 1},
       }) {
    const UI_NodeP node(new UI_Node());
    std::string log;
    node->UI_SetCustomPreMouseEventFunction(MouseHook(&log, "pre", row.preHandles, row.preResult, node.get()));
    node->UI_SetCustomMouseEventFunction(MouseHook(&log, "mouse", row.mouseHandles, row.mouseResult, node.get()));
    EXPECT_EQ(zt::InjectMouseEvent(*node, kClick), row.result) << row.calls;
    EXPECT_EQ(log, row.calls);
    EXPECT_EQ(zt::Record(*node).ownMouseEvents, row.own) << row.calls;
  }
}

TEST(NodeDispatch, FocusChangeCallsLoserThenGainerWithTheReason) {
  std::vector<std::string> log;
  const auto logFocus = [&log](const char* name) {
    return [&log, name](UI_Node*, int reason) { log.push_back(name + std::to_string(reason)); };
  };
  const UI_NodeP window(new UI_Node());
  bool bDied = false;
  const UI_NodeP a(new nodetest::ProbeNode()), plain(new nodetest::ProbeNode(nullptr, false));
  UI_NodeP b(new nodetest::ProbeNode(&bDied));
  a->InstallFocusChangedFunction(logFocus("a"));
  b->InstallFocusChangedFunction(logFocus("b"));
  plain->InstallFocusChangedFunction(logFocus("plain"));
  window->UI_GetContainer().ChildPushBack(b.get());

  EXPECT_TRUE(a->UI_GainKeyboardFocus(3));
  EXPECT_TRUE(b->UI_GainKeyboardFocus(5));
  EXPECT_EQ(log, (std::vector<std::string>{"a3", "a5", "b5"}));
  EXPECT_FALSE(a->UI_HasKeyboardFocus(true));
  EXPECT_TRUE(b->UI_HasKeyboardFocus(false));
  EXPECT_TRUE(window->UI_HasKeyboardFocus(true));
  EXPECT_FALSE(window->UI_HasKeyboardFocus(false));

  // Refused: a node that wants no focus, a disabled one; asking again changes nothing.
  log.clear();
  EXPECT_FALSE(plain->UI_GainKeyboardFocus(1));
  a->UI_SetDisabled(true);
  EXPECT_FALSE(a->UI_GainKeyboardFocus(1));
  a->UI_SetDisabled(false);
  EXPECT_TRUE(b->UI_GainKeyboardFocus(1));
  EXPECT_TRUE(log.empty());

  // A dying focus holder leaves the focus to nobody and is never told of a later change.
  window->UI_GetContainer().DeleteChildren();
  b.reset();
  ASSERT_TRUE(bDied);
  EXPECT_EQ(UI_Node::UI_GetKeyboardFocusNode(), nullptr);
  EXPECT_TRUE(a->UI_GainKeyboardFocus(2));
  EXPECT_EQ(log, (std::vector<std::string>{"a2"}));
  EXPECT_EQ(UI_Node::UI_GetKeyboardFocusNode(), a.get());
}

TEST(NodeDispatch, SizeChangedOnlyWhenTheSizeChanges) {
  struct Row {
    ui::RectF rect;
    bool called;
  };
  for (const Row& row : {
           Row{{0, 0, 10, 10}, false},
           Row{{5, 7, 10, 10}, false},
           Row{{0, 0, 11, 10}, true},
           Row{{0, 0, 10, 12}, true},
       }) {
    const UI_NodeP node(new UI_Node());
    node->UI_SetLocalRectF({0, 0, 10, 10});
    int calls = 0;
    node->UI_InstallSizeChangedNotifyFunction([&](UI_Node* resized) {
      ++calls;
      EXPECT_EQ(resized, node.get());
      EXPECT_EQ(resized->UI_GetLocalRectF(false), row.rect);
    });
    node->UI_SetLocalRectF(row.rect);
    EXPECT_EQ(calls, row.called ? 1 : 0) << row.rect.width << "x" << row.rect.height;
    EXPECT_EQ(node->UI_GetLocalRectF(false), row.rect);
  }
}

// Each hook drops the last outside reference to its node and finds the node still alive; the
// node dies only when the dispatch is over. Under AddressSanitizer a dispatch that touched its
// node after the hook without holding it would fail here.
TEST(NodeDispatch, EveryDispatchHoldsItsNode) {
  struct Fixture {
    bool died = false;
    UI_NodeP outside;
    controls::UI_InteractiveControlView* control = nullptr;
    bool aliveInHook = false;
    void Drop() {
      outside.reset();
      aliveInHook = !died;
    }
  };
  struct Row {
    const char* name;
    std::function<void(Fixture&)> install, fire;
  };
  const auto unhandled = [](Fixture* f) {
    return [f](UI_Node*, const auto&, bool& handled) {
      f->Drop();
      handled = false;
      return false;
    };
  };
  const std::vector<Row> rows = {
      {"size changed",
       [](Fixture& f) { f.outside->UI_InstallSizeChangedNotifyFunction([&f](UI_Node*) { f.Drop(); }); },
       [](Fixture& f) { f.outside->UI_SetLocalRectF({0, 0, 5, 5}); }},
      {"pre-mouse", [&](Fixture& f) { f.outside->UI_SetCustomPreMouseEventFunction(unhandled(&f)); },
       [](Fixture& f) { zt::InjectMouseEvent(*f.outside, kClick); }},
      {"mouse via the node", [&](Fixture& f) { f.outside->UI_SetCustomMouseEventFunction(unhandled(&f)); },
       [](Fixture& f) { f.outside->UI_DoMouseEvent(f.outside.get(), kClick); }},
      {"keyboard", [&](Fixture& f) { f.outside->UI_SetCustomKeyboardEventFunction(unhandled(&f)); },
       [](Fixture& f) { f.outside->UI_DoKeyboardEvent(f.outside.get(), ui::KeyboardEvent(ui::kKeyDown, u"a", 0, 0, false)); }},
      {"cursor",
       [](Fixture& f) {
         f.outside->UI_SetCustomDoCursorFunction([&f](UI_Node*, const ui::PointF&, ui::ModifierFlags, bool&) {
           f.Drop();
           return false;
         });
       },
       [](Fixture& f) { f.outside->UI_DoCursor({1, 1}, 0); }},
      {"focus", [](Fixture& f) { f.outside->InstallFocusChangedFunction([&f](UI_Node*, int) { f.Drop(); }); },
       [](Fixture& f) { f.outside->UI_GainKeyboardFocus(1); }},
      {"timer",
       [](Fixture& f) {
         f.outside->UI_InstallTimer(0.5f, 9);
         f.outside->UI_InstallTimerNotifyFunction(std::make_shared<UI_Node::TimerNotifyFunction>([&f](int) {
           f.Drop();
           return false;
         }));
       },
       [](Fixture& f) { f.outside->DispatchTimer(9); }},
      {"value changed",
       [](Fixture& f) { f.control->NotifyWhenChanged([&f](const controls::UI_ControlMessage&) { f.Drop(); }); },
       [](Fixture& f) { f.control->SendValueChangedMessage(); }},
      {"interactive change",
       [](Fixture& f) {
         f.control->NotifyWhenChangedInteractively([&f](const controls::UI_InteractiveControlMessage&) { f.Drop(); });
       },
       [](Fixture& f) { f.control->FinishInteractiveChange(); }},
  };
  for (const Row& row : rows) {
    Fixture f;
    f.control = new nodetest::ProbeControl(&f.died);
    f.outside = f.control;
    row.install(f);
    row.fire(f);
    EXPECT_TRUE(f.aliveInHook) << row.name;
    EXPECT_TRUE(f.died) << row.name;
  }
}

TEST(NodeDispatch, ChangeMessagesReachEveryFunctionInOrder) {
  const boost::intrusive_ptr<controls::UI_InteractiveControlView> control(new controls::UI_InteractiveControlView());
  std::vector<std::string> log;
  for (const char* name : {"first", "second"}) {
    control->NotifyWhenChanged([&log, name, &control](const controls::UI_ControlMessage& message) {
      EXPECT_EQ(message.control, control.get());
      log.push_back(name);
    });
    control->NotifyWhenChangedInteractively([&log, name](const controls::UI_InteractiveControlMessage& message) {
      log.push_back(name + std::to_string(message.change) + "/" + std::to_string(message.modifiers));
    });
  }
  control->SendValueChangedMessage();
  control->BeginInteractiveChange();
  control->ContinueInteractiveChange(ui::kModShift | ui::kModOption);
  control->FinishInteractiveChange();
  control->CancelInteractiveChange();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "first0/0", "second0/0", "first1/5", "second1/5",
                                           "first2/0", "second2/0", "first3/0", "second3/0"}));
}

namespace {

// Records what the node manager would learn.
struct RecordingListener : ui::UI_NodeListener {
  std::vector<std::string> log;
  void NodeTimerInstalled(UI_Node& node, int id, float) override { log.push_back(node.UI_GetNodeID() + "+" + std::to_string(id)); }
  void NodeTimerRemoved(UI_Node& node, int id) override { log.push_back(node.UI_GetNodeID() + "-" + std::to_string(id)); }
  void NodeDying(UI_Node& node) override { log.push_back(node.UI_GetNodeID() + " dies"); }
};

}  // namespace

TEST(NodeTimers, NotifyFunctionsAreAskedInOrderUntilOneHandles) {
  RecordingListener listener;
  UI_Node::SetNodeListener(&listener);
  UI_NodeP node(new UI_Node());
  node->UI_SetNodeID("n");
  std::vector<std::string> asked;
  const auto function = [&asked](const char* name, bool handles) {
    return std::make_shared<UI_Node::TimerNotifyFunction>([&asked, name, handles](int id) {
      asked.push_back(name + std::to_string(id));
      return handles;
    });
  };
  const auto declines = function("declines", false), handles = function("handles", true), late = function("late", true);
  for (const auto& f : {declines, handles, late, declines}) node->UI_InstallTimerNotifyFunction(f);

  EXPECT_FALSE(node->DispatchTimer(4));
  node->UI_InstallTimer(0.25f, 4);
  EXPECT_TRUE(node->DispatchTimer(4));
  EXPECT_EQ(asked, (std::vector<std::string>{"declines4", "handles4"}));

  // A function removed while the timer fires is not asked; an empty function is never installed.
  asked.clear();
  for (const auto& f : {declines, handles, late}) node->UI_RemoveTimerNotifyFunction(f);
  node->UI_InstallTimerNotifyFunction(std::make_shared<UI_Node::TimerNotifyFunction>(nullptr));
  node->UI_InstallTimerNotifyFunction(std::make_shared<UI_Node::TimerNotifyFunction>([&](int) {
    node->UI_RemoveTimerNotifyFunction(handles);
    return false;
  }));
  node->UI_InstallTimerNotifyFunction(handles);
  EXPECT_TRUE(node->DispatchTimer(4));
  EXPECT_TRUE(asked.empty());

  node->UI_RemoveTimer(4, true);
  node->UI_RemoveTimer(4, true);
  EXPECT_FALSE(node->DispatchTimer(4));
  node->UI_InstallTimer(1.0f, 5);
  node.reset();
  UI_Node::SetNodeListener(nullptr);
  EXPECT_EQ(listener.log, (std::vector<std::string>{"n+4", "n-4", "n+5", "n dies"}));
}

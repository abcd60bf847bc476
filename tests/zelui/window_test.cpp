// Windows and dialogs: window levels by key, the panel window class, child windows, weak owners,
// tab wells, and modal runs of dialogs answered from the queue (OK, cancel, an empty queue, and a
// timer that closes the dialog while the clock is advanced).
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "os/ActionTarget.h"
#include "os/Timer.h"
#include "os/Window.h"
#include "os/testing.h"
#include "zelui/controls/Controls.h"
#include "zelui/testing.h"
#include "zelui/NodeManager.h"
#include "zelui/ui/OS_Window.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;

namespace {

template <typename T>
using Counted = boost::intrusive_ptr<T>;

Counted<ui::OS_Window> NewWindow() { return Counted<ui::OS_Window>(new ui::OS_Window()); }

}  // namespace

TEST(WindowLevel, KeysGiveTheirLevels) {
  struct Row {
    int key, level;
  };
  for (const Row& row : {Row{os::kCGFloatingWindowLevelKey, 3}, Row{os::kCGPopUpMenuWindowLevelKey, 101},
                         Row{os::kCGModalPanelWindowLevelKey, 8}, Row{os::kCGNormalWindowLevelKey, 0}, Row{99, 0}})
    EXPECT_EQ(os::CGWindowLevelForKey(row.key), row.level) << row.key;
}

TEST(PlatformWindow, OnlyThePanelClassWorksWhenModal) {
  for (const char* className : {"ZELMacPanelWindow", "OtherWindow"}) {
    const auto window = NewWindow();
    window->UI_CreateWindow({100, 100, 320, 240}, 0, os::CGWindowLevelForKey(os::kCGPopUpMenuWindowLevelKey), 0,
                            className);
    os::Window* platform = window->GetPlatformWindow();
    platform->SetHasShadow(true);
    if (platform->RespondsToSetWorksWhenModal()) platform->SetWorksWhenModal(true);
    const bool panel = std::string(className) == "ZELMacPanelWindow";
    EXPECT_EQ(platform->ClassName(), className);
    EXPECT_EQ(platform->Level(), 101);
    EXPECT_TRUE(platform->HasShadow());
    EXPECT_EQ(platform->WorksWhenModal(), panel) << className;
    EXPECT_EQ(window->UI_GetGlobalStructureRect(), (ui::Rect32{100, 100, 320, 240}));
    EXPECT_FALSE(platform->IsVisible());
    window->UI_Show(true);
    EXPECT_TRUE(platform->IsVisible());
  }
}

TEST(PlatformWindow, ChildWindowsKeepTheirOrderAndForgetWindowsThatGo) {
  const auto parent = NewWindow(), first = NewWindow(), second = NewWindow();
  os::Window* p = parent->GetPlatformWindow();
  p->AddChildWindow(first->GetPlatformWindow(), os::NSWindowAbove);
  p->AddChildWindow(second->GetPlatformWindow(), os::NSWindowAbove);
  p->AddChildWindow(first->GetPlatformWindow(), os::NSWindowAbove);
  EXPECT_EQ(p->ChildWindows(), (std::vector<os::Window*>{second->GetPlatformWindow(), first->GetPlatformWindow()}));
  EXPECT_EQ(p->ChildOrdering(first->GetPlatformWindow()), os::NSWindowAbove);
  // A parent never becomes its child's child.
  first->GetPlatformWindow()->AddChildWindow(p, os::NSWindowAbove);
  EXPECT_EQ(p->ParentWindow(), nullptr);

  // A new platform window for the child: the old one leaves the parent.
  second->UI_CreateWindow({0, 0, 10, 10}, 0, 0, 0, "ZELMacPanelWindow");
  EXPECT_EQ(p->ChildWindows(), std::vector<os::Window*>{first->GetPlatformWindow()});
  p->RemoveChildWindow(first->GetPlatformWindow());
  EXPECT_EQ(first->GetPlatformWindow()->ParentWindow(), nullptr);
}

TEST(WindowOwner, IsWeakAndNeverMakesACycle) {
  auto owner = NewWindow();
  const auto window = NewWindow(), other = NewWindow();
  EXPECT_TRUE(window->SetOwner(owner.get()));
  EXPECT_TRUE(other->SetOwner(window.get()));
  EXPECT_FALSE(window->SetOwner(window.get()));
  EXPECT_FALSE(owner->SetOwner(other.get()));
  EXPECT_FALSE(window->SetOwner(other.get()));
  EXPECT_EQ(window->GetOwner(), owner.get());
  EXPECT_EQ(owner->GetOwner(), nullptr);

  owner.reset();
  EXPECT_EQ(window->GetOwner(), nullptr);
  EXPECT_TRUE(window->SetOwner(nullptr));
  EXPECT_EQ(other->GetOwner(), window.get());
}

TEST(WindowInjectors, ReachTheWindowsOperations) {
  struct Probe : ui::OS_Window {
    std::vector<int> activations;
    bool closes = false;
    void UI_ActivationChanged(ui::WindowActivation activation) override { activations.push_back(activation); }
    bool UI_CloseIfPopup() override { return closes; }
  };
  const Counted<Probe> window(new Probe());
  zt::InjectActivation(*window, ui::kWindowActivation_CLICK_ACTIVATED);
  zt::InjectActivation(*window, ui::kWindowActivation_DEACTIVATED);
  EXPECT_EQ(window->activations, (std::vector<int>{1, 2}));
  EXPECT_FALSE(zt::InjectCloseIfPopup(*window));
  window->closes = true;
  EXPECT_TRUE(zt::InjectCloseIfPopup(*window));

  std::vector<ui::UI_Node*> targets;
  window->UI_SetCustomKeyboardEventFunction([&](ui::UI_Node* target, const ui::KeyboardEvent&, bool& handled) {
    targets.push_back(target);
    handled = target != nullptr;
    return handled;
  });
  const ui::UI_NodeP field(new ui::UI_Node());
  EXPECT_TRUE(zt::InjectWindowKeyboardEvent(*window, field.get(), ui::KeyboardEvent(ui::kKeyDown, u"a", 0, 0, false)));
  EXPECT_FALSE(zt::InjectWindowKeyboardEvent(*window, nullptr, ui::KeyboardEvent()));
  EXPECT_EQ(targets, (std::vector<ui::UI_Node*>{field.get(), nullptr}));
  EXPECT_EQ(zt::Record(*window).ownKeyboardEvents, 1);
}

TEST(TabWell, TabsAtPositionsTheContainerAndTheActionHook) {
  struct Action {
    int action;
    std::ptrdiff_t index;
    std::optional<ui::Rect32> rect;
  };
  std::vector<Action> actions;
  const Counted<controls::UI_TabWell> well(
      new controls::UI_TabWell([&](int action, std::ptrdiff_t index, const ui::Rect32* rect) {
        actions.push_back({action, index, rect ? std::optional<ui::Rect32>(*rect) : std::nullopt});
      }));
  EXPECT_EQ(well->GetTabsContainer(), nullptr);
  well->SetFrontmost(0);
  well->AddTab(0, u"b", true, false, false);
  well->AddTab(0, u"a", false, true, false);
  well->AddTab(9, u"c", false, false, false);
  ASSERT_NE(well->GetTabsContainer(), nullptr);
  EXPECT_EQ(well->GetTabsContainer()->UI_GetParentNode(), well.get());
  std::u16string texts;
  for (std::ptrdiff_t i = 0; i < well->CountTabs(); ++i) texts += well->GetTabItem(i)->GetText();
  EXPECT_EQ(texts, u"abc");
  EXPECT_EQ(well->GetTabItem(3), nullptr);

  well->SetFrontmost(1);
  well->SetFrontmost(3);
  EXPECT_EQ(well->GetFrontmost(), 1);
  well->RemoveTab(0);
  well->RemoveTab(5);
  EXPECT_EQ(well->CountTabs(), 2);
  EXPECT_EQ(well->GetFrontmost(), 0);

  const ui::Rect32 rect{1, 2, 3, 4};
  zt::InjectTabItemAction(*well, controls::kTabItemAction_Close, 1, nullptr);
  zt::InjectTabItemAction(*well, controls::kTabItemAction_ContextMenu, 0, &rect);
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[0].action, 3);
  EXPECT_EQ(actions[0].index, 1);
  EXPECT_FALSE(actions[0].rect);
  EXPECT_EQ(actions[1].action, 10);
  EXPECT_EQ(actions[1].rect, rect);
}

// Modal runs.

namespace {

// Calls the action when a run-loop timer fires.
struct TimerAction : os::ActionTarget {
  std::function<void()> action;
  void PerformAction(const std::string&, void*) override { action(); }
};

class ModalRun : public ::testing::Test {
 protected:
  ModalRun() {
    zt::ResetModalRuns();
    os::testing::ResetTimers();
  }
  ~ModalRun() override {
    zt::ResetModalRuns();
    os::testing::ResetTimers();
  }

  Counted<ui::UI_Dialog> NewDialog(const char16_t* title, ui::UI_Node* parent = nullptr) {
    return Counted<ui::UI_Dialog>(
        new ui::UI_Dialog(nullptr, title, {0, 0}, {200, 100}, false, parent, true, false, true, true, 0, 1, nullptr));
  }
};

}  // namespace

TEST_F(ModalRun, AnswersFromTheQueueAndAnEmptyQueueCancels) {
  struct Row {
    const char* name;
    std::vector<zt::ModalAnswer> queued;
    int response;
  };
  const std::vector<Row> rows = {
      {"ok", {zt::ModalAnswer::Ok()}, 1},
      {"cancel", {zt::ModalAnswer::Cancel()}, 0},
      {"empty queue", {}, 0},
      {"clock with no timer", {zt::ModalAnswer::AdvanceClock(5)}, 0},
  };
  for (const Row& row : rows) {
    zt::ResetModalRuns();
    for (const zt::ModalAnswer& answer : row.queued) zt::QueueModalAnswer(answer);
    const auto dialog = NewDialog(u"Title");
    dialog->RunModal();
    EXPECT_EQ(dialog->GetResponse(), row.response) << row.name;
    EXPECT_FALSE(dialog->IsRunningModal()) << row.name;
    EXPECT_FALSE(dialog->UI_IsShown()) << row.name;
    EXPECT_TRUE(ui::UI_NodeManager::Get()->GetModalWindows().empty()) << row.name;
    ASSERT_EQ(zt::ModalRuns().size(), 1u) << row.name;
    EXPECT_EQ(zt::ModalRuns()[0].response, row.response) << row.name;
  }
}

TEST_F(ModalRun, ATimerThatClosesTheDialogWhileTheClockAdvancesEndsTheRun) {
  const auto dialog = NewDialog(u"Timed");
  TimerAction closeOk;
  std::vector<std::size_t> stackWhileOpen;
  closeOk.action = [&] {
    stackWhileOpen.push_back(ui::UI_NodeManager::Get()->GetModalWindows().size());
    EXPECT_TRUE(dialog->IsRunningModal());
    EXPECT_TRUE(dialog->UI_IsShown());
    dialog->DefaultCloseOk();
  };
  os::Timer::ScheduledTimer(1.0, &closeOk, "fire:", nullptr, false);
  zt::QueueModalAnswer(zt::ModalAnswer::AdvanceClock(0.5));
  dialog->RunModal();
  EXPECT_EQ(dialog->GetResponse(), 0);  // not yet due: cancelled

  zt::QueueModalAnswer(zt::ModalAnswer::AdvanceClock(1.0));
  dialog->RunModal();
  EXPECT_EQ(dialog->GetResponse(), 1);
  EXPECT_EQ(stackWhileOpen, std::vector<std::size_t>{1});
  ASSERT_EQ(zt::ModalRuns().size(), 2u);
  EXPECT_EQ(zt::ModalRuns()[1].response, 1);
}

TEST_F(ModalRun, ARunStartedByATimerIsRecordedAfterTheOneWaiting) {
  const auto outer = NewDialog(u"Outer"), inner = NewDialog(u"Inner");
  TimerAction runInner;
  runInner.action = [&] {
    inner->RunModal();  // no answer left: cancelled
    outer->DefaultCloseOk();
  };
  os::Timer::ScheduledTimer(0.1, &runInner, "fire:", nullptr, false);
  zt::QueueModalAnswer(zt::ModalAnswer::AdvanceClock(1));
  outer->RunModal();
  ASSERT_EQ(zt::ModalRuns().size(), 2u);
  EXPECT_EQ(zt::ModalRuns()[0].title, u"Outer");
  EXPECT_EQ(zt::ModalRuns()[0].response, 1);
  EXPECT_EQ(zt::ModalRuns()[1].title, u"Inner");
  EXPECT_EQ(zt::ModalRuns()[1].modalDepth, 2u);
  EXPECT_EQ(zt::ModalRuns()[1].response, 0);
}

TEST_F(ModalRun, RecordsTitleParentButtonsAndFocus) {
  const auto parent = NewWindow();
  const auto dialog = NewDialog(u"Settings", parent.get());
  const Counted<controls::UI_Button> ok(new controls::UI_Button()), cancel(new controls::UI_Button());
  const ui::UI_NodeP field(new controls::UI_TextEdit(0, 0));
  dialog->GetContainer()->UI_GetContainer().ChildPushBack(field.get());
  dialog->SetOkButton(ok.get());
  dialog->SetCancelButton(cancel.get());
  dialog->SetInitialFocus(field.get());
  EXPECT_EQ(dialog->GetContainer()->UI_GetParentNode(), dialog.get());
  zt::QueueModalAnswer(zt::ModalAnswer::Ok());
  dialog->RunModal();
  const zt::ModalRunRecord& run = zt::ModalRuns().at(0);
  EXPECT_EQ(run.title, u"Settings");
  EXPECT_EQ(run.parent, parent.get());
  EXPECT_EQ(run.okButton, ok.get());
  EXPECT_EQ(run.cancelButton, cancel.get());
  EXPECT_EQ(run.initialFocus, field.get());
  EXPECT_EQ(run.modalDepth, 1u);
}


#include "zelui/NodeManager.h"

#include <algorithm>
#include <cstdint>

#include "os/Timer.h"
#include "zelui/ControlView.h"
#include "zelui/testing.h"
#include "zelui/ui/OS_Window.h"

namespace zelui::ui {

namespace {

std::uint32_t gRedrawDebugFlashDelay = 0;

constexpr char kTimerSelector[] = "nodeTimerFired:";

void Erase(std::vector<UI_Node*>& list, const UI_Node* node) {
  list.erase(std::remove(list.begin(), list.end(), node), list.end());
}

}  // namespace

// Nodes may die during the process's own teardown, after function-local statics are gone: the
// manager is never destroyed.
UI_NodeManager* UI_NodeManager::Get(bool) {
  static UI_NodeManager* manager = new UI_NodeManager;
  return manager;
}

int UI_NodeManager::GetUniqueTimerID() { return ++mLastTimerID; }

// Capture.

void UI_NodeManager::BeginInputCapture(InputCaptureP capture) {
  if (!capture) return;
  if (mCapture) EndInputCapture(false);
  mCapture = std::move(capture);
  const InputCaptureP current = mCapture;
  current->Begin();
}

void UI_NodeManager::EndInputCapture(bool flag) {
  mLastEndCaptureFlag = flag;
  // The capture is gone from the manager before it hears that it ended, so its End may begin
  // another.
  const InputCaptureP ended = std::move(mCapture);
  mCapture.reset();
  if (ended) ended->End();
}

// Filter nodes.

void UI_NodeManager::AddMouseEventFilterNode(UI_Node* node) {
  if (node == nullptr || std::find(mFilterNodes.begin(), mFilterNodes.end(), node) != mFilterNodes.end()) return;
  mFilterNodes.push_back(node);
}

void UI_NodeManager::RemoveMouseEventFilterNode(UI_Node* node) { Erase(mFilterNodes, node); }

// Modal windows.

void UI_NodeManager::PushModalWindow(OS_Window* window) {
  if (window != nullptr) mModalWindows.push_back({window, window});
}

void UI_NodeManager::PopModalWindow(OS_Window* window) {
  const auto topmost = std::find_if(mModalWindows.rbegin(), mModalWindows.rend(),
                                    [window](const ModalWindow& modal) { return modal.window == window; });
  if (topmost != mModalWindows.rend()) mModalWindows.erase(std::next(topmost).base());
}

std::vector<OS_Window*> UI_NodeManager::GetModalWindows() const {
  std::vector<OS_Window*> windows;
  for (const ModalWindow& modal : mModalWindows) windows.push_back(modal.window);
  return windows;
}

// Timers: each node timer is a repeating run-loop timer whose target is the manager.

void UI_NodeManager::StopTimer(UI_Node* node, int id) {
  const auto found = mTimers.find({node, id});
  if (found == mTimers.end()) return;
  found->second->Invalidate();
  mTimers.erase(found);
}

void UI_NodeManager::NodeTimerInstalled(UI_Node& node, int id, float interval) {
  StopTimer(&node, id);
  mTimers[{&node, id}] = os::Timer::ScheduledTimer(interval, this, kTimerSelector, nullptr, true);
}

void UI_NodeManager::NodeTimerRemoved(UI_Node& node, int id) { StopTimer(&node, id); }

void UI_NodeManager::PerformAction(const std::string&, void* sender) {
  const auto found = std::find_if(mTimers.begin(), mTimers.end(), [sender](const auto& t) { return t.second == sender; });
  if (found == mTimers.end()) return;
  UI_Node* node = found->first.first;
  const int id = found->first.second;
  const UI_NodeP hold = HoldDuringDispatch(node);
  // While a capture is current, its target's timers reach the capture first.
  const InputCaptureP capture = mCapture;
  if (capture && capture->GetTarget() == node && capture->DoTimerNotify(id)) return;
  node->DispatchTimer(id);
}

void UI_NodeManager::NodeDying(UI_Node& node) {
  for (auto it = mTimers.begin(); it != mTimers.end();) {
    if (it->first.first == &node) {
      it->second->Invalidate();
      it = mTimers.erase(it);
    } else {
      ++it;
    }
  }
  Erase(mFilterNodes, &node);
  mModalWindows.erase(std::remove_if(mModalWindows.begin(), mModalWindows.end(),
                                     [&node](const ModalWindow& modal) { return modal.node == &node; }),
                      mModalWindows.end());
}

// Routing.

bool UI_NodeManager::RouteMouseEvent(UI_Node* target, const MouseEvent& event) {
  if (const InputCaptureP capture = mCapture) {
    capture->DoMouseEvent(event);
    return true;
  }
  // The filters are those added before the event came; one removed meanwhile is skipped.
  std::vector<UI_NodeP> filters;
  for (UI_Node* filter : mFilterNodes)
    if (filter != target) filters.push_back(HoldDuringDispatch(filter));
  for (const UI_NodeP& filter : filters) {
    const bool stillFilters = std::find(mFilterNodes.begin(), mFilterNodes.end(), filter.get()) != mFilterNodes.end();
    if (filter && stillFilters && filter->UI_DoMouseEvent(target, event)) return true;
  }
  return false;
}

bool UI_NodeManager::RouteKeyboardEvent(UI_Node*, const KeyboardEvent& event) {
  const InputCaptureP capture = mCapture;
  if (!capture || capture->ShouldIgnoreKeyboardEvents()) return false;
  capture->DoKeyboardEvent(event);
  return true;
}

bool UI_NodeManager::RouteCursor(UI_Node*, const PointF& where, ModifierFlags modifiers, bool& handled) {
  const InputCaptureP capture = mCapture;
  if (!capture) return false;
  handled = capture->DoCursor(where, modifiers);
  return true;
}

void SetRedrawDebugFlashDelay(std::uint32_t delay) { gRedrawDebugFlashDelay = delay; }

struct NodeManagerTestAccess {
  static void Reset(UI_NodeManager& manager) {
    for (const auto& timer : manager.mTimers) timer.second->Invalidate();
    manager.mTimers.clear();
    manager.mLastTimerID = 0;
    manager.mCapture.reset();
    manager.mLastEndCaptureFlag = false;
    manager.mFilterNodes.clear();
    manager.mModalWindows.clear();
    UI_Node::SetNodeListener(&manager);
  }
  static bool LastEndCaptureFlag(const UI_NodeManager& manager) { return manager.mLastEndCaptureFlag; }
};

}  // namespace zelui::ui

namespace zelui::testing {

std::uint32_t RedrawDebugFlashDelay() { return ui::gRedrawDebugFlashDelay; }

void ResetNodeManager() { ui::NodeManagerTestAccess::Reset(*ui::UI_NodeManager::Get()); }

bool LastEndInputCaptureFlag() { return ui::NodeManagerTestAccess::LastEndCaptureFlag(*ui::UI_NodeManager::Get()); }

}  // namespace zelui::testing

#pragma once
// The UI framework's node manager: one per process. It keeps the default drawing supplier that
// drawing outside any window uses, hands out timer ids, runs the nodes' timers on the main run
// loop, and holds what routes input past the nodes under the mouse: the one input capture and
// the mouse-event filter nodes. It also keeps the stack of modal windows. It is the nodes'
// listener (UI_NodeListener), so a node that dies leaves every one of its lists.
#include <map>
#include <utility>
#include <vector>

#include "os/ActionTarget.h"
#include "zelui/limner/Limner.h"
#include "zelui/resources/Resources.h"
#include "zelui/ui/InputCapture.h"
#include "zelui/ui/UI_Node.h"

namespace os {
class Timer;
}

namespace zelui::ui {

class OS_Window;

class UI_NodeManager : public UI_NodeListener, public os::ActionTarget {
 public:
  // The process-wide manager. The flag asks to make it when there is none yet; the stand-in's
  // manager always exists. It lives to the end of the process.
  static UI_NodeManager* Get(bool create = true);

  limner::SupplierInterface* GetDefaultSupplier() { return &mDefaultSupplier; }

  // The UI framework's resources and the cache of the images drawn from them.
  resources::ResourceManager& GetResourceManager() { return resources::GetUIResourceManager(); }
  resources::LimnerImageResourceCache& GetImageResourceCache() { return resources::GetUIImageResourceCache(); }

  // A timer id no other timer of the process has had; never 0.
  int GetUniqueTimerID();

  // Input capture: while one is current, mouse events, cursor requests and (unless it ignores
  // them) keyboard events go to it instead of their target. A new capture ends the current one
  // first; Begin and End tell a capture when it starts and stops. The flag of
  // EndInputCapture is the platform's and is kept as given (zelui/testing.h reads it).
  void BeginInputCapture(InputCaptureP capture);
  void EndInputCapture(bool flag);
  InputCapture* GetInputCapture() const { return mCapture.get(); }
  bool HasInputCapture() const { return mCapture != nullptr; }

  // Nodes offered every mouse event (in the order added) before its target, unless a capture
  // takes it; a filter that handles the event keeps it from the target. A node is added once.
  void AddMouseEventFilterNode(UI_Node* node);
  void RemoveMouseEventFilterNode(UI_Node* node);
  const std::vector<UI_Node*>& GetMouseEventFilterNodes() const { return mFilterNodes; }

  // Modal windows, the topmost last. Popping takes the window's topmost entry off the stack.
  void PushModalWindow(OS_Window* window);
  void PopModalWindow(OS_Window* window);
  std::vector<OS_Window*> GetModalWindows() const;

  // UI_NodeListener.
  void NodeTimerInstalled(UI_Node& node, int id, float interval) override;
  void NodeTimerRemoved(UI_Node& node, int id) override;
  void NodeDying(UI_Node& node) override;
  bool RouteMouseEvent(UI_Node* target, const MouseEvent& event) override;
  bool RouteKeyboardEvent(UI_Node* target, const KeyboardEvent& event) override;
  bool RouteCursor(UI_Node* target, const PointF& where, ModifierFlags modifiers, bool& handled) override;

  // os::ActionTarget: a node timer fell due.
  void PerformAction(const std::string& selector, void* sender) override;

 private:
  friend struct NodeManagerTestAccess;

  UI_NodeManager() = default;

  // Stops the run-loop timer of the node's timer, if it runs.
  void StopTimer(UI_Node* node, int id);

  limner::SupplierInterface mDefaultSupplier;
  int mLastTimerID = 0;
  // The run-loop timer of each node timer; the run loop owns the timers.
  std::map<std::pair<UI_Node*, int>, os::Timer*> mTimers;
  InputCaptureP mCapture;
  bool mLastEndCaptureFlag = false;
  std::vector<UI_Node*> mFilterNodes;
  // Each modal window with its node part, by which a dying window is known.
  struct ModalWindow {
    OS_Window* window;
    const UI_Node* node;
  };
  std::vector<ModalWindow> mModalWindows;
};

}  // namespace zelui::ui

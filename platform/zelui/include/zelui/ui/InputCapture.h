#pragma once
// Mouse input captured for one node. While a capture is current (the node manager holds it),
// mouse events, cursor requests and, unless it ignores them, keyboard events go to the capture
// instead of the nodes under the mouse; Begin and End tell it when it starts and stops.
#include "zelcore/utility/RefCountedObject.h"
#include "zelui/ui/Events.h"
#include "zelui/ui/UI_Node.h"

namespace zelui::ui {

class InputCapture : public zelcore::utility::RefCountedObject {
 public:
  // The node the capture is for and the mouse event that started it.
  InputCapture(UI_Node* target, const MouseEvent& startEvent);

  UI_Node* GetTarget() const { return mTarget.get(); }
  const MouseEvent& GetStartEvent() const { return mStartEvent; }

  virtual void Begin() {}
  virtual void End() {}
  virtual bool DoMouseEvent(const MouseEvent& event);
  virtual bool ShouldIgnoreKeyboardEvents() const { return false; }
  virtual bool DoKeyboardEvent(const KeyboardEvent& event);
  // True when the capture set the cursor.
  virtual bool DoCursor(const PointF& where, ModifierFlags modifiers);
  virtual bool DoTimerNotify(int id);

 protected:
  ~InputCapture() override;

 private:
  UI_NodeP mTarget;
  MouseEvent mStartEvent;
};

using InputCaptureP = boost::intrusive_ptr<InputCapture>;

}  // namespace zelui::ui

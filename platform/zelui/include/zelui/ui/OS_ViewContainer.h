#pragma once
// A node that holds a platform view: the view is made with the node, has the node's size and
// follows it, and platform views of other code go inside it as subviews. A platform event as the
// framework hands it to such a node is an OS_Event.
#include "zelui/ui/UI_SubView.h"

namespace os {
class NSView;
struct Event;
}  // namespace os

namespace zelui::ui {

// The platform's own event, lent for the call.
class OS_Event {
 public:
  explicit OS_Event(const os::Event& event) : mEvent(event) {}
  const os::Event& GetPlatformEvent() const { return mEvent; }
  // The platform's event type (os::EventType).
  int GetType() const;

 private:
  const os::Event& mEvent;
};

class OS_ViewContainer : public UI_SubView {
 public:
  OS_ViewContainer();

  // The node's platform view. It exists from construction, so the flag (make one when missing)
  // changes nothing.
  os::NSView* UI_GetPlatformView(bool create = true) const;
  // Whether the platform view covers everything behind it; a new container is opaque.
  void UI_SetOpaque(bool opaque) { mOpaque = opaque; }
  bool UI_IsOpaque() const { return mOpaque; }
  // Whether the node draws through the drawing context rather than its platform view alone.
  virtual bool UI_SupportsLimner() const { return false; }

  // The platform view takes the node's new size (its origin stays at 0, 0: it is the node's own).
  void UI_SizeChanged(const RectF& rect) override;

 protected:
  ~OS_ViewContainer() override;

 private:
  os::NSView* mPlatformView;
  bool mOpaque = true;
};

}  // namespace zelui::ui

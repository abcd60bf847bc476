#include "zelui/ui/OS_ViewContainer.h"

#include "os/Event.h"
#include "os/View.h"

namespace zelui::ui {

int OS_Event::GetType() const { return mEvent.type; }

OS_ViewContainer::OS_ViewContainer() : mPlatformView(new os::NSView(os::NSRect{})) {}

// The view goes with the node, and with it every subview nobody else holds.
OS_ViewContainer::~OS_ViewContainer() { mPlatformView->Release(); }

os::NSView* OS_ViewContainer::UI_GetPlatformView(bool) const { return mPlatformView; }

void OS_ViewContainer::UI_SizeChanged(const RectF& rect) {
  mPlatformView->SetFrame(os::NSRect{0, 0, rect.width, rect.height});
  UI_SubView::UI_SizeChanged(rect);
}

}  // namespace zelui::ui

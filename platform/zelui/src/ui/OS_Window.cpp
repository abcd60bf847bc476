#include "zelui/ui/OS_Window.h"

namespace zelui::ui {

UI_Window::~UI_Window() = default;

OS_Window::OS_Window(zelcore::UTF16String title) : mTitle(std::move(title)) { UI_Node::UI_Show(false); }
OS_Window::~OS_Window() = default;

UI_Dialog::UI_Dialog(limner::SupplierInterface* supplier, const zelcore::UTF16String& title, PointF origin,
                     const PointF& extent, bool, UI_Node* parent, bool, bool, bool, bool, int, int flags,
                     UI_ViewContainerFactory*)
    : OS_Window(title), mSupplier(supplier), mParentWindow(parent), mOrigin(origin), mExtent(extent), mFlags(flags) {}

UI_Dialog::~UI_Dialog() = default;

}  // namespace zelui::ui

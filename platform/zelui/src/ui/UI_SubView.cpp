#include "zelui/ui/UI_SubView.h"

namespace zelui::ui {

UI_SubView::~UI_SubView() = default;

OS_PopupViewContainer::OS_PopupViewContainer(bool containerOption) : mContainerOption(containerOption) {}
OS_PopupViewContainer::~OS_PopupViewContainer() = default;

}  // namespace zelui::ui

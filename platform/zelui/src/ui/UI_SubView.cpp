#include "zelui/ui/UI_SubView.h"

namespace zelui::ui {

UI_SubView::~UI_SubView() = default;

void UI_SubView::UI_DispatchDrawToChild(UI_Node* child, limner::Limner& context) {
  if (child == nullptr || child->UI_GetParentNode() != this) return;
  child->UI_DoDraw(context);
}

OS_PopupViewContainer::OS_PopupViewContainer(bool containerOption) : mContainerOption(containerOption) {}
OS_PopupViewContainer::~OS_PopupViewContainer() = default;

}  // namespace zelui::ui

#include "zelui/ui/ControlsTesting.h"

#include "zelui/ui/NodeTesting.h"

namespace zelui::testing {

void InjectClick(ui::UI_Node& node, const ui::PointF& where, ui::ModifierFlags modifiers) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&node);
  for (const int action : {ui::kMouseDown, ui::kMouseUp})
    InjectMouseEvent(node, ui::MouseEvent(action, 0, 1, where, modifiers, nullptr, 0, 0, 0, 0, 0, 0));
}

bool UserSelectListItem(controls::UI_ListBox& listBox, std::ptrdiff_t position, ui::ModifierFlags modifiers) {
  const float rowHeight = listBox.GetRowHeight();
  if (listBox.GetItem(position) == nullptr || !(rowHeight > 0)) return false;
  const ui::PointF where{1, rowHeight * (static_cast<float>(position) + 0.5f)};
  InjectMouseEvent(listBox, ui::MouseEvent(ui::kMouseDown, 0, 1, where, modifiers, nullptr, 0, 0, 0, 0, 0, 0));
  return true;
}

bool UserClickItemCheckbox(controls::UI_ListBox& listBox, std::ptrdiff_t position) {
  controls::UI_ListBoxItem* item = listBox.GetItem(position);
  if (item == nullptr) return false;
  item->CheckboxClicked();
  return true;
}

float DragSplitter(controls::UI_SplitterView& splitter, float proposed) { return splitter.DragSplit(proposed); }

void TypeText(controls::UI_TextEdit& edit, const zelcore::UTF16String& text, TypingEnd end) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&edit);
  edit.BeginInteractiveChange();
  edit.SetStringValue(text);
  edit.ContinueInteractiveChange(0);
  if (end == TypingEnd::kReturn)
    edit.FinishInteractiveChange();
  else if (end == TypingEnd::kEscape)
    edit.CancelInteractiveChange();
}

void InjectTabItemAction(controls::UI_TabWell& well, int action, std::ptrdiff_t index, const ui::Rect32* rect) {
  well.DoTabItemAction(action, index, rect);
}

void InjectActivation(ui::OS_Window& window, ui::WindowActivation activation) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&window);
  window.UI_ActivationChanged(activation);
}

bool InjectCloseIfPopup(ui::OS_Window& window) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&window);
  return window.UI_CloseIfPopup();
}

bool InjectWindowKeyboardEvent(ui::OS_Window& window, ui::UI_Node* target, const ui::KeyboardEvent& event) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&window);
  return window.UI_DoKeyboardEvent(target, event);
}

}  // namespace zelui::testing

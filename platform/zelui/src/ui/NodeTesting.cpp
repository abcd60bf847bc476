#include "zelui/ui/NodeTesting.h"

namespace zelui {

namespace ui {

struct NodeTestAccess {
  static const testing::NodeRecord& Record(const UI_Node& node) { return *node.mRecord; }
  static void SetMouseOver(UI_Node& node, bool over) { node.mMouseOver = over; }
  static void SetRecommendedSize(UI_Node& node, const SizeF& size) { node.mRecommendedSize = size; }
};

}  // namespace ui

namespace testing {


bool InjectMouseEvent(ui::UI_Node& target, const ui::MouseEvent& event) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&target);
  ui::UI_NodeListener* listener = ui::UI_Node::GetNodeListener();
  if (listener != nullptr && listener->RouteMouseEvent(&target, event)) return true;
  return target.UI_DoMouseEvent(&target, event);
}

bool InjectKeyboardEvent(ui::UI_Node& target, const ui::KeyboardEvent& event) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&target);
  ui::UI_NodeListener* listener = ui::UI_Node::GetNodeListener();
  if (listener != nullptr && listener->RouteKeyboardEvent(&target, event)) return true;
  return target.UI_DoKeyboardEvent(&target, event);
}

bool InjectCursor(ui::UI_Node& target, const ui::PointF& where, ui::ModifierFlags modifiers) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&target);
  ui::UI_NodeListener* listener = ui::UI_Node::GetNodeListener();
  bool handled = false;
  if (listener != nullptr && listener->RouteCursor(&target, where, modifiers, handled)) return handled;
  return target.UI_DoCursor(where, modifiers);
}

bool InjectDraw(ui::UI_Node& node, limner::Limner& context) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(&node);
  return node.UI_DoDraw(context);
}

const NodeRecord& Record(const ui::UI_Node& node) { return ui::NodeTestAccess::Record(node); }
void SetMouseOver(ui::UI_Node& node, bool over) { ui::NodeTestAccess::SetMouseOver(node, over); }
void SetRecommendedSize(ui::UI_Node& node, const ui::SizeF& size) {
  ui::NodeTestAccess::SetRecommendedSize(node, size);
}

}  // namespace testing

}  // namespace zelui

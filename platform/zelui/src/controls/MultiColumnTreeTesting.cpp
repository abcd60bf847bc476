#include "zelui/controls/MultiColumnTreeTesting.h"

#include "zelui/ui/NodeTesting.h"

namespace zelui::testing {

namespace {

ui::MouseEvent Event(int action, int button, int clickCount, const ui::PointF& where, ui::ModifierFlags modifiers) {
  return ui::MouseEvent(action, button, clickCount, where, modifiers, nullptr, 0, 0, 0, 0, 0, 0);
}

}  // namespace

bool TreeClick(controls::UI_MultiColumnTree& tree, const ui::PointF& where, ui::ModifierFlags modifiers,
               int clickCount) {
  const ui::UI_NodeP keep(&tree);
  const bool hit = InjectMouseEvent(tree, Event(ui::kMouseDown, 0, clickCount, where, modifiers));
  InjectMouseEvent(tree, Event(ui::kMouseUp, 0, clickCount, where, modifiers));
  return hit;
}

bool TreeContextMenu(controls::UI_MultiColumnTree& tree, const ui::PointF& where) {
  return InjectMouseEvent(tree, Event(ui::kMouseDown, 1, 1, where, 0));
}

bool TreeDragStart(controls::UI_MultiColumnTree& tree, const ui::PointF& where, ui::ModifierFlags modifiers) {
  return InjectMouseEvent(tree, Event(ui::kMouseDrag, 0, 1, where, modifiers));
}

TreeDropResult DropOnTree(controls::UI_MultiColumnTree& tree, const TreeDrop& drop) {
  const ui::UI_NodeP keep(&tree);
  TreeDropResult result;
  if (!drop.data) {
    result.accepted = tree.DoDropSupport(drop.action, nullptr);
    result.isDropValid = drop.isDropValid;
    result.dropEffect = drop.dropEffect;
    return result;
  }
  datatransfer::OS_DropReceiveData received(*drop.data);
  controls::UI_MultiColumnTreeDropData data;
  data.point = drop.point;
  data.data = &received;
  data.row = drop.row;
  data.position = drop.position;
  data.isDropValid = drop.isDropValid;
  data.dropEffect = drop.dropEffect;
  result.accepted = tree.DoDropSupport(drop.action, &data);
  result.isDropValid = data.isDropValid;
  result.dropEffect = data.dropEffect;
  return result;
}

}  // namespace zelui::testing

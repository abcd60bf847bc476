#pragma once
// What only tests do with multi-column trees (through zelui/testing.h): the user's clicks, context
// menus and drags over rows, drawing, and drops as the platform delivers them. Points are in the
// tree's own coordinates: rows lie one below the other, each the row height tall, and columns
// side by side, each its width wide.
#include <optional>

#include "zelui/controls/MultiColumnTree.h"
#include "zelui/datatransfer/DataTransfer.h"

namespace zelui::testing {

// Button 0 down (with the click count) and up at the point; true when a row was hit.
bool TreeClick(controls::UI_MultiColumnTree& tree, const ui::PointF& where, ui::ModifierFlags modifiers = 0,
               int clickCount = 1);
// Button 1 down at the point: the tree's answer to the context menu.
bool TreeContextMenu(controls::UI_MultiColumnTree& tree, const ui::PointF& where);
// A drag starting at the point: true when the rows were dragged.
bool TreeDragStart(controls::UI_MultiColumnTree& tree, const ui::PointF& where, ui::ModifierFlags modifiers = 0);

// One step of a drop: without data the framework gives no drop data; the valid flag and effect
// are what the framework set before asking (no effect: the drop data has no effect slot).
struct TreeDrop {
  int action = controls::kDropAction_Drop;
  ui::PointF point;
  std::optional<datatransfer::DataSet> data;
  controls::UI_MultiColumnTreeRow* row = nullptr;
  int position = 0;
  bool isDropValid = true;
  std::optional<int> dropEffect;
};
struct TreeDropResult {
  bool accepted = false;
  bool isDropValid = false;
  std::optional<int> dropEffect;
};
TreeDropResult DropOnTree(controls::UI_MultiColumnTree& tree, const TreeDrop& drop);

}  // namespace zelui::testing

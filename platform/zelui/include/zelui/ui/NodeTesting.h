#pragma once
// What only tests do with UI nodes (through zelui/testing.h): deliver mouse, keyboard, cursor
// and draw requests as the platform would, read what reached a node's own handling, and set what
// the user or the toolkit's measuring decides. Focus and size go through the node's own calls.
#include <cstdint>
#include <optional>

#include "zelui/ui/UI_Node.h"

namespace zelui::testing {

// Delivered as the platform would: the node manager may route the event elsewhere first (input
// capture, filter nodes); otherwise the target's own dispatch gets it. Returns whether it was
// handled.
bool InjectMouseEvent(ui::UI_Node& target, const ui::MouseEvent& event);
bool InjectKeyboardEvent(ui::UI_Node& target, const ui::KeyboardEvent& event);
bool InjectCursor(ui::UI_Node& target, const ui::PointF& where, ui::ModifierFlags modifiers);
// Draws the node into the context; true when its custom draw function drew.
bool InjectDraw(ui::UI_Node& node, limner::Limner& context);

// What reached a node: its own event handling (after its custom functions), its own drawing,
// and its redraw requests.
struct NodeRecord {
  int ownMouseEvents = 0;
  int ownKeyboardEvents = 0;
  int ownCursorCalls = 0;
  int draws = 0;
  int invalidations = 0;
  std::optional<ui::Rect32> lastInvalidRect;
  int lastInvalidFlags = 0;
  int updates = 0;
  std::uint32_t lastUpdateFlags = 0;
};
const NodeRecord& Record(const ui::UI_Node& node);

void SetMouseOver(ui::UI_Node& node, bool over);
void SetRecommendedSize(ui::UI_Node& node, const ui::SizeF& size);

}  // namespace zelui::testing

#pragma once
// Menus shown at a place of a node, as a popup (below a rectangle, as a popup button does) or as
// a context menu (at a point). Both wait for the user's choice. Which item the user chooses comes
// from the choices tests queue (zelui/testing.h); with none queued the menu is dismissed.
#include "zelui/OSMenu.h"
#include "zelui/ui/Geometry.h"

namespace zelui::ui {

class UI_Node;

// The rectangle and point are in the node's coordinates; the flag is the toolkit's and is kept as
// given. Each returns the command id of the item chosen, or 0 when the menu was dismissed (and
// for a null menu, which shows nothing). Only an enabled item, of the menu or of one of its
// submenus, that opens no submenu itself can be chosen. The node is held while the menu is shown.
int UI_DoPopupMenu(const utility::OS_MenuP& menu, UI_Node* node, const RectF& rect, bool flag);
int UI_DoContextMenu(const utility::OS_MenuP& menu, UI_Node* node, const PointF& point);

}  // namespace zelui::ui

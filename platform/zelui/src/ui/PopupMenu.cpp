#include "zelui/ui/PopupMenu.h"

#include "os/Menu.h"
#include "zelcore/RecordAndAnswer.h"
#include "zelui/ui/PopupTesting.h"
#include "zelui/ui/UI_Node.h"

namespace zelui::ui {

namespace {

zelcore::testing::RecordAndAnswer<testing::ShownMenu, int>& MenuChoices() {
  static zelcore::testing::RecordAndAnswer<testing::ShownMenu, int> choices(0);
  return choices;
}

// Whether an enabled item of the menu, or of a submenu at any depth, carries the id. An item
// that opens a submenu is no choice itself.
bool OffersCommand(const os::Menu& menu, int commandId) {
  for (const os::MenuItem& item : menu.Items()) {
    if (item.separator || !item.enabled) continue;
    if (item.submenu) {
      if (OffersCommand(*item.submenu, commandId)) return true;
    } else if (item.tag == commandId && commandId != 0) {
      return true;
    }
  }
  return false;
}

int Show(testing::ShownMenu shown, const utility::OS_MenuP& menu, UI_Node* node) {
  if (!menu) return 0;
  const UI_NodeP hold = HoldDuringDispatch(node);
  shown.items = os::DescribeMenu(*menu->GetPlatformMenu());
  shown.node = node;
  const int choice = MenuChoices().Ask(std::move(shown));
  const int result = OffersCommand(*menu->GetPlatformMenu(), choice) ? choice : 0;
  MenuChoices().Last().result = result;
  return result;
}

}  // namespace

int UI_DoPopupMenu(const utility::OS_MenuP& menu, UI_Node* node, const RectF& rect, bool flag) {
  testing::ShownMenu shown;
  shown.kind = testing::ShownMenu::kPopup;
  shown.rect = rect;
  shown.flag = flag;
  return Show(std::move(shown), menu, node);
}

int UI_DoContextMenu(const utility::OS_MenuP& menu, UI_Node* node, const PointF& point) {
  testing::ShownMenu shown;
  shown.kind = testing::ShownMenu::kContext;
  shown.point = point;
  return Show(std::move(shown), menu, node);
}

}  // namespace zelui::ui

namespace zelui::testing {

void QueueMenuChoice(int commandId) { ui::MenuChoices().Queue(commandId); }
const std::vector<ShownMenu>& ShownMenus() { return ui::MenuChoices().Requests(); }
void ResetMenus() { ui::MenuChoices().Reset(); }

}  // namespace zelui::testing

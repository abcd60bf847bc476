#pragma once
// What only tests do with popup and context menus and the input box (through zelui/testing.h):
// queue what the user chooses or types, and read what was shown.
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/ui/Geometry.h"

namespace limner {
class SupplierInterface;
}
namespace zelui::ui {
class UI_Node;
}

namespace zelui::testing {

// The command ids the user chooses in the next popup or context menus, oldest first. A choice
// that no enabled item of the menu carries dismisses the menu, as does an empty queue.
void QueueMenuChoice(int commandId);

// A menu as it was shown: its items as os::DescribeMenu lines, where, and what it returned.
struct ShownMenu {
  enum Kind { kPopup, kContext };
  Kind kind = kPopup;
  std::vector<std::string> items;
  const ui::UI_Node* node = nullptr;
  ui::RectF rect;    // popup menus
  ui::PointF point;  // context menus
  bool flag = false;
  int result = 0;
};
const std::vector<ShownMenu>& ShownMenus();
// Forgets the menus shown and the choices not used.
void ResetMenus();

// How the user ends the next input boxes, oldest first: accepted with a text, or cancelled (the
// default answer, and the one given once the queue is empty).
struct InputBoxAnswer {
  bool accepted = false;
  zelcore::UTF16String text;
};
void QueueInputBoxAnswer(InputBoxAnswer answer);

// An input box as it was shown and how it ended.
struct ShownInputBox {
  const limner::SupplierInterface* supplier = nullptr;
  zelcore::UTF16String title, prompt, initialValue;
  bool firstOption = false, secondOption = false;
  const ui::UI_Node* parent = nullptr;
  float firstNumber = 0, secondNumber = 0;
  int firstButton = 0, secondButton = 0;
  bool accepted = false;
};
const std::vector<ShownInputBox>& ShownInputBoxes();
// Forgets the input boxes shown and the answers not used.
void ResetInputBoxes();

}  // namespace zelui::testing

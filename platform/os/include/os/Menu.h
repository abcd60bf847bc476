#pragma once
// Platform menus: items with a title, a command tag, an enabled and a checked state, an optional
// key equivalent and submenu, or a separator. Menus are shared: a menu lives as long as someone holds it.
#include <memory>
#include <string>
#include <vector>

namespace os {

class Menu;

struct MenuItem {
  std::string title;  // UTF-8
  int tag = 0;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  std::string keyEquivalent;
  std::shared_ptr<Menu> submenu;
};

class Menu {
 public:
  // A new empty menu; null when the menu could not be made.
  static std::shared_ptr<Menu> New();

  void AddItem(MenuItem item) { mItems.push_back(std::move(item)); }
  const std::vector<MenuItem>& Items() const { return mItems; }
  std::vector<MenuItem>& Items() { return mItems; }

  // Whether the menu's items may carry keyboard accelerators.
  void SetAllowsKeyEquivalents(bool allows) { mAllowsKeyEquivalents = allows; }
  bool AllowsKeyEquivalents() const { return mAllowsKeyEquivalents; }

 private:
  std::vector<MenuItem> mItems;
  bool mAllowsKeyEquivalents = false;
};

// The menu as lines of text, one item a line, submenu items indented by two spaces:
// "Title [tag]" (the tag only when not 0), "(disabled)" after a disabled item, "(checked)" after a
// checked one, "-" for a separator, and "Title >" for an item with a submenu.
std::vector<std::string> DescribeMenu(const Menu& menu);

}  // namespace os

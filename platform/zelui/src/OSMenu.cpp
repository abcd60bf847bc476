#include "zelui/OSMenu.h"

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "zelcore/Localizer.h"
#include "zelcore/xml/DocParserFactory.h"

namespace zelui::utility {

namespace {

// The item at the position, or null outside 0..size-1.
template <typename Menu>
auto* ItemAt(Menu& menu, int position) {
  auto& items = menu.Items();
  return position >= 0 && static_cast<std::size_t>(position) < items.size() ? &items[static_cast<std::size_t>(position)]
                                                                            : nullptr;
}

os::MenuItem* ItemWithID(os::Menu& menu, int commandId) {
  for (os::MenuItem& item : menu.Items())
    if (!item.separator && item.tag == commandId) return &item;
  return nullptr;
}

// Depth first; menus met before are not walked again.
bool Reaches(const os::Menu* from, const os::Menu* target, std::set<const os::Menu*>& seen) {
  if (from == nullptr || !seen.insert(from).second) return false;
  if (from == target) return true;
  for (const os::MenuItem& item : from->Items())
    if (Reaches(item.submenu.get(), target, seen)) return true;
  return false;
}

}  // namespace

bool OS_Menu::Contains(const os::Menu* menu) const {
  std::set<const os::Menu*> seen;
  return Reaches(mMenu.get(), menu, seen);
}

bool OS_Menu::AppendItem(const zelcore::UTF16String& text, int commandId, const OS_MenuP& subMenu) {
  if (subMenu && subMenu->Contains(mMenu.get())) return false;
  os::MenuItem item;
  item.title = zelcore::UTF16to8(text);
  item.tag = commandId;
  if (subMenu) item.submenu = subMenu->PlatformMenu();
  mMenu->AddItem(std::move(item));
  return true;
}

void OS_Menu::AppendSeparator(int commandId) {
  os::MenuItem item;
  item.separator = true;
  item.tag = commandId;
  mMenu->AddItem(std::move(item));
}

bool OS_Menu::SetItemEnabled(int position, bool enabled) {
  os::MenuItem* item = ItemAt(*mMenu, position);
  if (item != nullptr) item->enabled = enabled;
  return item != nullptr;
}

bool OS_Menu::IsItemEnabled(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr && item->enabled;
}

bool OS_Menu::SetItemChecked(int position, bool checked) {
  os::MenuItem* item = ItemAt(*mMenu, position);
  if (item != nullptr) item->checked = checked;
  return item != nullptr;
}

bool OS_Menu::IsItemChecked(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr && item->checked;
}

bool OS_Menu::SetItemID(int position, int commandId) {
  os::MenuItem* item = ItemAt(*mMenu, position);
  if (item != nullptr) item->tag = commandId;
  return item != nullptr;
}

int OS_Menu::GetItemID(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr ? item->tag : 0;
}

zelcore::UTF16String OS_Menu::GetItemText(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr ? zelcore::UTF8to16(item->title) : zelcore::UTF16String();
}

bool OS_Menu::IsItemSeparator(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr && item->separator;
}

OS_MenuP OS_Menu::GetItemSubMenu(int position) const {
  const os::MenuItem* item = ItemAt(std::as_const(*mMenu), position);
  return item != nullptr ? CreateOSMenuFromPlatformMenu(item->submenu) : nullptr;
}

bool OS_Menu::SetItemIDChecked(int commandId, bool checked) {
  os::MenuItem* item = ItemWithID(*mMenu, commandId);
  if (item != nullptr) item->checked = checked;
  return item != nullptr;
}

bool OS_Menu::SetItemIDSubMenu(int commandId, const OS_MenuP& subMenu) {
  os::MenuItem* item = ItemWithID(*mMenu, commandId);
  if (item == nullptr || (subMenu && subMenu->Contains(mMenu.get()))) return false;
  item->submenu = subMenu ? subMenu->PlatformMenu() : nullptr;
  return true;
}

OS_MenuP CreateOSMenuFromPlatformMenu(const std::shared_ptr<os::Menu>& platformMenu) {
  if (!platformMenu) return nullptr;
  return OS_MenuP(new OS_Menu(platformMenu));
}

OS_MenuP CreateOSMenu() { return CreateOSMenuFromPlatformMenu(os::Menu::New()); }

void ScAllowAccelerators::Allow(OS_Menu* menu, bool allow) {
  if (menu != nullptr) menu->GetPlatformMenu()->SetAllowsKeyEquivalents(allow);
}

namespace {

zelcore::UTF16String Attribute(const zelcore::xml::AttributeMap& attributes, const char16_t* name) {
  const auto it = attributes.find(name);
  return it == attributes.end() ? zelcore::UTF16String() : it->second;
}

zelcore::UTF16String Title(const zelcore::UTF16String& title) {
  if (title.rfind(u"$$$/", 0) != 0) return title;
  return zelcore::config::Localize(zelcore::UTF16to8(title).c_str());
}

class MenuHandler : public zelcore::xml::AbstractParseHandler {
 public:
  MenuHandler(OS_Menu* root, UI_XMLMenuParser::SubMenuMap& subMenus, UI_XMLMenuParser::CommandIDForName& idForName)
      : mRoot(root), mSubMenus(subMenus), mIdForName(idForName) {}

  void StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) override {
    if (mDepth++ == 0) return;  // the root element is the menu itself
    OS_Menu* menu = mOpen.empty() ? mRoot : mOpen.back().get();
    if (name == u"Separator") {
      menu->AppendSeparator(0);
    } else if (name == u"MenuItem") {
      menu->AppendItem(Title(Attribute(attributes, u"title")), CommandId(attributes));
      const auto key = Attribute(attributes, u"key");
      if (!key.empty()) menu->GetPlatformMenu()->Items().back().keyEquivalent = zelcore::UTF16to8(key);
    } else if (name == u"Menu") {
      OS_MenuP subMenu = CreateOSMenu();
      menu->AppendItem(Title(Attribute(attributes, u"title")), CommandId(attributes), subMenu);
      const auto subName = Attribute(attributes, u"name");
      if (!subName.empty()) mSubMenus[subName] = subMenu;
      mOpen.push_back(subMenu);
      mOpened.push_back(mDepth);
    }
  }

  void EndElement(const zelcore::UTF16String&) override {
    if (!mOpened.empty() && mOpened.back() == mDepth) {
      mOpened.pop_back();
      mOpen.pop_back();
    }
    --mDepth;
  }

 private:
  int CommandId(const zelcore::xml::AttributeMap& attributes) const {
    const auto command = Attribute(attributes, u"command");
    if (!command.empty()) return mIdForName ? mIdForName(command) : 0;
    const auto id = zelcore::UTF16to8(Attribute(attributes, u"id"));
    return id.empty() ? 0 : std::atoi(id.c_str());
  }

  OS_Menu* mRoot;
  UI_XMLMenuParser::SubMenuMap& mSubMenus;
  UI_XMLMenuParser::CommandIDForName& mIdForName;
  std::vector<OS_MenuP> mOpen;  // submenus being filled, innermost last
  std::vector<int> mOpened;     // the element depth at which each was opened
  int mDepth = 0;
};

}  // namespace

UI_XMLMenuParser::UI_XMLMenuParser(OS_Menu* menu, const std::string& xml, SubMenuMap& subMenus,
                                   CommandIDForName commandIdForName) {
  if (menu == nullptr) return;
  auto parser = zelcore::xml::GetParser(std::make_unique<MenuHandler>(menu, subMenus, commandIdForName));
  if (parser) parser->ParseBuffer(xml);
}

}  // namespace zelui::utility

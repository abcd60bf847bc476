#include "zelui/OSMenu.h"

#include <cstdlib>
#include <vector>

#include "zelcore/Localizer.h"
#include "zelcore/xml/DocParserFactory.h"

namespace zelui::utility {

void OS_Menu::AppendItem(const zelcore::UTF16String& text, int commandId, const OS_MenuP& subMenu) {
  os::MenuItem item;
  item.title = zelcore::UTF16to8(text);
  item.tag = commandId;
  if (subMenu) item.submenu = subMenu->PlatformMenu();
  mMenu->AddItem(std::move(item));
}

void OS_Menu::AppendSeparator(int commandId) {
  os::MenuItem item;
  item.separator = true;
  item.tag = commandId;
  mMenu->AddItem(std::move(item));
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

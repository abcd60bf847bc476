#pragma once
// The UI framework's OS menus: a counted wrapper round a platform menu, built item by item or
// from an XML menu description.
#include <atomic>
#include <functional>
#include <map>
#include <memory>

#include <boost/intrusive_ptr.hpp>

#include "os/Menu.h"
#include "zelcore/Strings.h"

namespace zelui::utility {

class OS_Menu {
 public:
  explicit OS_Menu(std::shared_ptr<os::Menu> menu) : mMenu(std::move(menu)) {}
  OS_Menu(const OS_Menu&) = delete;
  OS_Menu& operator=(const OS_Menu&) = delete;

  void AddRef() const { mRefCount.fetch_add(1); }
  void Release() const {
    if (mRefCount.fetch_sub(1) == 1) delete this;
  }

  os::Menu* GetPlatformMenu() const { return mMenu.get(); }
  const std::shared_ptr<os::Menu>& PlatformMenu() const { return mMenu; }

  // Appends an item with a command id, and a submenu when one is given. A submenu that is this
  // menu, or holds it at any depth, is refused (false, nothing appended): a menu never contains
  // itself.
  bool AppendItem(const zelcore::UTF16String& text, int commandId,
                  const boost::intrusive_ptr<OS_Menu>& subMenu = nullptr);
  void AppendSeparator(int commandId);
  int Size() const { return static_cast<int>(mMenu->Items().size()); }

  // Items by position, the first at 0. A position outside 0..Size()-1 changes nothing: setters
  // answer false, getters false, 0, an empty text or null.
  bool SetItemEnabled(int position, bool enabled);
  bool IsItemEnabled(int position) const;
  bool SetItemChecked(int position, bool checked);
  bool IsItemChecked(int position) const;
  bool SetItemID(int position, int commandId);
  int GetItemID(int position) const;
  zelcore::UTF16String GetItemText(int position) const;
  bool IsItemSeparator(int position) const;
  // A new counted menu over the item's submenu; null when the item has none.
  boost::intrusive_ptr<OS_Menu> GetItemSubMenu(int position) const;

  // Items by command id: the first item of this menu itself (not of its submenus) with the id;
  // false when there is none.
  bool SetItemIDChecked(int commandId, bool checked);
  // Gives the item a submenu (null takes it away); a submenu refused by AppendItem is refused
  // here too.
  bool SetItemIDSubMenu(int commandId, const boost::intrusive_ptr<OS_Menu>& subMenu);

  // Whether the platform menu is this menu's or one of its submenus', at any depth.
  bool Contains(const os::Menu* menu) const;

 private:
  ~OS_Menu() = default;
  std::shared_ptr<os::Menu> mMenu;
  mutable std::atomic<int> mRefCount{0};
};

inline void intrusive_ptr_add_ref(const OS_Menu* menu) { menu->AddRef(); }
inline void intrusive_ptr_release(const OS_Menu* menu) { menu->Release(); }

using OS_MenuP = boost::intrusive_ptr<OS_Menu>;

// A counted menu over the platform menu, which it holds; null for a null platform menu.
OS_MenuP CreateOSMenuFromPlatformMenu(const std::shared_ptr<os::Menu>& platformMenu);
// A counted menu over a new empty platform menu.
OS_MenuP CreateOSMenu();

// Whether a menu's items show and answer their keyboard accelerators.
struct ScAllowAccelerators {
  static void Allow(OS_Menu* menu, bool allow);
};

// Builds menu items from an XML description into a menu. The root element's children are
// <MenuItem title="..." command="Name" key="q"/> (or id="N" in place of a command name),
// <Separator/> and <Menu title="..." name="..." command="Name">...</Menu> for a submenu, which
// is also stored under its name in the map when it has one. Titles of the form "$$$/key=text" are
// localised through the installed localiser.
class UI_XMLMenuParser {
 public:
  using CommandIDForName = std::function<int(const zelcore::UTF16String&)>;
  using SubMenuMap = std::map<zelcore::UTF16String, OS_MenuP>;

  // Parses at once; a description that cannot be read whole adds the items read before the fault.
  UI_XMLMenuParser(OS_Menu* menu, const std::string& xml, SubMenuMap& subMenus, CommandIDForName commandIdForName);
};

}  // namespace zelui::utility

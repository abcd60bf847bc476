#pragma once
// The workspace menu: a submenu of the main menu that lists the workspaces by name, kept by a
// platform menu helper. The command attachment that runs its commands is built on the application
// framework's command handlers and lives there (arx/uisupport/WorkspacesCmdAttachment.h).
#include <functional>
#include <memory>
#include <vector>

#include "zelui/OSMenu.h"
#include "zelworkspace/Manager.h"

namespace zelworkspace {

class PlatformMenuHelperBase {
 public:
  // Reserves count command ids; returns the first.
  using ReserveCmdRange = std::function<int(int count)>;

  // A helper that fills the submenu with one item per workspace of the manager, with command
  // ids from the reserve function; with rebuildOnChange the list would follow the manager's
  // changes, which this manager does not announce.
  static PlatformMenuHelperBase* NewPlatformMenuHelper(const zelui::utility::OS_MenuP& subMenu, Manager* manager,
                                                       ReserveCmdRange reserve, bool rebuildOnChange);
  virtual ~PlatformMenuHelperBase() = default;

  // Puts the workspace items at the end of the submenu afresh.
  void RebuildMenu();
  // The workspace name for a command id of the list, or null.
  const zelcore::UTF16String* WorkspaceForCommand(int commandId) const;

 protected:
  PlatformMenuHelperBase(zelui::utility::OS_MenuP subMenu, Manager* manager, ReserveCmdRange reserve,
                         bool rebuildOnChange);

 private:
  zelui::utility::OS_MenuP mSubMenu;
  Manager* mManager;
  ReserveCmdRange mReserve;
  std::size_t mFixedItems = 0;  // items of the submenu before the workspace list
  int mFirstId = 0;
  std::size_t mReserved = 0;  // how many ids the range from mFirstId holds
  std::vector<zelcore::UTF16String> mListed;
};

namespace workspaceutils {

// The three workspace folders of the application (user, modified built-in, factory), in order.
void GetWorkspaceDirs(const zelcore::UTF16String& appName, zelcore::UTF16String& userDir,
                      zelcore::UTF16String& modifiedDir, zelcore::UTF16String& factoryDir);
// The submenu of the item with the command id, searched through the whole menu; null when no
// item with that id has a submenu.
zelui::utility::OS_MenuP GetWorkspaceSubMenu(const zelui::utility::OS_MenuP& mainMenu, int commandId);

}  // namespace workspaceutils

}  // namespace zelworkspace

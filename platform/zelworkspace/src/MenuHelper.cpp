#include "zelworkspace/MenuHelper.h"

#include "zelcore/Files.h"

namespace zelworkspace {

PlatformMenuHelperBase* PlatformMenuHelperBase::NewPlatformMenuHelper(const zelui::utility::OS_MenuP& subMenu,
                                                                      Manager* manager, ReserveCmdRange reserve,
                                                                      bool rebuildOnChange) {
  auto* helper = new PlatformMenuHelperBase(subMenu, manager, std::move(reserve), rebuildOnChange);
  helper->RebuildMenu();
  return helper;
}

PlatformMenuHelperBase::PlatformMenuHelperBase(zelui::utility::OS_MenuP subMenu, Manager* manager,
                                               ReserveCmdRange reserve, bool rebuildOnChange)
    : mSubMenu(std::move(subMenu)), mManager(manager), mReserve(std::move(reserve)) {
  // The manager here announces no changes, so there is nothing to follow.
  (void)rebuildOnChange;
  if (mSubMenu) mFixedItems = static_cast<std::size_t>(mSubMenu->Size());
}

void PlatformMenuHelperBase::RebuildMenu() {
  if (!mSubMenu || mManager == nullptr) return;
  auto& items = mSubMenu->GetPlatformMenu()->Items();
  if (items.size() > mFixedItems) items.resize(mFixedItems);
  mListed = mManager->GetWorkspaceNames();
  if (mListed.empty()) return;
  // A range of ids is reserved for the list, and a new one only when the list outgrows it.
  if (mListed.size() > mReserved && mReserve) {
    mFirstId = mReserve(static_cast<int>(mListed.size()));
    mReserved = mFirstId > 0 ? mListed.size() : 0;
  }
  for (std::size_t i = 0; i < mListed.size(); ++i)
    mSubMenu->AppendItem(mListed[i], mFirstId > 0 ? mFirstId + static_cast<int>(i) : 0);
}

const zelcore::UTF16String* PlatformMenuHelperBase::WorkspaceForCommand(int commandId) const {
  if (mFirstId <= 0 || commandId < mFirstId) return nullptr;
  const auto index = static_cast<std::size_t>(commandId - mFirstId);
  return index < mListed.size() ? &mListed[index] : nullptr;
}

namespace workspaceutils {

void GetWorkspaceDirs(const zelcore::UTF16String& appName, zelcore::UTF16String& userDir,
                      zelcore::UTF16String& modifiedDir, zelcore::UTF16String& factoryDir) {
  const zelcore::Dir user(zelcore::Dir(zelcore::Dir::PreferencesDir(), appName), u"Workspaces");
  userDir = user.FullPath();
  modifiedDir = zelcore::Dir(user, u"Modified").FullPath();
  factoryDir = zelcore::Dir(zelcore::Dir::ResourcesDir(), u"Workspaces").FullPath();
}

namespace {
zelui::utility::OS_MenuP FindSubMenu(const std::shared_ptr<os::Menu>& menu, int commandId) {
  if (!menu) return nullptr;
  for (const os::MenuItem& item : menu->Items()) {
    if (!item.submenu) continue;
    if (item.tag == commandId) return zelui::utility::CreateOSMenuFromPlatformMenu(item.submenu);
    if (auto found = FindSubMenu(item.submenu, commandId)) return found;
  }
  return nullptr;
}
}  // namespace

zelui::utility::OS_MenuP GetWorkspaceSubMenu(const zelui::utility::OS_MenuP& mainMenu, int commandId) {
  return mainMenu ? FindSubMenu(mainMenu->PlatformMenu(), commandId) : nullptr;
}

}  // namespace workspaceutils

}  // namespace zelworkspace

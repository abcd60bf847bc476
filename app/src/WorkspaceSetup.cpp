// The workspace framework's set-up steps: the built-in workspace provider, the manager over it,
// and the workspace submenu of the main menu.
#include <memory>

#include "App.h"
#include "BuiltInWorkspaceProvider.h"
#include "arx/uisupport/SyntheticCmdMgr.h"
#include "arx/uisupport/WorkspacesCmdAttachment.h"
#include "zelworkspace/MenuHelper.h"

namespace fennick {

zelworkspace::WorkspaceProviderBase* App::InitWorkspaceProvider() {
  return new BuiltInWorkspaceProvider(GetDefaultWorkspaceName());
}

zelworkspace::Manager* App::InitWorkspaceManager() {
  zelcore::UTF16String userDir, modifiedDir, factoryDir;
  zelworkspace::workspaceutils::GetWorkspaceDirs(GetAppName(), userDir, modifiedDir, factoryDir);
  auto* manager = new zelworkspace::Manager(GetWorkspace(), userDir, modifiedDir, factoryDir,
                                            mWorkspaceProvider.get(), false);
  manager->Initialize();
  return manager;
}

zelworkspace::PlatformMenuHelperBase* App::InitWorkspaceMenuHelper(zelworkspace::Manager* manager) {
  const auto subMenu = zelworkspace::workspaceutils::GetWorkspaceSubMenu(
      zelui::utility::CreateOSMenuFromPlatformMenu(GetMainMenu()), kWorkspaceSubMenuCmd);
  zelworkspace::PlatformMenuHelperBase* helper = zelworkspace::PlatformMenuHelperBase::NewPlatformMenuHelper(
      subMenu, manager, [](int count) { return arx::uisupport::SyntheticCmdMgr::ReserveCmdRange(count); }, true);
  auto attachment = std::make_unique<zelworkspace::WorkspacesCmdAttachment>(
      GetWorkspace(), manager, helper, kWorkspaceFirstCmd, kWorkspaceSubMenuCmd, kWorkspaceSecondCmd);
  // The command handler owns the attachment; a new one takes the place of the one before.
  if (mWorkspacesCmdAttachment != nullptr) RemoveAttachment(mWorkspacesCmdAttachment);
  mWorkspacesCmdAttachment = attachment.get();
  AddAttachment(std::move(attachment));
  return helper;
}

}  // namespace fennick

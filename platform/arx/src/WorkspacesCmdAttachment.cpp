#include "arx/uisupport/WorkspacesCmdAttachment.h"

#include "zelworkspace/Manager.h"
#include "zelworkspace/MenuHelper.h"

namespace zelworkspace {

WorkspacesCmdAttachment::WorkspacesCmdAttachment(Workspace* workspace, Manager* manager,
                                                 PlatformMenuHelperBase* helper, int firstCmd, int subMenuCmd,
                                                 int secondCmd)
    : mWorkspace(workspace), mManager(manager), mHelper(helper), mFirstCmd(firstCmd), mSubMenuCmd(subMenuCmd),
      mSecondCmd(secondCmd) {}

bool WorkspacesCmdAttachment::HandleCommand(int commandId) {
  if (commandId == mFirstCmd || commandId == mSecondCmd) return true;
  const zelcore::UTF16String* name = mHelper != nullptr ? mHelper->WorkspaceForCommand(commandId) : nullptr;
  return name != nullptr && mManager != nullptr && mManager->SwitchToWorkspace(*name);
}

bool WorkspacesCmdAttachment::CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String&) {
  if (commandId == mFirstCmd || commandId == mSecondCmd || commandId == mSubMenuCmd) {
    enabled = mWorkspace != nullptr && mManager != nullptr;
    checked = false;
    return true;
  }
  const zelcore::UTF16String* name = mHelper != nullptr ? mHelper->WorkspaceForCommand(commandId) : nullptr;
  if (name == nullptr || mManager == nullptr) return false;
  enabled = true;
  checked = *name == mManager->GetCurrentWorkspaceName();
  return true;
}

}  // namespace zelworkspace

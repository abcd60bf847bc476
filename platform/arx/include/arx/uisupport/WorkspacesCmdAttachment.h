#pragma once
// The workspace framework's command attachment for its workspace menu. It is built on the
// application framework's command handlers, so it lives here, above both frameworks.
#include "arx/uisupport/CommandHandler.h"
#include "zelcore/Strings.h"

namespace zelworkspace {

class Workspace;
class Manager;
class PlatformMenuHelperBase;

// Runs the workspace commands: the first and second fixed commands and the submenu's id are
// enabled (the fixed commands are taken and do nothing more here), and a workspace item of the
// helper's list switches to that workspace. Nothing it is given is owned.
class WorkspacesCmdAttachment : public arx::uisupport::CommandAttachment {
 public:
  WorkspacesCmdAttachment(Workspace* workspace, Manager* manager, PlatformMenuHelperBase* helper, int firstCmd,
                          int subMenuCmd, int secondCmd);

  bool HandleCommand(int commandId) override;
  bool CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) override;

 private:
  Workspace* mWorkspace;
  Manager* mManager;
  PlatformMenuHelperBase* mHelper;
  int mFirstCmd, mSubMenuCmd, mSecondCmd;
};

}  // namespace zelworkspace

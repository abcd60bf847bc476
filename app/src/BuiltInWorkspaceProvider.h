#pragma once
// The provider of the application's one built-in workspace.
#include "zelworkspace/Manager.h"

namespace fennick {

class BuiltInWorkspaceProvider : public zelworkspace::BuiltInWorkspaceProviderBase {
 public:
  explicit BuiltInWorkspaceProvider(const zelcore::UTF16String& name) : mName(name) {}
  ~BuiltInWorkspaceProvider() override = default;

  // Appends the provider's one name.
  void GetWorkspaces(std::vector<zelcore::UTF16String>& names) override;
  // The provider's workspace as the "DefaultWorkspace" resource describes it; any other name,
  // or no resource manager, gives one window over monitor 0 with one empty frame.
  zelworkspace::WorkspaceBuilder* GetWorkspaceBuilder(const zelcore::UTF16String& name,
                                                      zelworkspace::Workspace* workspace) override;

 private:
  zelcore::UTF16String mName;
};

}  // namespace fennick

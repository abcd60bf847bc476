#pragma once
// Workspaces by name: a provider supplies the application's built-in ones, and the manager keeps
// the list, the folders saved workspaces live in, and which workspace is current.
#include <memory>
#include <vector>

#include "zelcore/Strings.h"
#include "zelworkspace/WorkspaceBuilder.h"

namespace zelworkspace {

class WorkspaceProviderBase {
 public:
  virtual ~WorkspaceProviderBase() = default;
  // Appends the provider's workspace names to the list.
  virtual void GetWorkspaces(std::vector<zelcore::UTF16String>& names) = 0;
  // A new builder for the named workspace, owned by the caller; null when the provider has none.
  virtual WorkspaceBuilder* GetWorkspaceBuilder(const zelcore::UTF16String& name, Workspace* workspace) = 0;
};

// The provider of the workspaces that come with the application.
class BuiltInWorkspaceProviderBase : public WorkspaceProviderBase {
 public:
  WorkspaceBuilder* GetWorkspaceBuilder(const zelcore::UTF16String&, Workspace*) override { return nullptr; }
};

class Manager {
 public:
  // The folders: the user's workspaces, the user's changed built-in workspaces, the factory ones.
  // The provider is not owned. readOnly would keep the manager from saving; this one saves
  // nothing.
  Manager(Workspace* workspace, const zelcore::UTF16String& userDir, const zelcore::UTF16String& modifiedDir,
          const zelcore::UTF16String& factoryDir, WorkspaceProviderBase* provider, bool readOnly);

  // Collects the workspace names from the provider; the first becomes current.
  void Initialize();

  const std::vector<zelcore::UTF16String>& GetWorkspaceNames() const { return mNames; }
  const zelcore::UTF16String& GetCurrentWorkspaceName() const { return mCurrent; }
  const std::vector<zelcore::UTF16String>& GetWorkspaceDirs() const { return mDirs; }

  // Makes the named workspace current with the layout its provider describes; false when the
  // provider gives no builder for it.
  bool SwitchToWorkspace(const zelcore::UTF16String& name);
  // The layout of the current workspace, once one was switched to.
  const WorkspaceBuilder* GetCurrentLayout() const { return mLayout.get(); }

 private:
  Workspace* mWorkspace;
  std::vector<zelcore::UTF16String> mDirs;
  WorkspaceProviderBase* mProvider;
  std::vector<zelcore::UTF16String> mNames;
  zelcore::UTF16String mCurrent;
  std::unique_ptr<WorkspaceBuilder> mLayout;
};

}  // namespace zelworkspace

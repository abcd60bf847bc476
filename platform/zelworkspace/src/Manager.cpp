#include "zelworkspace/Manager.h"

namespace zelworkspace {

WorkspaceBuilder::WorkspaceBuilder(Workspace* workspace, bool builtIn, bool described)
    : mWorkspace(workspace), mBuiltIn(builtIn), mDescribed(described),
      mPropList(new zelcore::proplist::PropList()) {}

Manager::Manager(Workspace* workspace, const zelcore::UTF16String& userDir, const zelcore::UTF16String& modifiedDir,
                 const zelcore::UTF16String& factoryDir, WorkspaceProviderBase* provider, bool readOnly)
    : mWorkspace(workspace), mDirs{userDir, modifiedDir, factoryDir}, mProvider(provider) {
  // Nothing is saved here, so read-only changes nothing.
  (void)readOnly;
}

void Manager::Initialize() {
  mNames.clear();
  if (mProvider != nullptr) mProvider->GetWorkspaces(mNames);
  mCurrent = mNames.empty() ? zelcore::UTF16String() : mNames.front();
}

bool Manager::SwitchToWorkspace(const zelcore::UTF16String& name) {
  if (mProvider == nullptr) return false;
  std::unique_ptr<WorkspaceBuilder> builder(mProvider->GetWorkspaceBuilder(name, mWorkspace));
  if (!builder) return false;
  mLayout = std::move(builder);
  mCurrent = name;
  return true;
}

}  // namespace zelworkspace

#include "zelworkspace/Workspace.h"

namespace zelworkspace {

Workspace::~Workspace() {
  // Panels go before their creators.
  mShown.clear();
}

void Workspace::RegisterTabCreator(std::unique_ptr<TabCreator> creator) {
  if (creator) mCreators.push_back(std::move(creator));
}

bool Workspace::ToggleTab(const zelcore::UTF16String& tabType) {
  if (mShown.erase(tabType)) return true;
  for (auto& creator : mCreators) {
    if (creator->TabType() != tabType) continue;
    if (auto panel = creator->NewTabPanel()) {
      mShown[tabType] = std::move(panel);
      return true;
    }
  }
  return false;
}

bool WorkspaceUtils::ToggleTabState(Workspace* workspace, const zelcore::UTF16String& tabType, bool) {
  return workspace != nullptr && workspace->ToggleTab(tabType);
}

bool WorkspaceUtils::TabIsShown(const Workspace* workspace, const zelcore::UTF16String& tabType) {
  return workspace != nullptr && workspace->IsTabShown(tabType);
}

}  // namespace zelworkspace

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
  const auto shown = mShown.find(tabType);
  if (shown != mShown.end()) {
    if (!shown->second->AllowClose()) return false;
    shown->second->UI_Show(false);
    mShown.erase(shown);
    return true;
  }
  for (auto& creator : mCreators) {
    if (creator->TabType() != tabType) continue;
    if (auto panel = creator->CreateTabPanel(this, &mMainFrame)) {
      panel->UI_Show(true);
      mShown[tabType] = std::move(panel);
      return true;
    }
  }
  return false;
}

void Workspace::VisitTabs(TabVisitor& visitor) const {
  for (const auto& shown : mShown)
    if (!visitor.VisitTab(shown.second.get())) return;
}

bool WorkspaceUtils::ToggleTabState(Workspace* workspace, const zelcore::UTF16String& tabType, bool) {
  return workspace != nullptr && workspace->ToggleTab(tabType);
}

void WorkspaceUtils::VisitEachTab(const Workspace* workspace, TabVisitor& visitor) {
  if (workspace != nullptr) workspace->VisitTabs(visitor);
}

bool WorkspaceUtils::TabIsShown(const Workspace* workspace, const zelcore::UTF16String& tabType) {
  return workspace != nullptr && workspace->IsTabShown(tabType);
}

}  // namespace zelworkspace

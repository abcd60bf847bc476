#include "zelworkspace/Workspace.h"

namespace zelworkspace {

namespace {

zelui::ui::RectF ToRectF(const zelui::ui::Rect32& rect) {
  return {static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.width),
          static_cast<float>(rect.height)};
}

}  // namespace

Workspace::Workspace(std::unique_ptr<DrawSupplier> supplier)
    : mDrawSupplier(supplier ? std::move(supplier) : std::make_unique<DrawSupplier>()),
      mMainWindow(new TopLevelWindow(mDrawSupplier.get(), zelcore::UTF16String())),
      mMainFrame(mMainWindow.get()) {}

Workspace::~Workspace() {
  mFocused = mLastTouched = 0;
  // Every panel of this workspace forgets it, and its frame, before any is let go: a dying panel
  // that asks for its workspace finds none.
  for (TabPanel* panel : LiveTabPanels()) {
    if (panel->mWorkspace == this) panel->mWorkspace = nullptr;
    if (panel->mFrame == &mMainFrame) panel->mFrame = nullptr;
  }
  std::map<std::int32_t, Entry> panels;
  panels.swap(mPanels);
  for (const auto& held : panels)
    if (mMainWindow) mMainWindow->UI_GetContainer().ChildRemove(held.second.panel.get());
  panels.clear();
  mCreators.clear();
  mRetiredCreators.clear();
  if (mMainWindow) mMainWindow->SetDrawSupplier(nullptr);
}

// Creators.

void Workspace::Retire(std::unique_ptr<TabCreator> creator) {
  if (mCreating > 0) mRetiredCreators.push_back(std::move(creator));
}

void Workspace::RegisterTabCreator(std::unique_ptr<TabCreator> creator) {
  if (!creator) return;
  std::unique_ptr<TabCreator>& slot = mCreators[creator->TabType()];
  std::unique_ptr<TabCreator> replaced = std::move(slot);
  slot = std::move(creator);
  Retire(std::move(replaced));
}

TabCreator* Workspace::FindCreator(const std::string& tabType) const {
  const auto it = mCreators.find(tabType);
  return it == mCreators.end() ? nullptr : it->second.get();
}

void Workspace::UnregisterTabCreator(const std::string& tabType) {
  const auto it = mCreators.find(tabType);
  if (it == mCreators.end()) return;
  std::unique_ptr<TabCreator> creator = std::move(it->second);
  mCreators.erase(it);
  Retire(std::move(creator));
}

TabPanelP Workspace::MakePanel(TabCreator& creator) {
  // The creator may replace or unregister itself while it works; it is kept until every creation
  // running is over.
  struct Creating {
    explicit Creating(Workspace& w) : workspace(w) { ++workspace.mCreating; }
    ~Creating() {
      if (--workspace.mCreating > 0) return;
      std::vector<std::unique_ptr<TabCreator>> retired;
      retired.swap(workspace.mRetiredCreators);
    }
    Workspace& workspace;
  } creating(*this);
  return creator.CreateTabPanel(this, &mMainFrame);
}

// Panels.

const Workspace::Entry* Workspace::Find(const TabPanel* panel) const {
  if (panel == nullptr) return nullptr;
  const auto it = mPanels.find(panel->GetID());
  return it != mPanels.end() && it->second.panel.get() == panel ? &it->second : nullptr;
}

void Workspace::Show(std::int32_t id, const zelui::ui::Rect32* rect, bool takeFocus) {
  const auto it = mPanels.find(id);
  if (it == mPanels.end()) return;
  const TabPanelP panel = it->second.panel;
  it->second.shown = true;
  if (mMainWindow && panel->UI_GetParentNode() != mMainWindow.get())
    mMainWindow->UI_GetContainer().ChildPushBack(panel.get());
  panel->UI_Show(true);
  // The panel's own code runs from here on and may close it.
  if (rect != nullptr) panel->SetPanelRect(ToRectF(*rect));
  if (takeFocus && IsTabPanelShown(panel.get())) SetFocusedTabPanel(panel.get());
}

TabPanel* Workspace::CreateOrReanimateTab(const std::string& tabType, const zelui::ui::Rect32* rect,
                                          bool takeFocus) {
  std::int32_t id = 0;
  for (const auto& held : mPanels)
    if (!held.second.shown && held.second.panel->GetTabType() == tabType) {
      id = held.first;
      break;
    }
  if (id == 0) {
    TabCreator* creator = FindCreator(tabType);
    if (creator == nullptr) return nullptr;
    const TabPanelP panel = MakePanel(*creator);
    if (!panel) return nullptr;
    id = panel->GetID();
    mPanels.emplace(id, Entry{panel, false});
  }
  Show(id, rect, takeFocus);
  return FindTabFromTabPanelID(id);
}

bool Workspace::CloseTab(TabPanel* panel) {
  if (Find(panel) == nullptr) return false;
  const TabPanelP hold(panel);
  const std::int32_t id = panel->GetID();
  const TabCreator* creator = FindCreator(panel->GetTabType());
  if (creator != nullptr && creator->HideWhenClosed()) {
    mPanels.at(id).shown = false;
    panel->UI_Show(false);
  } else {
    mPanels.erase(id);
    if (mMainWindow) mMainWindow->UI_GetContainer().ChildRemove(panel);
    if (mLastTouched == id) mLastTouched = 0;
  }
  if (mFocused == id) SetFocusedTabPanel(nullptr);
  return true;
}

bool Workspace::ToggleTab(const std::string& tabType, bool takeFocus) {
  for (const auto& held : mPanels) {
    if (!held.second.shown || held.second.panel->GetTabType() != tabType) continue;
    if (!held.second.panel->AllowClose()) return false;
    return CloseTab(held.second.panel.get());
  }
  return CreateOrReanimateTab(tabType, nullptr, takeFocus) != nullptr;
}

bool Workspace::IsTabShown(const std::string& tabType, bool* hidden) const {
  bool shown = false, kept = false;
  for (const auto& held : mPanels) {
    if (held.second.panel->GetTabType() != tabType) continue;
    (held.second.shown ? shown : kept) = true;
  }
  if (hidden != nullptr) *hidden = kept;
  return shown;
}

bool Workspace::IsTabPanelShown(const TabPanel* panel) const {
  const Entry* entry = Find(panel);
  return entry != nullptr && entry->shown;
}

TabPanel* Workspace::FindTabFromTabPanelID(std::int32_t id) const {
  const auto it = mPanels.find(id);
  return it == mPanels.end() ? nullptr : it->second.panel.get();
}

TabPanel* Workspace::FindFirstTabOfType(const std::string& tabType, const WorkspaceFrameBase* frame) const {
  for (const auto& held : mPanels) {
    const TabPanel* panel = held.second.panel.get();
    if (panel->GetTabType() == tabType && (frame == nullptr || panel->GetFrame() == frame))
      return held.second.panel.get();
  }
  return nullptr;
}

std::vector<TabPanel*> Workspace::GetTabPanels() const {
  std::vector<TabPanel*> panels;
  for (const auto& held : mPanels) panels.push_back(held.second.panel.get());
  return panels;
}

void Workspace::VisitTabs(TabVisitor& visitor) const {
  // The visitor may close tabs: it walks the tabs shown when the visit began, while they live.
  std::vector<TabPanelP> shown;
  for (const auto& held : mPanels)
    if (held.second.shown) shown.push_back(held.second.panel);
  for (const TabPanelP& panel : shown)
    if (!visitor.VisitTab(panel.get())) return;
}

// Focus.

TabPanel* Workspace::GetFocusedTabPanel() const {
  TabPanel* panel = FindTabFromTabPanelID(mFocused);
  return IsTabPanelShown(panel) ? panel : nullptr;
}

void Workspace::SetFocusedTabPanel(TabPanel* panel) {
  if (panel == nullptr) {
    mFocused = 0;
    OnTabPanelGainedFocus(nullptr);
    return;
  }
  if (!IsTabPanelShown(panel)) return;
  const TabPanelP hold(panel);
  mFocused = mLastTouched = panel->GetID();
  OnTabPanelGainedFocus(panel);
}

TabPanel* Workspace::GetLastTouchedTabPanel() const { return FindTabFromTabPanelID(mLastTouched); }

void Workspace::TouchTabPanel(TabPanel* panel) {
  if (Find(panel) != nullptr) mLastTouched = panel->GetID();
}

void Workspace::CloseMainTopLevelWindow() {
  if (!mMainWindow) return;
  mMainFrame.SetTopLevelWindow(nullptr);
  mMainWindow->SetDrawSupplier(nullptr);
  mMainWindow.reset();
}

// The utilities: each does nothing, and answers false or null, without a workspace.

bool WorkspaceUtils::ToggleTabState(Workspace* workspace, const std::string& tabType, bool) {
  return workspace != nullptr && workspace->ToggleTab(tabType, true);
}

bool WorkspaceUtils::ToggleToolbarTabState(Workspace* workspace, const std::string& tabType) {
  return workspace != nullptr && workspace->ToggleTab(tabType, false);
}

TabPanel* WorkspaceUtils::CreateOrReanimateTab(Workspace* workspace, const std::string& tabType,
                                               const zelui::ui::Rect32* rect) {
  return workspace != nullptr ? workspace->CreateOrReanimateTab(tabType, rect, true) : nullptr;
}

bool WorkspaceUtils::CloseTab(Workspace* workspace, TabPanel* panel) {
  return workspace != nullptr && workspace->CloseTab(panel);
}

bool WorkspaceUtils::TabIsShown(const Workspace* workspace, const std::string& tabType, bool* hidden) {
  if (hidden != nullptr) *hidden = false;
  return workspace != nullptr && workspace->IsTabShown(tabType, hidden);
}

TabPanel* WorkspaceUtils::FindFirstTabOfType(const Workspace* workspace, const std::string& tabType,
                                             const WorkspaceFrameBase* frame) {
  return workspace != nullptr ? workspace->FindFirstTabOfType(tabType, frame) : nullptr;
}

TabPanel* WorkspaceUtils::FindTabFromTabPanelID(const Workspace* workspace, std::int32_t id) {
  return workspace != nullptr ? workspace->FindTabFromTabPanelID(id) : nullptr;
}

void WorkspaceUtils::VisitEachTab(const Workspace* workspace, TabVisitor& visitor) {
  if (workspace != nullptr) workspace->VisitTabs(visitor);
}

}  // namespace zelworkspace

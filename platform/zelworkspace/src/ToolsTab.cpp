#include "zelworkspace/ToolsTab.h"

#include <algorithm>
#include <cmath>

#include "zelworkspace/Manager.h"

namespace zelworkspace::sharedui {

namespace {

constexpr float kPopupHeight = 22.0f;
constexpr float kSeparatorHeight = 6.0f;

}  // namespace

Tool::~Tool() = default;

// The button.

ToolPictureButton::ToolPictureButton(int toolId, ToolP tool, const zelui::resources::ResourceManager* resources,
                                     zelui::resources::LimnerImageResourceCache* images, bool option)
    : mToolID(toolId), mTool(std::move(tool)), mResources(resources), mImages(images), mOption(option) {
  if (mTool) SetImageBaseName(mTool->GetImageName());
}

ToolPictureButton::~ToolPictureButton() = default;

void ToolPictureButton::ActivateButton() {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  if (auto* tab = dynamic_cast<ToolsTab*>(UI_GetParentNode()))
    tab->ToolActivated(this);
  else
    SetValue(true);
  SendValueChangedMessage();
}

void ToolPictureButton::UI_Draw(limner::Limner& context) {
  UI_PictureButton::UI_Draw(context);
  if (!mTool || mResources == nullptr || mImages == nullptr) return;
  const limner::ImageP image =
      mImages->GetImage(*mResources, context.GetSupplier(), zelcore::UTF8to16(mTool->GetImageName()), 1);
  if (!image) return;
  const zelui::ui::RectF rect = UI_GetLocalRectF(false);
  context.DrawImage(*image, limner::PointF32{rect.left, rect.top}, 1.0f);
}

bool ToolPictureButton::UI_HandleMouseEvent(zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& event) {
  if (event.action != zelui::ui::kMouseDown || UI_IsDisabled())
    return UI_PictureButton::UI_HandleMouseEvent(target, event);
  ActivateButton();
  return true;
}

// The tab.

ToolsTab::ToolsTab(Manager* workspaceManager, Workspace* workspace, WorkspaceFrameBase* frame, bool firstOption,
                   const std::string& tabType, const zelcore::UTF16String& name, OSEventCallback osEventCallback,
                   bool secondOption, zelui::ui::UI_SubView* controlView)
    : TabPanel(workspace, frame, tabType, name, firstOption, secondOption, std::move(osEventCallback)),
      mWorkspacePopup(new zelui::controls::UI_Popup(0, false)) {
  if (workspaceManager != nullptr) {
    for (const zelcore::UTF16String& workspaceName : workspaceManager->GetWorkspaceNames())
      mWorkspacePopup->AddItem(workspaceName);
    mWorkspacePopup->SetValueString(workspaceManager->GetCurrentWorkspaceName(), false);
  }
  UI_GetContainer().ChildPushBack(mWorkspacePopup.get());
  if (controlView != nullptr) SetToolOptionsView(controlView, -1.0f);
  Layout();
}

ToolsTab::~ToolsTab() = default;

void ToolsTab::AddSeparator() {
  const zelui::ui::UI_NodeP separator(new zelui::controls::UI_Divider());
  UI_GetContainer().ChildPushBack(separator.get());
  mItems.push_back(separator);
  Layout();
}

void ToolsTab::AddToolButton(ToolPictureButton* button) {
  if (button == nullptr || !UI_GetContainer().ChildPushBack(button)) return;
  mItems.emplace_back(button);
  Layout();
}

void ToolsTab::ToolActivated(ToolPictureButton* button) {
  for (const zelui::ui::UI_NodeP& item : mItems)
    if (auto* other = dynamic_cast<ToolPictureButton*>(item.get())) other->SetValue(other == button);
  if (button->GetToolID() != mActiveToolID) {
    mPreviousToolID = mActiveToolID;
    mActiveToolID = button->GetToolID();
  }
}

void ToolsTab::SetToolWidthHeight(float width, float height) {
  mToolWidth = width;
  mToolHeight = height;
  Layout();
}

void ToolsTab::SetToolOptionsView(zelui::ui::UI_SubView* view, float width) {
  if (mOptionsView) UI_GetContainer().ChildRemove(mOptionsView.get());
  mOptionsView = view;
  mOptionsViewWidth = width;
  if (mOptionsView && !UI_GetContainer().ChildPushBack(mOptionsView.get())) mOptionsView.reset();
  Layout();
}

void ToolsTab::ShowWorkspacePopup(bool show) {
  mWorkspacePopup->UI_Show(show);
  Layout();
}

void ToolsTab::SetWorkspacePopupWidth(float width) {
  mWorkspacePopupWidth = width;
  Layout();
}

void ToolsTab::Layout() {
  float top = 0;
  if (mWorkspacePopup->UI_IsShown()) {
    mWorkspacePopup->UI_SetLocalRectF({0, top, mWorkspacePopupWidth, kPopupHeight});
    top += kPopupHeight;
  }
  for (const zelui::ui::UI_NodeP& item : mItems) {
    const bool separator = dynamic_cast<ToolPictureButton*>(item.get()) == nullptr;
    const float height = separator ? kSeparatorHeight : mToolHeight;
    item->UI_SetLocalRectF({0, top, mToolWidth, height});
    top += height;
  }
  if (mOptionsView) {
    const float width = mOptionsViewWidth < 0 ? UI_GetLocalRectF(false).width : mOptionsViewWidth;
    mOptionsView->UI_SetLocalRectF({0, top, width, mOptionsView->UI_GetLocalRectF(false).height});
  }
}

void ToolsTab::UI_SizeChanged(const zelui::ui::RectF& rect) {
  Layout();
  TabPanel::UI_SizeChanged(rect);
}

void ToolsTab::DoGetSnapSizes(std::vector<zelcore::PointT<int>>& sizes) {
  float height = 0;
  for (const zelui::ui::UI_NodeP& item : mItems)
    height += dynamic_cast<ToolPictureButton*>(item.get()) != nullptr ? mToolHeight : kSeparatorHeight;
  sizes.push_back({static_cast<int>(std::lround(mToolWidth)), static_cast<int>(std::lround(height))});
}

void ToolsTab::UI_Draw(limner::Limner& context) {
  TabPanel::UI_Draw(context);
  // The children drawn are those of the tab when drawing began; one may go meanwhile.
  std::vector<zelui::ui::UI_NodeP> parts;
  if (mWorkspacePopup->UI_IsShown()) parts.emplace_back(mWorkspacePopup.get());
  parts.insert(parts.end(), mItems.begin(), mItems.end());
  if (mOptionsView) parts.emplace_back(mOptionsView.get());
  for (const zelui::ui::UI_NodeP& part : parts)
    if (part->UI_IsShown()) part->UI_DoDraw(context);
}

// The map.

void ToolMap::AddButtonToToolTab(const ToolPictureButtonP& button, ToolsTab* tab) {
  if (!button) return;
  mButtons[button->GetToolID()] = button;
  if (tab != nullptr) tab->AddToolButton(button.get());
}

ToolPictureButton* ToolMap::GetToolButtonFromToolID(int toolId) const {
  const auto it = mButtons.find(toolId);
  return it == mButtons.end() ? nullptr : it->second.get();
}

}  // namespace zelworkspace::sharedui

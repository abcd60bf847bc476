#include "zelui/controls/Controls.h"

namespace zelui::controls {

UI_TabItem::~UI_TabItem() = default;
UI_TabWell::~UI_TabWell() = default;

std::ptrdiff_t UI_TabWell::CountTabs() const { return mTabsContainer ? mTabsContainer->UI_GetContainer().ChildSize() : 0; }

UI_TabItem* UI_TabWell::GetTabItem(std::ptrdiff_t index) const {
  return mTabsContainer ? dynamic_cast<UI_TabItem*>(mTabsContainer->UI_GetContainer().ChildGet(index)) : nullptr;
}

void UI_TabWell::AddTab(std::ptrdiff_t index, const zelcore::UTF16String& text, bool flag1, bool flag2, bool flag3) {
  if (!mTabsContainer) {
    mTabsContainer = new ui::UI_SubView();
    UI_GetContainer().ChildPushBack(mTabsContainer.get());
  }
  const std::ptrdiff_t count = CountTabs();
  const boost::intrusive_ptr<UI_TabItem> tab(new UI_TabItem(text, flag1, flag2, flag3));
  ui::UI_NodeContainer& tabs = mTabsContainer->UI_GetContainer();
  tabs.ChildPushBack(tab.get());
  if (index >= 0 && index < count) tabs.ChildMove(count, index);
}

void UI_TabWell::RemoveTab(std::ptrdiff_t index) {
  if (UI_TabItem* tab = GetTabItem(index)) mTabsContainer->UI_GetContainer().ChildRemove(tab);
}

void UI_TabWell::SetFrontmost(std::ptrdiff_t index) {
  UI_TabItem* front = GetTabItem(index);
  if (front == nullptr) return;
  for (std::ptrdiff_t i = 0; i < CountTabs(); ++i)
    if (UI_TabItem* tab = GetTabItem(i)) tab->SetFrontmost(tab == front);
}

std::ptrdiff_t UI_TabWell::GetFrontmost() const {
  for (std::ptrdiff_t i = 0; i < CountTabs(); ++i)
    if (const UI_TabItem* tab = GetTabItem(i); tab != nullptr && tab->IsFrontmost()) return i;
  return -1;
}

void UI_TabWell::DoTabItemAction(int action, std::ptrdiff_t index, const ui::Rect32* rect) {
  if (!mHook) return;
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const TabItemActionHook hook = mHook;
  hook(action, index, rect);
}

}  // namespace zelui::controls

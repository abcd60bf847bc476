#include <algorithm>
#include <cmath>

#include "zelui/controls/Controls.h"

namespace zelui::controls {

// Rows.

UI_ListBoxItem::UI_ListBoxItem() : mLabel(new UI_StaticText()) { UI_GetContainer().ChildPushBack(mLabel.get()); }

UI_ListBoxItem::~UI_ListBoxItem() = default;

void UI_ListBoxItem::Init(const zelcore::UTF16String& text) { mLabel->SetStringValue(text); }

void UI_ListBoxItem::CheckboxClicked() {
  mCheckboxState = mCheckboxState == kCheckboxChecked ? kCheckboxUnchecked : kCheckboxChecked;
  if (!mCheckboxNotify) return;
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const CheckboxNotifyFunction notify = mCheckboxNotify;
  notify(this, mCheckboxState);
}

// The list.

UI_ListBox::~UI_ListBox() = default;

std::vector<UI_ListBoxItem*> UI_ListBox::Items() const {
  std::vector<UI_ListBoxItem*> items;
  const ui::UI_NodeContainer& children = UI_GetContainer();
  for (std::ptrdiff_t i = 0; i < children.ChildSize(); ++i)
    if (auto* item = dynamic_cast<UI_ListBoxItem*>(children.ChildGet(i))) items.push_back(item);
  return items;
}

void UI_ListBox::ClearItems() {
  for (UI_ListBoxItem* item : Items()) UI_GetContainer().ChildRemove(item);
  mAnchor = mScrolledToItem = -1;
}

UI_ListBoxItem* UI_ListBox::InsertItem(std::ptrdiff_t position, const zelcore::UTF16String& text) {
  const std::vector<UI_ListBoxItem*> items = Items();
  const auto count = static_cast<std::ptrdiff_t>(items.size());
  if (position < 0 || position > count) return nullptr;
  const boost::intrusive_ptr<UI_ListBoxItem> item(new UI_ListBoxItem());
  item->Init(text);
  UI_GetContainer().ChildPushBack(item.get());
  if (position < count) UI_GetContainer().ChildMove(item->UI_GetIndex(), items[static_cast<std::size_t>(position)]->UI_GetIndex());
  return item.get();
}

UI_ListBoxItem* UI_ListBox::AppendItem(const zelcore::UTF16String& text) { return InsertItem(CountItems(), text); }

std::ptrdiff_t UI_ListBox::CountItems() const { return static_cast<std::ptrdiff_t>(Items().size()); }

UI_ListBoxItem* UI_ListBox::GetItem(std::ptrdiff_t position) const {
  const std::vector<UI_ListBoxItem*> items = Items();
  if (position < 0 || position >= static_cast<std::ptrdiff_t>(items.size())) return nullptr;
  return items[static_cast<std::size_t>(position)];
}

std::vector<std::ptrdiff_t> UI_ListBox::GetSelectedItems() const {
  std::vector<std::ptrdiff_t> selected;
  const std::vector<UI_ListBoxItem*> items = Items();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i]->IsSelected()) selected.push_back(static_cast<std::ptrdiff_t>(i));
  return selected;
}

void UI_ListBox::SelectItem(std::ptrdiff_t position, bool exclusive, bool scrollIntoView) {
  UI_ListBoxItem* item = GetItem(position);
  if (item == nullptr) return;
  if (exclusive) DeselectAllItems();
  item->SetSelected(true);
  mAnchor = position;
  if (scrollIntoView) mScrolledToItem = position;
}

void UI_ListBox::DeselectAllItems() {
  for (UI_ListBoxItem* item : Items()) item->SetSelected(false);
}

void UI_ListBox::SetCheckboxState(std::ptrdiff_t position, CheckboxState state) {
  if (UI_ListBoxItem* item = GetItem(position)) item->SetCheckboxState(state);
}

CheckboxState UI_ListBox::GetCheckboxState(std::ptrdiff_t position) const {
  const UI_ListBoxItem* item = GetItem(position);
  return item != nullptr ? item->GetCheckboxState() : kCheckboxUnchecked;
}

bool UI_ListBox::UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) {
  if (event.action != ui::kMouseDown || mRowHeight <= 0 || UI_IsDisabled())
    return UI_InteractiveControlView::UI_HandleMouseEvent(target, event);
  const std::vector<UI_ListBoxItem*> items = Items();
  const double row = std::floor(event.position.y / mRowHeight);
  if (!(row >= 0 && row < static_cast<double>(items.size())))
    return UI_InteractiveControlView::UI_HandleMouseEvent(target, event);
  const auto position = static_cast<std::ptrdiff_t>(row);
  UI_ListBoxItem* item = items[static_cast<std::size_t>(position)];
  if ((event.modifiers & ui::kModCommand) != 0) {
    item->SetSelected(!item->IsSelected());
    mAnchor = position;
  } else if ((event.modifiers & ui::kModShift) != 0 && mAnchor >= 0 &&
             mAnchor < static_cast<std::ptrdiff_t>(items.size())) {
    for (std::ptrdiff_t i = std::min(mAnchor, position); i <= std::max(mAnchor, position); ++i)
      items[static_cast<std::size_t>(i)]->SetSelected(true);
  } else {
    SelectItem(position, true, false);
  }
  if (mItemSelected) {
    const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
    const ItemSelectedCallback callback = mItemSelected;
    callback(this, event.modifiers);
  }
  return true;
}

}  // namespace zelui::controls

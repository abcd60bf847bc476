#include "zelui/controls/Controls.h"

#include <algorithm>

namespace zelui::controls {

UI_Button::~UI_Button() = default;
UI_TextButton::~UI_TextButton() = default;
UI_DisclosureTriangleButton::~UI_DisclosureTriangleButton() = default;
UI_PictureButton::~UI_PictureButton() = default;
UI_PictureTextButton::~UI_PictureTextButton() = default;
UI_Popup::~UI_Popup() = default;
UI_Checkbox::~UI_Checkbox() = default;
UI_RadioButton::~UI_RadioButton() = default;
UI_RadioGroup::~UI_RadioGroup() = default;
UI_HotTextButton::~UI_HotTextButton() = default;
UI_Knob::~UI_Knob() = default;
UI_Slider::~UI_Slider() = default;
UI_ScrollBar::~UI_ScrollBar() = default;
UI_SearchBox::~UI_SearchBox() = default;
UI_TextEdit::~UI_TextEdit() = default;
UI_StaticText::~UI_StaticText() = default;
UI_StaticImage::~UI_StaticImage() = default;
UI_Divider::~UI_Divider() = default;
UI_SplitterView::~UI_SplitterView() = default;
UI_ArrangementView::~UI_ArrangementView() = default;
UI_SectionView::~UI_SectionView() = default;
UI_PictureSupplyClient::~UI_PictureSupplyClient() = default;

// Pictures.

limner::ImageP UI_PictureSupplyClient::RequestImage(std::uint32_t stateFlags) {
  if (!mSupply) return nullptr;
  auto* control = dynamic_cast<ui::UI_Node*>(this);
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(control);
  UI_PictureSupplyMessage message(control, stateFlags);
  const ImageSupplyFunction supply = mSupply;
  supply(message);
  return message.GetImage();
}

// Popup.

void UI_Popup::DeleteAllItems() {
  mItems.clear();
  mChosen = -1;
}

zelcore::UTF16String UI_Popup::GetValueString() const {
  return mChosen < 0 ? zelcore::UTF16String() : mItems[static_cast<std::size_t>(mChosen)];
}

void UI_Popup::SetValueString(const zelcore::UTF16String& text, bool notify) {
  const auto it = std::find(mItems.begin(), mItems.end(), text);
  if (it == mItems.end()) return;
  const std::ptrdiff_t chosen = it - mItems.begin();
  const bool changed = chosen != mChosen;
  mChosen = chosen;
  if (changed && notify) SendValueChangedMessage();
}

// Radio group.

UI_RadioButton* UI_RadioGroup::GetSelectedRadioButton() const {
  const ui::UI_NodeContainer& children = UI_GetContainer();
  for (std::ptrdiff_t i = 0; i < children.ChildSize(); ++i) {
    auto* button = dynamic_cast<UI_RadioButton*>(children.ChildGet(i));
    if (button != nullptr && button->GetValue()) return button;
  }
  return nullptr;
}

// Scroll view.

UI_ScrollView::UI_ScrollView(int flags, ui::UI_SubView* contentView)
    : mFlags(flags), mContentView(contentView), mScrollBarX(new UI_ScrollBar()), mScrollBarY(new UI_ScrollBar()) {
  if (mContentView) UI_GetContainer().ChildPushBack(mContentView.get());
  UI_GetContainer().ChildPushBack(mScrollBarX.get());
  UI_GetContainer().ChildPushBack(mScrollBarY.get());
}

UI_ScrollView::~UI_ScrollView() = default;

ui::RectF UI_ScrollView::GetViewableRectF() const {
  const ui::RectF bounds = UI_GetLocalRectF(false);
  return {0, 0, bounds.width, bounds.height};
}

ui::RectF UI_ScrollView::GetViewedContentRectF() const {
  const ui::RectF viewable = GetViewableRectF();
  const float scale = mScale > 0 ? mScale : 1;
  return {mScrollPosition.x, mScrollPosition.y, viewable.width / scale, viewable.height / scale};
}

namespace {

// The least move of a viewed span [start, start + size) that shows [low, low + length).
float ScrollToShow(float start, float size, float low, float length) {
  if (length > size || low < start) return low;
  if (low + length > start + size) return low + length - size;
  return start;
}

}  // namespace

void UI_ScrollView::ScrollIntoView(const ui::RectF& rect, bool) {
  const ui::RectF viewed = GetViewedContentRectF();
  mScrollPosition.x = ScrollToShow(viewed.left, viewed.width, rect.left, rect.width);
  mScrollPosition.y = ScrollToShow(viewed.top, viewed.height, rect.top, rect.height);
  Update();
}

void UI_ScrollView::Update() {
  const ui::RectF viewed = GetViewedContentRectF();
  mScrollBarX->SetValueRange(mContentRect.left, mContentRect.left + mContentRect.width);
  mScrollBarX->SetNumericValuePair(viewed.left, viewed.left + viewed.width);
  mScrollBarY->SetValueRange(mContentRect.top, mContentRect.top + mContentRect.height);
  mScrollBarY->SetNumericValuePair(viewed.top, viewed.top + viewed.height);
}

// Search box.

void UI_SearchBox::SetSearchToolTip() {
  zelcore::UTF16String text;
  const auto addLine = [&text](const zelcore::UTF16String& line) {
    if (!text.empty()) text += u'\n';
    text += line;
  };
  if (mSearchHistory)
    for (const zelcore::UTF16String& search : *mSearchHistory) addLine(search);
  if (mSavedSearches)
    for (const zelcore::UTF16String& search : *mSavedSearches) addLine(search);
  UI_SetToolTip(text, UI_GetToolTipWidth());
}

// Text edit.

void UI_TextEdit::SetStringValue(const zelcore::UTF16String& text) {
  mText = text;
  mSelectionStart = mSelectionEnd = mText.size();
}

void UI_TextEdit::SetSelection(std::size_t start, std::size_t end) {
  end = std::min(end, mText.size());
  mSelectionStart = std::min(start, end);
  mSelectionEnd = end;
}

// Splitter.

void UI_SplitterView::ReplacePane(ui::UI_NodeP& pane, ui::UI_Node* view) {
  if (pane.get() == view) return;
  // A view moves from the other side rather than being on both.
  ui::UI_NodeP& other = &pane == &mTopLeft ? mBottomRight : mTopLeft;
  if (view != nullptr && other.get() == view) other.reset();
  if (pane) UI_GetContainer().ChildRemove(pane.get());
  pane = view;
  if (pane) UI_GetContainer().ChildPushBack(pane.get());
}

float UI_SplitterView::DragSplit(float proposed) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  float split = proposed;
  if (mValidate) {
    const SplitValidationFunction validate = mValidate;
    split = validate(proposed);
  }
  mFraction = split;
  return split;
}

// Arrangement view.

void UI_ArrangementView::UI_LayoutChildren(int, int, int, int) { ++mLayoutCount; }

// Section view.

UI_SectionView::UI_SectionView(const zelcore::UTF16String& label, bool option)
    : mLabel(label), mOption(option), mCustomLabelView(new ui::UI_SubView()) {
  mCustomLabelView->UI_Show(false);
  UI_GetContainer().ChildPushBack(mCustomLabelView.get());
}

void UI_SectionView::SetOpened(bool opened) {
  if (opened == mOpened) return;
  mOpened = opened;
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const std::vector<OpenedStateChangedCallback> callbacks = mCallbacks;
  for (const OpenedStateChangedCallback& callback : callbacks) callback(this);
}

void UI_SectionView::AddOpenedStateChangedCallback(OpenedStateChangedCallback callback) {
  if (callback) mCallbacks.push_back(std::move(callback));
}

void UI_SectionView::SetShowCustomLabelView(bool show) {
  mShowCustomLabelView = show;
  mCustomLabelView->UI_Show(show);
}

}  // namespace zelui::controls

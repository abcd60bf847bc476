#include "zelui/controls/Controls.h"

namespace zelui::controls {

UI_Button::~UI_Button() = default;
UI_TextButton::~UI_TextButton() = default;
UI_DisclosureTriangleButton::~UI_DisclosureTriangleButton() = default;
UI_PictureButton::~UI_PictureButton() = default;
UI_Popup::~UI_Popup() = default;
UI_Checkbox::~UI_Checkbox() = default;
UI_RadioButton::~UI_RadioButton() = default;
UI_RadioGroup::~UI_RadioGroup() = default;
UI_HotTextButton::~UI_HotTextButton() = default;
UI_HotTextNumber::~UI_HotTextNumber() = default;
UI_Knob::~UI_Knob() = default;
UI_Slider::~UI_Slider() = default;
UI_ScrollBar::~UI_ScrollBar() = default;
UI_SearchBox::~UI_SearchBox() = default;
UI_TextEdit::~UI_TextEdit() = default;
UI_StaticText::~UI_StaticText() = default;
UI_StaticImage::~UI_StaticImage() = default;
UI_Divider::~UI_Divider() = default;
UI_ListBox::~UI_ListBox() = default;
UI_ListBoxItem::~UI_ListBoxItem() = default;
UI_SplitterView::~UI_SplitterView() = default;
UI_ArrangementView::~UI_ArrangementView() = default;
UI_SectionView::~UI_SectionView() = default;
UI_TabWell::~UI_TabWell() = default;

UI_ScrollView::UI_ScrollView(int flags, ui::UI_SubView* contentView) : mFlags(flags), mContentView(contentView) {
  if (mContentView) UI_GetContainer().ChildPushBack(mContentView.get());
}

UI_ScrollView::~UI_ScrollView() = default;

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

}  // namespace zelui::controls

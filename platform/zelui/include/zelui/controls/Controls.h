#pragma once
// The toolkit's controls and views. Each keeps what it was built with; options whose meaning is
// the platform's are kept as given. Controls that show a label mix in UI_TextControlBase.
#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/controls/UI_ControlView.h"
#include "zelui/ui/UI_SubView.h"

namespace zelui::controls {

// Buttons.

class UI_Button : public UI_InteractiveControlView {
 public:
  UI_Button() = default;

 protected:
  ~UI_Button() override;
};

class UI_TextButton : public UI_Button, public UI_TextControlBase {
 public:
  UI_TextButton() = default;

 protected:
  ~UI_TextButton() override;
};

class UI_DisclosureTriangleButton : public UI_TextButton {
 public:
  UI_DisclosureTriangleButton() = default;

 protected:
  ~UI_DisclosureTriangleButton() override;
};

// A button drawn from images named after its image base name.
class UI_PictureButton : public UI_Button {
 public:
  UI_PictureButton() = default;
  void SetImageBaseName(const std::string& name) { mImageBaseName = name; }
  const std::string& GetImageBaseName() const { return mImageBaseName; }

 protected:
  ~UI_PictureButton() override;

 private:
  std::string mImageBaseName;
};

class UI_Popup : public UI_Button, public UI_TextControlBase {
 public:
  UI_Popup(int popupType, bool option) : mPopupType(popupType), mOption(option) {}
  int GetPopupType() const { return mPopupType; }
  bool GetOption() const { return mOption; }

 protected:
  ~UI_Popup() override;

 private:
  int mPopupType;
  bool mOption;
};

class UI_Checkbox : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_Checkbox() = default;

 protected:
  ~UI_Checkbox() override;
};

class UI_RadioButton : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_RadioButton() = default;

 protected:
  ~UI_RadioButton() override;
};

class UI_RadioGroup : public UI_ControlView {
 public:
  UI_RadioGroup() = default;

 protected:
  ~UI_RadioGroup() override;
};

// Hot text: a value shown as text that the user drags or clicks to change.

class UI_HotTextButton : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_HotTextButton() = default;

 protected:
  ~UI_HotTextButton() override;
};

class UI_HotTextNumber : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_HotTextNumber() = default;

 protected:
  ~UI_HotTextNumber() override;
};

// Value controls.

class UI_Knob : public UI_InteractiveControlView {
 public:
  UI_Knob() = default;

 protected:
  ~UI_Knob() override;
};

class UI_Slider : public UI_InteractiveControlView {
 public:
  UI_Slider() = default;

 protected:
  ~UI_Slider() override;
};

class UI_ScrollBar : public UI_InteractiveControlView {
 public:
  UI_ScrollBar() = default;

 protected:
  ~UI_ScrollBar() override;
};

// Scrolls its content view (none: nothing to scroll), which becomes its child.
class UI_ScrollView : public UI_InteractiveControlView {
 public:
  UI_ScrollView(int flags, ui::UI_SubView* contentView);
  int GetFlags() const { return mFlags; }
  ui::UI_SubView* GetContentView() const { return mContentView.get(); }

 protected:
  ~UI_ScrollView() override;

 private:
  int mFlags;
  boost::intrusive_ptr<ui::UI_SubView> mContentView;
};

// Text entry.

class UI_SearchBox : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  using SearchHistory = std::vector<zelcore::UTF16String>;
  using SavedSearches = std::set<zelcore::UTF16String>;

  UI_SearchBox(bool firstOption, bool secondOption) : mOptions{firstOption, secondOption} {}
  const std::array<bool, 2>& GetOptions() const { return mOptions; }

  // The lists are shared with whoever keeps the searches.
  void SetSearchHistory(std::shared_ptr<SearchHistory> history) { mSearchHistory = std::move(history); }
  const std::shared_ptr<SearchHistory>& GetSearchHistory() const { return mSearchHistory; }
  void SetSavedSearches(std::shared_ptr<SavedSearches> saved) { mSavedSearches = std::move(saved); }
  const std::shared_ptr<SavedSearches>& GetSavedSearches() const { return mSavedSearches; }
  // Makes the tool tip from the recent and saved searches: each on a line of its own, recent ones first.
  void SetSearchToolTip();

 protected:
  ~UI_SearchBox() override;

 private:
  std::array<bool, 2> mOptions;
  std::shared_ptr<SearchHistory> mSearchHistory;
  std::shared_ptr<SavedSearches> mSavedSearches;
};

class UI_TextEdit : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_TextEdit(int flags, int alignment) : mFlags(flags), mAlignment(alignment) {}
  int GetFlags() const { return mFlags; }
  int GetAlignment() const { return mAlignment; }
  // 0: the theme's size.
  void SetCustomFontSize(float size) { mCustomFontSize = size; }
  float GetCustomFontSize() const { return mCustomFontSize; }

 protected:
  ~UI_TextEdit() override;

 private:
  int mFlags;
  int mAlignment;
  float mCustomFontSize = 0;
};

// Display.

class UI_StaticText : public UI_ControlView, public UI_TextControlBase {
 public:
  UI_StaticText() = default;

 protected:
  ~UI_StaticText() override;
};

class UI_StaticImage : public UI_ControlView {
 public:
  UI_StaticImage() = default;
  void SetImageName(const std::string& name) { mImageName = name; }
  const std::string& GetImageName() const { return mImageName; }

 protected:
  ~UI_StaticImage() override;

 private:
  std::string mImageName;
};

class UI_Divider : public UI_ControlView {
 public:
  UI_Divider() = default;

 protected:
  ~UI_Divider() override;
};

// Lists.

class UI_ListBox : public UI_InteractiveControlView {
 public:
  UI_ListBox(bool option1, bool option2, bool option3, bool option4) : mOptions{option1, option2, option3, option4} {}
  const std::array<bool, 4>& GetOptions() const { return mOptions; }

 protected:
  ~UI_ListBox() override;

 private:
  std::array<bool, 4> mOptions;
};

class UI_ListBoxItem : public UI_InteractiveControlView {
 public:
  UI_ListBoxItem() = default;

 protected:
  ~UI_ListBoxItem() override;
};

// Views that arrange their children.

class UI_SplitterView : public ui::UI_SubView {
 public:
  // Direction 0 splits side by side; the fraction is the top or left part's share.
  UI_SplitterView(int direction, float fraction, float dividerSize)
      : mDirection(direction), mFraction(fraction), mDividerSize(dividerSize) {}
  int GetSplitDirection() const { return mDirection; }
  float GetSplitFraction() const { return mFraction; }
  float GetDividerSize() const { return mDividerSize; }

 protected:
  ~UI_SplitterView() override;

 private:
  int mDirection;
  float mFraction;
  float mDividerSize;
};

class UI_ArrangementView : public ui::UI_SubView {
 public:
  UI_ArrangementView() = default;

 protected:
  ~UI_ArrangementView() override;
};

// A titled section whose content opens and closes.
class UI_SectionView : public ui::UI_SubView {
 public:
  UI_SectionView(const zelcore::UTF16String& label, bool option) : mLabel(label), mOption(option) {}
  const zelcore::UTF16String& GetLabel() const { return mLabel; }
  bool GetOption() const { return mOption; }

 protected:
  ~UI_SectionView() override;

 private:
  zelcore::UTF16String mLabel;
  bool mOption;
};

class UI_TabWell : public ui::UI_SubView {
 public:
  explicit UI_TabWell(bool option = false) : mOption(option) {}
  bool GetOption() const { return mOption; }

 protected:
  ~UI_TabWell() override;

 private:
  bool mOption;
};

}  // namespace zelui::controls

#pragma once
// The toolkit's controls and views. Each keeps what it was built with and what its setters set,
// read back by its getters as given; options and codes whose meaning is the platform's are kept
// as given. Controls that show a label mix in UI_TextControlBase. What the user does (a click, a
// selection, a drag) reaches them through zelui/testing.h.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "zelcore/Strings.h"
#include "zelcore/Geometry.h"
#include "zelui/controls/PictureSupply.h"
#include "zelui/controls/UI_ControlView.h"
#include "zelui/ui/UI_SubView.h"

namespace zelui::controls {

// A colour as four floats: the core framework's.
using ColorRGBA = zelcore::ColorRGBA;

// Two numbers read or set together: an extent, a range, a pair of values.
using FloatPair = std::pair<float, float>;

// Buttons.

class UI_Button : public UI_InteractiveControlView {
 public:
  UI_Button() = default;

  void SetValue(bool value) { mValue = value; }
  bool GetValue() const { return mValue; }

  // How the button draws itself.
  void SetDisplayContainerNever(bool on) { mDisplayContainerNever = on; }
  bool ShouldDisplayContainerNever() const { return mDisplayContainerNever; }
  void SetDisplayContainerAlways(bool on) { mDisplayContainerAlways = on; }
  bool ShouldDisplayContainerAlways() const { return mDisplayContainerAlways; }
  void SetDisplayBorderNever(bool on) { mDisplayBorderNever = on; }
  bool ShouldDisplayBorderNever() const { return mDisplayBorderNever; }
  void SetDisplayBorderAlways(bool on) { mDisplayBorderAlways = on; }
  bool ShouldDisplayBorderAlways() const { return mDisplayBorderAlways; }
  void SetDisplayChromelessNormalState(bool on) { mChromelessNormalState = on; }
  bool ShouldDisplayChromelessNormalState() const { return mChromelessNormalState; }
  void SetInsetUndrawnSpace(bool on) { mInsetUndrawnSpace = on; }
  bool ShouldInsetUndrawnSpace() const { return mInsetUndrawnSpace; }
  void SetDrawInnerBevelOutline(bool on) { mDrawInnerBevelOutline = on; }
  bool ShouldDrawInnerBevelOutline() const { return mDrawInnerBevelOutline; }
  void SetContentOffset(const ui::PointF& offset) { mContentOffset = offset; }
  ui::PointF GetContentOffset() const { return mContentOffset; }
  void SetCornerRadius(float radius) { mCornerRadius = radius; }
  float GetCornerRadius() const { return mCornerRadius; }
  void SetStrokeSizes(float inner, float outer) { mStrokeSizes = {inner, outer}; }
  FloatPair GetStrokeSizes() const { return mStrokeSizes; }

  // How the button reacts to the mouse.
  void SetChangeFocusOnClick(bool on) { mChangeFocusOnClick = on; }
  bool GetChangeFocusOnClick() const { return mChangeFocusOnClick; }
  void SetNotificationOnMouseDown(bool on) { mNotificationOnMouseDown = on; }
  bool GetNotificationOnMouseDown() const { return mNotificationOnMouseDown; }
  void SetSpringLoaded(bool on) { mSpringLoaded = on; }
  bool IsSpringLoaded() const { return mSpringLoaded; }

 protected:
  ~UI_Button() override;

 private:
  bool mValue = false;
  bool mDisplayContainerNever = false, mDisplayContainerAlways = false;
  bool mDisplayBorderNever = false, mDisplayBorderAlways = false;
  bool mChromelessNormalState = false, mInsetUndrawnSpace = false, mDrawInnerBevelOutline = false;
  ui::PointF mContentOffset;
  float mCornerRadius = 0;
  FloatPair mStrokeSizes{0, 0};
  bool mChangeFocusOnClick = false, mNotificationOnMouseDown = false, mSpringLoaded = false;
};

class UI_TextButton : public UI_Button, public UI_TextControlBase {
 public:
  UI_TextButton() = default;
  void SetTextIndent(float indent) { mTextIndent = indent; }
  float GetTextIndent() const { return mTextIndent; }

 protected:
  ~UI_TextButton() override;

 private:
  float mTextIndent = 0;
};

class UI_DisclosureTriangleButton : public UI_TextButton {
 public:
  UI_DisclosureTriangleButton() = default;
  // Seconds the triangle takes to turn.
  void SetTwirlDuration(float seconds) { mTwirlDuration = seconds; }
  float GetTwirlDuration() const { return mTwirlDuration; }

 protected:
  ~UI_DisclosureTriangleButton() override;

 private:
  float mTwirlDuration = 0;
};

// A button drawn from images named after its image base name.
class UI_PictureButton : public UI_Button, public UI_PictureSupplyClient {
 public:
  UI_PictureButton() = default;
  void SetImageBaseName(const std::string& name) { mImageBaseName = name; }
  const std::string& GetImageBaseName() const { return mImageBaseName; }

 protected:
  ~UI_PictureButton() override;

 private:
  std::string mImageBaseName;
};

// A text button with a picture named after its image base name.
class UI_PictureTextButton : public UI_TextButton, public UI_PictureSupplyClient {
 public:
  UI_PictureTextButton() = default;
  void SetImageBaseName(const std::string& name) { mImageBaseName = name; }
  const std::string& GetImageBaseName() const { return mImageBaseName; }

 protected:
  ~UI_PictureTextButton() override;

 private:
  std::string mImageBaseName;
};

// A menu of texts; its value is the text of the chosen item, empty while none is chosen.
class UI_Popup : public UI_Button, public UI_TextControlBase {
 public:
  UI_Popup(int popupType, bool option) : mPopupType(popupType), mOption(option) {}
  int GetPopupType() const { return mPopupType; }
  bool GetOption() const { return mOption; }

  void AddItem(const zelcore::UTF16String& text) { mItems.push_back(text); }
  // Removes every item, and with them the choice.
  void DeleteAllItems();
  const std::vector<zelcore::UTF16String>& GetItems() const { return mItems; }
  zelcore::UTF16String GetValueString() const;
  // Chooses the first item with this text; a text that is no item leaves the choice as it was.
  // With notify, a new choice is sent as a change of the value.
  void SetValueString(const zelcore::UTF16String& text, bool notify);
  void SetTightMargins(bool tight) { mTightMargins = tight; }
  bool GetTightMargins() const { return mTightMargins; }

 protected:
  ~UI_Popup() override;

 private:
  int mPopupType;
  bool mOption;
  std::vector<zelcore::UTF16String> mItems;
  std::ptrdiff_t mChosen = -1;
  bool mTightMargins = false;
};

class UI_Checkbox : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_Checkbox() = default;
  void SetChecked(bool checked) { mChecked = checked; }
  bool IsChecked() const { return mChecked; }

 protected:
  ~UI_Checkbox() override;

 private:
  bool mChecked = false;
};

class UI_RadioButton : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_RadioButton() = default;
  void SetValue(bool on) { mValue = on; }
  bool GetValue() const { return mValue; }

 protected:
  ~UI_RadioButton() override;

 private:
  bool mValue = false;
};

// Groups the radio buttons among its children.
class UI_RadioGroup : public UI_ControlView {
 public:
  UI_RadioGroup() = default;
  // The first child that is a radio button set on, or null.
  UI_RadioButton* GetSelectedRadioButton() const;

 protected:
  ~UI_RadioGroup() override;
};

// Hot text: a value shown as text that the user drags or clicks to change.

class UI_HotTextButton : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_HotTextButton() = default;
  void SetText(const zelcore::UTF16String& text) { mText = text; }
  const zelcore::UTF16String& GetText() const { return mText; }
  // 0: the theme's size.
  void SetCustomFontSize(float size) { mCustomFontSize = size; }
  float GetCustomFontSize() const { return mCustomFontSize; }

 protected:
  ~UI_HotTextButton() override;

 private:
  zelcore::UTF16String mText;
  float mCustomFontSize = 0;
};

class UI_TextEdit;

// A number shown as text. A click opens an in-place edit: a text edit child over the control, with
// the keyboard focus, whose finished text becomes the value; when the edit ends it is hidden and
// removed a second later by the control's in-place-edit timer. Classes that show the number their
// own way override the Update operations and the edit's handling.
class UI_HotTextNumber : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  // The focus-change reason a click hands to BeginInPlaceEdit.
  static constexpr int kClickFocusReason = 1;
  // The timer id of the edit's removal; the node manager hands out no negative ids.
  static constexpr int kInPlaceEditTimerID = -1;
  // The initial text that starts the edit from the current value.
  static constexpr const char16_t* kEditFromValue = u"???";

  UI_HotTextNumber() = default;

  // The value, kept as set; only typed values are held within the minimum and maximum. Setting
  // it shows it (UpdateStringFromValue).
  void SetValue(double value);
  double GetValue() const { return mValue; }
  void SetMinValue(double value) { mMinValue = value; }
  double GetMinValue() const { return mMinValue; }
  void SetMaxValue(double value) { mMaxValue = value; }
  double GetMaxValue() const { return mMaxValue; }
  void SetIncrement(double increment) { mIncrement = increment; }
  double GetIncrement() const { return mIncrement; }
  void SetDecimalPlaces(int places) { mDecimalPlaces = places; }
  int GetDecimalPlaces() const { return mDecimalPlaces; }
  void SetNumericInput(bool numeric) { mNumericInput = numeric; }
  bool GetNumericInput() const { return mNumericInput; }
  // 0 left, 1 centre, 2 right.
  void SetAlignment(int alignment) { mAlignment = alignment; }
  int GetAlignment() const { return mAlignment; }
  void SetCustomFontSize(float size) { mCustomFontSize = size; }
  float GetCustomFontSize() const { return mCustomFontSize; }

  // The text shown; the flag asks for a redraw.
  void SetText(const zelcore::UTF16String& text, bool invalidate);
  const zelcore::UTF16String& GetText() const { return mText; }
  // The value in the framework's own form: fixed-point with the decimal places.
  zelcore::UTF16String FormatValue(double value) const;

  // True while an edit child is shown.
  bool IsEditingInPlace() const;
  // The edit child (the first text edit among the children), or null.
  UI_TextEdit* GetInPlaceEdit() const;
  int GetInPlaceEditTimerID() const { return kInPlaceEditTimerID; }
  // Above 0 while the control makes changes of its own that TextEditChanged must ignore.
  int GetChangeNotificationNesting() const { return mChangeNotificationNesting; }

  virtual void Init();
  // Opens the edit: any earlier edit goes first; the edit gets the control's bounds and the focus
  // with the reason; the initial text "???" starts from the value with the whole text selected,
  // any other text is put in with the caret after it (the flag selects all of it instead).
  virtual void BeginInPlaceEdit(bool selectAll, int reason, const zelcore::UTF16String& initialText);
  virtual void UpdateEditFromValue();
  // Reads the edit's text as a number; a text that is no number changes nothing.
  virtual void UpdateValueFromEdit();
  virtual void UpdateStringFromValue();
  // The edit's steps: begin and continue pass on; finish takes the value, then both finish and
  // cancel hide the edit and start the removal timer.
  virtual void TextEditChanged(UI_InteractiveControlChangedMessage* message);
  bool UI_DoTimerNotify(int id) override;
  // Tells those who asked that the user changed the value.
  void FinishedUserChange() { SendValueChangedMessage(); }

 protected:
  ~UI_HotTextNumber() override;

  // A click (button up) on an enabled control opens the edit from the value.
  bool UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) override;

  // Raises the nesting count for its lifetime.
  class ChangeNotificationScope {
   public:
    explicit ChangeNotificationScope(UI_HotTextNumber& control) : mControl(control) {
      ++mControl.mChangeNotificationNesting;
    }
    ~ChangeNotificationScope() { --mControl.mChangeNotificationNesting; }
    ChangeNotificationScope(const ChangeNotificationScope&) = delete;
    ChangeNotificationScope& operator=(const ChangeNotificationScope&) = delete;

   private:
    UI_HotTextNumber& mControl;
  };

  // Hides the edit, starts the 1-second removal timer and redraws.
  void EndInPlaceEdit();
  // Removes the edit child and the timer; without a child the timer goes only with the flag.
  void RemoveInPlaceEdit(bool removeTimer);
  // Has TextEditChanged told of the edit's interactive changes, for as long as it is this
  // control's child.
  void ListenToEdit(UI_TextEdit& edit);

 private:
  double mValue = 0;
  double mMinValue = std::numeric_limits<double>::lowest(), mMaxValue = std::numeric_limits<double>::max();
  double mIncrement = 1;
  int mDecimalPlaces = 0;
  bool mNumericInput = true;
  int mAlignment = 0;
  float mCustomFontSize = 0;
  zelcore::UTF16String mText;
  int mChangeNotificationNesting = 0;
};

// Value controls.

class UI_Knob : public UI_InteractiveControlView {
 public:
  UI_Knob() = default;
  void SetNumericValue(float value) { mValue = value; }
  float GetNumericValue() const { return mValue; }
  void SetMinValue(float value) { mMinValue = value; }
  float GetMinValue() const { return mMinValue; }
  void SetMaxValue(float value) { mMaxValue = value; }
  float GetMaxValue() const { return mMaxValue; }

 protected:
  ~UI_Knob() override;

 private:
  float mValue = 0, mMinValue = 0, mMaxValue = 1;
};

class UI_Slider : public UI_InteractiveControlView {
 public:
  UI_Slider() = default;
  void SetNumericValue(float value) { mValue = value; }
  float GetNumericValue() const { return mValue; }
  void SetExtent(float low, float high) { mExtent = {low, high}; }
  FloatPair GetExtent() const { return mExtent; }

 protected:
  ~UI_Slider() override;

 private:
  float mValue = 0;
  FloatPair mExtent{0, 1};
};

class UI_ScrollBar : public UI_InteractiveControlView {
 public:
  // A DoScroll request, as asked.
  struct ScrollRequest {
    bool first, second;
    int amount;
  };

  UI_ScrollBar() = default;
  // The values the bar spans, set by its scroll view.
  void SetValueRange(float low, float high) { mValueRange = {low, high}; }
  FloatPair GetValueRange() const { return mValueRange; }
  // The shown part: its start and end values.
  void SetNumericValuePair(float start, float end) { mValuePair = {start, end}; }
  FloatPair GetNumericValuePair() const { return mValuePair; }
  void SetExtent(float low, float high) { mExtent = {low, high}; }
  FloatPair GetExtent() const { return mExtent; }
  // Scrolls by the amount; the two flags are the toolkit's. Each request is kept, oldest first.
  void DoScroll(bool first, bool second, int amount) { mScrollRequests.push_back({first, second, amount}); }
  const std::vector<ScrollRequest>& GetScrollRequests() const { return mScrollRequests; }

 protected:
  ~UI_ScrollBar() override;

 private:
  FloatPair mValueRange{0, 0}, mValuePair{0, 0}, mExtent{0, 0};
  std::vector<ScrollRequest> mScrollRequests;
};

// Scrolls its content view (none: nothing to scroll), which becomes its first child, followed by
// its horizontal and vertical scroll bars. The content rectangle is in content coordinates; the
// viewed part starts at the scroll position and is the view's size divided by the scale.
class UI_ScrollView : public UI_InteractiveControlView {
 public:
  UI_ScrollView(int flags, ui::UI_SubView* contentView);
  int GetFlags() const { return mFlags; }
  ui::UI_SubView* GetContentView() const { return mContentView.get(); }

  void SetContentRectF(const ui::RectF& rect) { mContentRect = rect; }
  ui::RectF GetContentRectF() const { return mContentRect; }
  // The view's own area: {0, 0, width, height}.
  ui::RectF GetViewableRectF() const;
  ui::RectF GetViewedContentRectF() const;
  // Scrolls the least that shows the rectangle (content coordinates); a rectangle larger than the
  // view shows its top-left corner. The flag is the toolkit's.
  void ScrollIntoView(const ui::RectF& rect, bool flag);
  ui::PointF GetScrollPosition() const { return mScrollPosition; }
  void SetScale(float scale) { mScale = scale; }
  float GetScale() const { return mScale; }
  UI_ScrollBar* GetScrollBarX() const { return mScrollBarX.get(); }
  UI_ScrollBar* GetScrollBarY() const { return mScrollBarY.get(); }
  void SetScrollBarSize(float size) { mScrollBarSize = size; }
  float GetScrollBarSize() const { return mScrollBarSize; }
  // Sets the scroll bars from the content and the viewed part.
  void Update();

 protected:
  ~UI_ScrollView() override;

 private:
  int mFlags;
  boost::intrusive_ptr<ui::UI_SubView> mContentView;
  boost::intrusive_ptr<UI_ScrollBar> mScrollBarX, mScrollBarY;
  ui::RectF mContentRect;
  ui::PointF mScrollPosition;
  float mScale = 1;
  float mScrollBarSize = 15;
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

  void SetStringValue(const zelcore::UTF16String& text) { mStringValue = text; }
  const zelcore::UTF16String& GetStringValue() const { return mStringValue; }
  // Shown while the box is empty.
  void SetGhostText(const zelcore::UTF16String& text) { mGhostText = text; }
  const zelcore::UTF16String& GetGhostText() const { return mGhostText; }
  void SetSearchHistoryMaxSize(int size) { mHistoryMaxSize = size; }
  int GetSearchHistoryMaxSize() const { return mHistoryMaxSize; }
  void SetSavedSearchMaxSize(int size) { mSavedMaxSize = size; }
  int GetSavedSearchMaxSize() const { return mSavedMaxSize; }
  void SetSearchHistoryDisplayMaxSize(int size) { mHistoryDisplayMaxSize = size; }
  int GetSearchHistoryDisplayMaxSize() const { return mHistoryDisplayMaxSize; }

 protected:
  ~UI_SearchBox() override;

 private:
  std::array<bool, 2> mOptions;
  std::shared_ptr<SearchHistory> mSearchHistory;
  std::shared_ptr<SavedSearches> mSavedSearches;
  zelcore::UTF16String mStringValue, mGhostText;
  int mHistoryMaxSize = 0, mSavedMaxSize = 0, mHistoryDisplayMaxSize = 0;
};

// Editable text with a selection (UTF-16 positions, start <= end).
class UI_TextEdit : public UI_InteractiveControlView, public UI_TextControlBase {
 public:
  UI_TextEdit(int flags, int alignment) : mFlags(flags), mAlignment(alignment) {}
  explicit UI_TextEdit(const zelcore::UTF16String& initialText) : mFlags(0), mAlignment(0), mText(initialText) {}
  int GetFlags() const { return mFlags; }
  int GetAlignment() const { return mAlignment; }
  // 0: the theme's size.
  void SetCustomFontSize(float size) { mCustomFontSize = size; }
  float GetCustomFontSize() const { return mCustomFontSize; }

  // The text; setting it leaves the caret at its end.
  void SetStringValue(const zelcore::UTF16String& text);
  const zelcore::UTF16String& GetStringValue() const { return mText; }
  void SetValue(const zelcore::UTF16String& text) { SetStringValue(text); }
  const zelcore::UTF16String& GetValue() const { return mText; }
  void SelectAll() { SetSelection(0, mText.size()); }
  // Positions beyond the text are taken as its end.
  void SetSelection(std::size_t start, std::size_t end);
  std::pair<std::size_t, std::size_t> GetSelection() const { return {mSelectionStart, mSelectionEnd}; }

 protected:
  ~UI_TextEdit() override;

 private:
  int mFlags;
  int mAlignment;
  float mCustomFontSize = 0;
  zelcore::UTF16String mText;
  std::size_t mSelectionStart = 0, mSelectionEnd = 0;
};

// Display.

class UI_StaticText : public UI_ControlView, public UI_TextControlBase {
 public:
  UI_StaticText() = default;
  void SetStringValue(const zelcore::UTF16String& text) { mStringValue = text; }
  const zelcore::UTF16String& GetStringValue() const { return mStringValue; }
  // Until set, the theme's colour is used.
  void SetCustomTextColor(const ColorRGBA& color) {
    mCustomTextColor = color;
    mHasCustomTextColor = true;
  }
  bool HasCustomTextColor() const { return mHasCustomTextColor; }
  ColorRGBA GetCustomTextColor() const { return mCustomTextColor; }
  // 0: the theme's size.
  void SetCustomFontSize(float size) { mCustomFontSize = size; }
  float GetCustomFontSize() const { return mCustomFontSize; }

 protected:
  ~UI_StaticText() override;

 private:
  zelcore::UTF16String mStringValue;
  ColorRGBA mCustomTextColor;
  bool mHasCustomTextColor = false;
  float mCustomFontSize = 0;
};

class UI_StaticImage : public UI_ControlView, public UI_PictureSupplyClient {
 public:
  UI_StaticImage() = default;
  void SetImageName(const std::string& name) { mImageName = name; }
  const std::string& GetImageName() const { return mImageName; }
  void SetAlpha(float alpha) { mAlpha = alpha; }
  float GetAlpha() const { return mAlpha; }

 protected:
  ~UI_StaticImage() override;

 private:
  std::string mImageName;
  float mAlpha = 1;
};

class UI_Divider : public UI_ControlView {
 public:
  UI_Divider() = default;

 protected:
  ~UI_Divider() override;
};

// Lists.

enum CheckboxState { kCheckboxUnchecked = 0, kCheckboxChecked = 1, kCheckboxMixed = 2 };

// One row of a list box, labelled by a static text whose string value is the row's text.
class UI_ListBoxItem : public UI_InteractiveControlView {
 public:
  // Called when the row's checkbox was clicked, with its new state.
  using CheckboxNotifyFunction = std::function<void(UI_ListBoxItem* item, CheckboxState state)>;

  UI_ListBoxItem();
  // Sets the label's text.
  virtual void Init(const zelcore::UTF16String& text);
  UI_StaticText* GetItemLabel() const { return mLabel.get(); }
  bool IsSelected() const { return mSelected; }
  void SetSelected(bool selected) { mSelected = selected; }
  void SetCheckboxState(CheckboxState state) { mCheckboxState = state; }
  CheckboxState GetCheckboxState() const { return mCheckboxState; }
  void SetRequestCheckboxNotify(CheckboxNotifyFunction function) { mCheckboxNotify = std::move(function); }
  // What a click on the row's checkbox does: a checked box becomes unchecked, any other checked,
  // then the notify function is told.
  void CheckboxClicked();

 protected:
  ~UI_ListBoxItem() override;

 private:
  boost::intrusive_ptr<UI_StaticText> mLabel;
  bool mSelected = false;
  CheckboxState mCheckboxState = kCheckboxUnchecked;
  CheckboxNotifyFunction mCheckboxNotify;
};

// A list of rows. The rows are the list box's children that are list-box items, in child order,
// at 0-based positions; a position outside the rows reaches nothing. The rows lie one below the
// other, each the row height tall: a click on a row selects it (zelui/testing.h).
class UI_ListBox : public UI_InteractiveControlView {
 public:
  // Called after the user changed the selection, with the modifier keys of the click.
  using ItemSelectedCallback = std::function<void(UI_ListBox* listBox, ui::ModifierFlags modifiers)>;

  UI_ListBox(bool option1, bool option2, bool option3, bool option4) : mOptions{option1, option2, option3, option4} {}
  const std::array<bool, 4>& GetOptions() const { return mOptions; }

  void ClearItems();
  // A new row with the text at the position (0..count); null, and nothing inserted, elsewhere.
  UI_ListBoxItem* InsertItem(std::ptrdiff_t position, const zelcore::UTF16String& text);
  UI_ListBoxItem* AppendItem(const zelcore::UTF16String& text);
  std::ptrdiff_t CountItems() const;
  UI_ListBoxItem* GetItem(std::ptrdiff_t position) const;
  // The positions of the selected rows, ascending.
  std::vector<std::ptrdiff_t> GetSelectedItems() const;
  // Selects the row; exclusive deselects every other row first; the second flag scrolls the row
  // into view.
  void SelectItem(std::ptrdiff_t position, bool exclusive, bool scrollIntoView);
  void DeselectAllItems();
  // The row scrolled into view last, or -1.
  std::ptrdiff_t GetScrolledToItem() const { return mScrolledToItem; }

  void SetCheckboxState(std::ptrdiff_t position, CheckboxState state);
  // Unchecked for a position with no row.
  CheckboxState GetCheckboxState(std::ptrdiff_t position) const;

  void SetItemSelectedCallback(ItemSelectedCallback callback) { mItemSelected = std::move(callback); }

  void SetSupportNoneSelected(bool support) { mSupportNoneSelected = support; }
  bool GetSupportNoneSelected() const { return mSupportNoneSelected; }
  void SetIndicateFocus(bool indicate) { mIndicateFocus = indicate; }
  bool GetIndicateFocus() const { return mIndicateFocus; }
  void SetDisplayBorder(bool display) { mDisplayBorder = display; }
  bool GetDisplayBorder() const { return mDisplayBorder; }
  void SetShowCheckbox(bool show) { mShowCheckbox = show; }
  bool GetShowCheckbox() const { return mShowCheckbox; }
  void SetRowHeight(float height) { mRowHeight = height; }
  float GetRowHeight() const { return mRowHeight; }
  void SetDisplaysDivider(bool display) { mDisplaysDivider = display; }
  bool GetDisplaysDivider() const { return mDisplaysDivider; }
  // The toolkit's colour code.
  void SetSelectionColor(int color) { mSelectionColor = color; }
  int GetSelectionColor() const { return mSelectionColor; }

 protected:
  ~UI_ListBox() override;

  // A button press on a row: alone it selects only that row; with command it toggles the row,
  // with shift it adds the rows from the last one clicked. Then the item-selected callback.
  bool UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) override;

 private:
  std::vector<UI_ListBoxItem*> Items() const;

  std::array<bool, 4> mOptions;
  ItemSelectedCallback mItemSelected;
  std::ptrdiff_t mScrolledToItem = -1;
  std::ptrdiff_t mAnchor = -1;
  bool mSupportNoneSelected = false, mIndicateFocus = false, mDisplayBorder = false;
  bool mShowCheckbox = false, mDisplaysDivider = false;
  float mRowHeight = 20;
  int mSelectionColor = 0;
};

// Views that arrange their children.

// Two views side by side (direction 0) or one above the other, split by a divider the user drags.
// The split is the top or left part's share, the same value whether asked for as fraction or as
// percentage. A validation function sees every split a drag proposes and returns the one to use.
class UI_SplitterView : public ui::UI_SubView {
 public:
  using SplitValidationFunction = std::function<float(float proposed)>;

  UI_SplitterView(int direction, float fraction, float dividerSize)
      : mDirection(direction), mFraction(fraction), mDividerSize(dividerSize) {}
  void SetSplitDirection(int direction) { mDirection = direction; }
  int GetSplitDirection() const { return mDirection; }
  float GetSplitFraction() const { return mFraction; }
  void SetSplitPercentage(float split) { mFraction = split; }
  float GetSplitPercentage() const { return mFraction; }
  float GetDividerSize() const { return mDividerSize; }

  // The view becomes a child in place of the one set before (which leaves); null only removes.
  void SetTopLeftView(ui::UI_Node* view) { ReplacePane(mTopLeft, view); }
  void SetBottomRightView(ui::UI_Node* view) { ReplacePane(mBottomRight, view); }
  ui::UI_Node* GetTopLeftView() const { return mTopLeft.get(); }
  ui::UI_Node* GetBottomRightView() const { return mBottomRight.get(); }

  void SetSplitValidationFunction(SplitValidationFunction function) { mValidate = std::move(function); }
  // What a drag of the divider does: the proposed split, through the validation function, becomes
  // the split; returns it.
  float DragSplit(float proposed);

 protected:
  ~UI_SplitterView() override;

 private:
  void ReplacePane(ui::UI_NodeP& pane, ui::UI_Node* view);

  int mDirection;
  float mFraction;
  float mDividerSize;
  ui::UI_NodeP mTopLeft, mBottomRight;
  SplitValidationFunction mValidate;
};

class UI_ArrangementView : public ui::UI_SubView {
 public:
  UI_ArrangementView() = default;
  // Lays the children out again; the four values are the toolkit's. Counted for tests.
  void UI_LayoutChildren(int first, int second, int third, int fourth);
  int GetLayoutCount() const { return mLayoutCount; }

 protected:
  ~UI_ArrangementView() override;

 private:
  int mLayoutCount = 0;
};

// A titled section whose content opens and closes. Its custom label view is its first child,
// hidden until shown. Every change of the opened state calls the callbacks, in the order added.
class UI_SectionView : public ui::UI_SubView {
 public:
  using OpenedStateChangedCallback = std::function<void(UI_SectionView* section)>;

  UI_SectionView(const zelcore::UTF16String& label, bool option);
  const zelcore::UTF16String& GetLabel() const { return mLabel; }
  bool GetOption() const { return mOption; }

  void SetOpened(bool opened);
  bool GetOpened() const { return mOpened; }
  void AddOpenedStateChangedCallback(OpenedStateChangedCallback callback);
  void SetDrawGradientHeader(bool draw) { mDrawGradientHeader = draw; }
  bool GetDrawGradientHeader() const { return mDrawGradientHeader; }
  void SetShowCustomLabelView(bool show);
  bool IsCustomLabelViewShown() const { return mShowCustomLabelView; }
  ui::UI_SubView* GetCustomLabelView() const { return mCustomLabelView.get(); }
  void SetHeaderHeight(float height) { mHeaderHeight = height; }
  float GetHeaderHeight() const { return mHeaderHeight; }

 protected:
  ~UI_SectionView() override;

 private:
  zelcore::UTF16String mLabel;
  bool mOption;
  bool mOpened = true;
  std::vector<OpenedStateChangedCallback> mCallbacks;
  bool mDrawGradientHeader = false;
  bool mShowCustomLabelView = false;
  boost::intrusive_ptr<ui::UI_SubView> mCustomLabelView;
  float mHeaderHeight = 20;
};

// Tab wells.

// What the user did to a tab item, as the action hook is told.
enum TabItemAction {
  kTabItemAction_Click = 0,
  kTabItemFrameDrag_Click = 2,
  kTabItemAction_Close = 3,
  kTabItemAction_MultipanedPopup = 4,
  kTabItemAction_FlyoutMenu = 5,
  kTabItemAction_FrameDrag = 6,
  kTabItemAction_BecomeFrontmost = 7,
  kTabItemAction_BecomeNonFrontmost = 8,
  kTabItemAction_ToggleLock = 9,
  kTabItemAction_ContextMenu = 10,
  kTabItemAction_WheelScroll = 11,
};

// One tab: its text and the three flags it was added with (the toolkit's).
class UI_TabItem : public ui::UI_SubView {
 public:
  UI_TabItem(const zelcore::UTF16String& text, bool flag1, bool flag2, bool flag3)
      : mText(text), mFlags{flag1, flag2, flag3} {}
  const zelcore::UTF16String& GetText() const { return mText; }
  const std::array<bool, 3>& GetFlags() const { return mFlags; }
  bool IsFrontmost() const { return mFrontmost; }
  void SetFrontmost(bool frontmost) { mFrontmost = frontmost; }

 protected:
  ~UI_TabItem() override;

 private:
  zelcore::UTF16String mText;
  std::array<bool, 3> mFlags;
  bool mFrontmost = false;
};

// A row of tabs at 0-based positions. The tabs live in a tabs container, made with the first tab
// as the well's child. What the user does to a tab goes to the action hook with the tab's
// position and, for some actions, the tab's rectangle.
class UI_TabWell : public ui::UI_SubView {
 public:
  using TabItemActionHook = std::function<void(int action, std::ptrdiff_t index, const ui::Rect32* rect)>;

  explicit UI_TabWell(TabItemActionHook hook = nullptr, bool option = false)
      : mHook(std::move(hook)), mOption(option) {}
  bool GetOption() const { return mOption; }

  // Inserts a tab at the position; a position outside 0..count appends it.
  void AddTab(std::ptrdiff_t index, const zelcore::UTF16String& text, bool flag1, bool flag2, bool flag3);
  // A position with no tab changes nothing.
  void RemoveTab(std::ptrdiff_t index);
  void SetFrontmost(std::ptrdiff_t index);
  // The frontmost tab's position, or -1.
  std::ptrdiff_t GetFrontmost() const;
  std::ptrdiff_t CountTabs() const;
  UI_TabItem* GetTabItem(std::ptrdiff_t index) const;
  // Null until the first tab.
  ui::UI_SubView* GetTabsContainer() const { return mTabsContainer.get(); }
  void SetShowTabsOnly(bool tabsOnly) { mShowTabsOnly = tabsOnly; }
  bool GetShowTabsOnly() const { return mShowTabsOnly; }

  // Tells the hook what the user did (zelui/testing.h); without a hook nothing happens.
  void DoTabItemAction(int action, std::ptrdiff_t index, const ui::Rect32* rect);

 protected:
  ~UI_TabWell() override;

 private:
  TabItemActionHook mHook;
  bool mOption;
  boost::intrusive_ptr<ui::UI_SubView> mTabsContainer;
  bool mShowTabsOnly = false;
};

}  // namespace zelui::controls

#pragma once
// A hot-text number whose text form scripts decide: one function turns the
// value into its text, another turns a typed text back into a value, so that
// scripts can show and accept timecodes or any other notation. Typing happens
// in an inline text edit the control adds as a child while editing and removes
// a second after the edit ends.
#include <functional>
#include <memory>
#include <optional>

#include "zelcore/Strings.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/controls/Controls.h"

namespace zellua::controls {

// The inline edit: the wheel over it selects its whole text instead of
// scrolling anything.
class TimecodeTextEdit : public zelui::controls::UI_TextEdit {
 public:
  TimecodeTextEdit() : UI_TextEdit(zelcore::UTF16String()) {}
  bool UI_DoMouseEvent(UI_Node* target, const zelui::ui::MouseEvent& event) override;

 protected:
  ~TimecodeTextEdit() override;
};

class UI_HotTextTimecode : public zelui::controls::UI_HotTextNumber {
 public:
  // The conversions a script installs; a function that gives no result at all (std::nullopt)
  // leaves the conversion to the hot-text number's own, as if none were installed.
  using ValueToString = std::function<std::optional<zelcore::UTF16String>(double)>;
  using StringToValue = std::function<std::optional<double>(const zelcore::UTF16String&)>;
  // What a text-to-value function gives for a text that is no value.
  static constexpr double kInvalidValue = -1.0;
  static constexpr double kDefaultMaximum = 86340000.0;

  UI_HotTextTimecode();
  UI_HotTextTimecode(std::shared_ptr<const ValueToString> valueToString,
                     std::shared_ptr<const StringToValue> stringToValue);

  void Init() override;
  // The range typed values are held within; not checked for order.
  void SetMinMax(double minimum, double maximum) {
    mMinimum = minimum;
    mMaximum = maximum;
  }
  double GetMinimum() const { return mMinimum; }
  double GetMaximum() const { return mMaximum; }
  void UpdateValue(double value) { SetValue(value); }
  // Installs the function and shows the value through it.
  void SetValueToStringFunction(std::shared_ptr<const ValueToString> function);
  void SetStringToValueFunction(std::shared_ptr<const StringToValue> function) { mStringToValue = std::move(function); }
  // Removes the inline edit (and its removal timer); without an edit the timer
  // goes only with the flag.
  void RemoveTimecodeTextEditControl(bool removeTimer) { RemoveInPlaceEdit(removeTimer); }

  // The initial text "???" starts from the value with the whole text selected;
  // any other text is put in as a continued change with the caret after it.
  void BeginInPlaceEdit(bool selectAll, int reason, const zelcore::UTF16String& initialText) override;
  void UpdateEditFromValue() override;
  // The edit's text through the text-to-value function; a failure (-1 or NaN)
  // or the same value changes nothing, anything else is held within the range.
  void UpdateValueFromEdit() override;
  void UpdateStringFromValue() override;

 protected:
  ~UI_HotTextTimecode() override;

 private:
  void Reset();

  double mMinimum = 0.0;
  double mMaximum = kDefaultMaximum;
  std::shared_ptr<const ValueToString> mValueToString;
  std::shared_ptr<const StringToValue> mStringToValue;
};

}  // namespace zellua::controls

namespace zellua::ui {

// "zelHotTextTimecode": the hot-text number's methods and the timecode's own.
ZELLUA_CONTROL_WRAPPER(LuaUI_HotTextTimecodeWrapper, LuaControlWrapperBase)

}  // namespace zellua::ui

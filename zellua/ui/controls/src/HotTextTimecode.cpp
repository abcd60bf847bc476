// The timecode control, its inline edit and its Lua methods.
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "ui/src/ControlsInternal.h"
#include "ui/src/MethodRows.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/ui/LuaHotTextTimecode.h"

namespace zellua::controls {

namespace {
constexpr double kInitialValue = 0.0;
}  // namespace

TimecodeTextEdit::~TimecodeTextEdit() = default;

bool TimecodeTextEdit::UI_DoMouseEvent(UI_Node*, const zelui::ui::MouseEvent& event) {
  if (UI_IsDisabled() || event.action != zelui::ui::kMouseWheel || event.wheelDelta == 0) return false;
  SelectAll();
  return true;
}

UI_HotTextTimecode::UI_HotTextTimecode() { Reset(); }

UI_HotTextTimecode::UI_HotTextTimecode(std::shared_ptr<const ValueToString> valueToString,
                                       std::shared_ptr<const StringToValue> stringToValue)
    : mValueToString(std::move(valueToString)), mStringToValue(std::move(stringToValue)) {
  Reset();
}

UI_HotTextTimecode::~UI_HotTextTimecode() = default;

void UI_HotTextTimecode::Init() { Reset(); }

void UI_HotTextTimecode::Reset() {
  mMinimum = 0.0;
  mMaximum = kDefaultMaximum;
  SetValue(kInitialValue);
  SetMinValue(0.0);
  SetWantsKeyboardFocus(true);
  SetSuppressFocusDrawing(true);
}

void UI_HotTextTimecode::SetValueToStringFunction(std::shared_ptr<const ValueToString> function) {
  mValueToString = std::move(function);
  if (IsEditingInPlace())
    UpdateEditFromValue();
  else
    UpdateStringFromValue();
}

void UI_HotTextTimecode::BeginInPlaceEdit(bool, int reason, const zelcore::UTF16String& initialText) {
  RemoveTimecodeTextEditControl(false);
  // A disabled control is not edited by the user: reported, and the edit goes on all the same.
  if (UI_IsDisabled()) {
    static bool sAssertSiteDisabled = false;
    binding::ReportAssertion(sAssertSiteDisabled, "!IsDisabled()", __FILE__, __LINE__, __PRETTY_FUNCTION__);
  }
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  const ChangeNotificationScope quiet(*this);
  const boost::intrusive_ptr<TimecodeTextEdit> edit(new TimecodeTextEdit());
  const zelui::ui::RectF bounds = UI_GetLocalRectF(false);
  edit->UI_SetLocalRectF({0, 0, bounds.width, bounds.height});
  UI_GetContainer().ChildPushBack(edit.get());
  edit->UI_Show(true);
  edit->UI_GainKeyboardFocus(reason);
  edit->SelectAll();
  if (initialText != kEditFromValue) {
    edit->SetValue(initialText);
    ContinueInteractiveChange(0);
    edit->SetSelection(initialText.size(), initialText.size());
  } else {
    UpdateEditFromValue();
    edit->SelectAll();
  }
  ListenToEdit(*edit);
}

void UI_HotTextTimecode::UpdateEditFromValue() {
  const auto text = mValueToString ? (*mValueToString)(GetValue()) : std::nullopt;
  if (!text) return UI_HotTextNumber::UpdateEditFromValue();
  if (zelui::controls::UI_TextEdit* edit = GetInPlaceEdit()) edit->SetValue(*text);
}

void UI_HotTextTimecode::UpdateValueFromEdit() {
  const zelui::controls::UI_TextEdit* edit = GetInPlaceEdit();
  const auto converted =
      mStringToValue ? (*mStringToValue)(edit != nullptr ? edit->GetValue() : zelcore::UTF16String()) : std::nullopt;
  if (!converted) return UI_HotTextNumber::UpdateValueFromEdit();
  double value = *converted;
  if (value == kInvalidValue || std::isnan(value) || value == GetValue()) return;
  if (value > mMaximum) value = mMaximum;
  if (value < mMinimum) value = mMinimum;
  SetValue(value);
}

void UI_HotTextTimecode::UpdateStringFromValue() {
  const auto text = mValueToString ? (*mValueToString)(GetValue()) : std::nullopt;
  if (!text) return UI_HotTextNumber::UpdateStringFromValue();
  if (*text != GetText()) SetText(*text, true);
}

}  // namespace zellua::controls

namespace zellua::ui {

namespace {

using controls::UI_HotTextTimecode;
using rows::Bool;
using rows::Double;
using rows::Get;
using rows::Number;
using rows::Set;

using SharedRef = std::shared_ptr<const binding::LuaRef>;

// The Lua function's text for the value: empty when the call fails or gives
// neither a string nor a number; none once the state is closed, so that the control formats the
// value itself.
std::optional<zelcore::UTF16String> CallValueToString(const binding::LuaRef& function, double value) {
  if (!function.IsValid()) return std::nullopt;
  lua_State* L = function.State();
  const binding::StackGuard guard(L);
  const bool ran = function.Call(
      [value](lua_State* S) {
        lua_pushnumber(S, value);
        return 1;
      },
      1);
  if (!ran) return zelcore::UTF16String();
  const int type = lua_type(L, -1);
  if (type != LUA_TSTRING && type != LUA_TNUMBER) return zelcore::UTF16String();
  std::size_t length = 0;
  const char* bytes = lua_tolstring(L, -1, &length);
  return zelcore::UTF8to16(std::string(bytes, length));
}

// The Lua function's value for the text: -1 when the call fails or gives no
// number; none once the state is closed, so that the control reads the text itself.
std::optional<double> CallStringToValue(const binding::LuaRef& function, const zelcore::UTF16String& text) {
  if (!function.IsValid()) return std::nullopt;
  lua_State* L = function.State();
  const binding::StackGuard guard(L);
  const std::string bytes = zelcore::UTF16to8(text);
  const bool ran = function.Call(
      [&bytes](lua_State* S) {
        lua_pushlstring(S, bytes.data(), bytes.size());
        return 1;
      },
      1);
  if (!ran || lua_type(L, -1) != LUA_TNUMBER) return UI_HotTextTimecode::kInvalidValue;
  return lua_tonumber(L, -1);
}

SharedRef CheckFunction(lua_State* L, int index) {
  luaL_checktype(L, index, LUA_TFUNCTION);
  return std::make_shared<const binding::LuaRef>(L, index);
}

int SetValueToStringFunction(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_HotTextTimecode>(node)->SetValueToStringFunction(
      std::make_shared<const UI_HotTextTimecode::ValueToString>(
          [function](double value) { return CallValueToString(*function, value); }));
  return 0;
}

int SetStringToValueFunction(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_HotTextTimecode>(node)->SetStringToValueFunction(
      std::make_shared<const UI_HotTextTimecode::StringToValue>(
          [function](const zelcore::UTF16String& text) { return CallStringToValue(*function, text); }));
  return 0;
}

}  // namespace

const luaL_Reg LuaUI_HotTextTimecodeWrapper::methods[] = {
    {"GetNumericValue", Get<UI_HotTextTimecode, &UI_HotTextTimecode::GetValue, Number>},
    {"SetNumericValue", Set<UI_HotTextTimecode, &UI_HotTextTimecode::UpdateValue, Double>},
    {"SetValueToStringFunction", SetValueToStringFunction},
    {"SetStringToValueFunction", SetStringToValueFunction},
    {"IsEditingInPlace", Get<UI_HotTextTimecode, &UI_HotTextTimecode::IsEditingInPlace, Bool>},
    {"SetMinMax", Set<UI_HotTextTimecode, &UI_HotTextTimecode::SetMinMax, Double, Double>},
    {nullptr, nullptr}};

}  // namespace zellua::ui

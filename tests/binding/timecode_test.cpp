// The timecode control's own rules with native conversion functions: typed
// values and their failures, the range, the inline edit's life, and Lua
// functions outliving their state.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zelcore/Strings.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaHotTextTimecode.h"
#include "zelui/testing.h"

namespace {

namespace zt = zelui::testing;
using zelcore::UTF16String;
using zellua::controls::UI_HotTextTimecode;

boost::intrusive_ptr<UI_HotTextTimecode> MakeTimecode(double (*read)(const UTF16String&)) {
  auto toText = std::make_shared<const UI_HotTextTimecode::ValueToString>(
      [](double value) { return zelcore::UTF8to16("t" + std::to_string(static_cast<long long>(value))); });
  auto toValue = std::make_shared<const UI_HotTextTimecode::StringToValue>(read);
  return boost::intrusive_ptr<UI_HotTextTimecode>(new UI_HotTextTimecode(toText, toValue));
}

double Parse(const UTF16String& text) { return std::stod(zelcore::UTF16to8(text)); }

// Types the text into a fresh edit started from the value and finishes it.
void TypeAndFinish(UI_HotTextTimecode& control, const char* text) {
  control.BeginInPlaceEdit(false, UI_HotTextTimecode::kClickFocusReason, UI_HotTextTimecode::kEditFromValue);
  ASSERT_NE(control.GetInPlaceEdit(), nullptr);
  zt::TypeText(*control.GetInPlaceEdit(), zelcore::UTF8to16(text), zt::TypingEnd::kReturn);
}

TEST(Timecode, StartsAtZeroWithinTheDefaultRangeAndShowsThroughTheFunction) {
  auto control = MakeTimecode(Parse);
  EXPECT_EQ(control->GetValue(), 0.0);
  EXPECT_EQ(control->GetMinimum(), 0.0);
  EXPECT_EQ(control->GetMaximum(), 86340000.0);
  EXPECT_EQ(control->GetText(), u"t0");
  control->SetValue(5);
  EXPECT_EQ(control->GetText(), u"t5");
}

TEST(Timecode, TypedValuesAreClampedAndFailuresChangeNothing) {
  struct Case {
    const char* typed;
    double (*read)(const UTF16String&);
    double want;
  };
  const Case cases[] = {
      {"70", Parse, 70},
      {"1e12", Parse, 86340000.0},
      {"-5", Parse, 0},
      {"x", [](const UTF16String&) { return -1.0; }, 30},
      {"x", [](const UTF16String&) { return std::numeric_limits<double>::quiet_NaN(); }, 30},
  };
  for (const Case& c : cases) {
    auto control = MakeTimecode(c.read);
    control->SetValue(30);
    TypeAndFinish(*control, c.typed);
    EXPECT_EQ(control->GetValue(), c.want) << c.typed;
  }
}

TEST(Timecode, MinusOneIsFailureEvenWithinTheRange) {
  auto control = MakeTimecode(Parse);
  control->SetMinMax(-10, 10);
  control->SetValue(3);
  TypeAndFinish(*control, "-1");
  EXPECT_EQ(control->GetValue(), 3.0);
  TypeAndFinish(*control, "-2");
  EXPECT_EQ(control->GetValue(), -2.0);
}

TEST(Timecode, WithoutFunctionsTheFrameworkFormatsAndParses) {
  boost::intrusive_ptr<UI_HotTextTimecode> control(new UI_HotTextTimecode());
  EXPECT_EQ(control->GetText(), u"0");
  TypeAndFinish(*control, "12");
  EXPECT_EQ(control->GetValue(), 12.0);
  EXPECT_EQ(control->GetText(), u"12");
}

TEST(Timecode, ANewTextFunctionRefreshesTheOpenEdit) {
  auto control = MakeTimecode(Parse);
  control->SetValue(4);
  control->BeginInPlaceEdit(false, UI_HotTextTimecode::kClickFocusReason, UI_HotTextTimecode::kEditFromValue);
  control->SetValueToStringFunction(
      std::make_shared<const UI_HotTextTimecode::ValueToString>([](double) { return UTF16String(u"new"); }));
  EXPECT_EQ(control->GetInPlaceEdit()->GetValue(), u"new");
  EXPECT_EQ(control->GetText(), u"t4") << "the shown text waits for the edit to end";
}

TEST(Timecode, SetUpOfTheEditIsNotTakenForTyping) {
  int reads = 0;
  static int* counter = nullptr;
  counter = &reads;
  auto control = MakeTimecode([](const UTF16String& text) {
    ++*counter;
    return Parse(text);
  });
  control->BeginInPlaceEdit(false, UI_HotTextTimecode::kClickFocusReason, u"9");
  EXPECT_EQ(control->GetChangeNotificationNesting(), 0);
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(control->GetValue(), 0.0);
  control->RemoveTimecodeTextEditControl(true);
  EXPECT_EQ(control->GetInPlaceEdit(), nullptr);
}

TEST(Timecode, AClickOpensTheTimecodeEditFromTheValue) {
  auto control = MakeTimecode(Parse);
  control->UI_SetLocalRectF({0, 0, 40, 12});
  control->SetValue(7);
  zt::InjectClick(*control, {2, 2});
  auto* edit = dynamic_cast<zellua::controls::TimecodeTextEdit*>(control->GetInPlaceEdit());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetValue(), u"t7");
  EXPECT_TRUE(control->IsEditingInPlace());
}

TEST(Timecode, ADisabledControlIsReportedAndStillEdited) {
  auto control = MakeTimecode(Parse);
  control->UI_SetDisabled(true);
  control->BeginInPlaceEdit(false, UI_HotTextTimecode::kClickFocusReason, UI_HotTextTimecode::kEditFromValue);
  ASSERT_NE(control->GetInPlaceEdit(), nullptr);
  EXPECT_EQ(control->GetInPlaceEdit()->GetValue(), u"t0");
}

struct TimecodeLua : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    luaopen_zellua_zelcontrols(L);
    lua_settop(L, 0);
  }
};

TEST_F(TimecodeLua, FunctionsOfAClosedStateGiveTheFallbacks) {
  ASSERT_EQ(Run("control = zelcontrols.NewHotTextTimecode()\n"
                "control:SetNumericValue(5)\n"
                "control:SetValueToStringFunction(function(v) return 'lua ' .. v "
                "end)\n"
                "control:SetStringToValueFunction(function(s) return 77 end)\n"),
            "ok");
  lua_getglobal(L, "control");
  const boost::intrusive_ptr<UI_HotTextTimecode> control(
      dynamic_cast<UI_HotTextTimecode*>(zellua::ui::GetControlNode(L, -1)));
  lua_pop(L, 1);
  ASSERT_TRUE(control);
  EXPECT_EQ(control->GetText(), u"lua 5");
  zellua::binding::MarkStateClosed(L);
  control->SetValue(6);
  EXPECT_EQ(control->GetText(), u"6") << "the hot-text number's own formatting";
  TypeAndFinish(*control, "12");
  EXPECT_EQ(control->GetValue(), 12.0) << "the hot-text number's own reading";
}

}  // namespace

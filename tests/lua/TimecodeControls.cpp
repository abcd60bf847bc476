// Test controls for the timecode control: what the user does to its inline
// edit, and what the edit shows.
#include <cstddef>
#include <string>

#include "TestControls.h"
#include "zelcore/Strings.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaHotTextTimecode.h"
#include "zelui/controls/Controls.h"
#include "zelui/testing.h"
#include "zelui/ui/Events.h"

namespace {

namespace zt = zelui::testing;
using zellua::controls::UI_HotTextTimecode;

UI_HotTextTimecode& TimecodeOf(lua_State* L) {
  auto* control = dynamic_cast<UI_HotTextTimecode*>(zellua::ui::GetControlNode(L, 1));
  if (control == nullptr) luaL_error(L, "argument 1 is not a timecode control");
  return *control;
}

zelui::controls::UI_TextEdit& EditOf(lua_State* L) {
  zelui::controls::UI_TextEdit* edit = TimecodeOf(L).GetInPlaceEdit();
  if (edit == nullptr) luaL_error(L, "the control has no inline edit");
  return *edit;
}

// timecodeBegin(control, initialText): opens the inline edit as the framework
// does.
int timecodeBegin(lua_State* L) {
  UI_HotTextTimecode& control = TimecodeOf(L);
  const zelcore::UTF16String text = zelcore::UTF8to16(luaL_checkstring(L, 2));
  control.BeginInPlaceEdit(false, UI_HotTextTimecode::kClickFocusReason, text);
  return 0;
}

// timecodeType(control, text, "return" | "escape" | "keep"): the user types
// into the inline edit.
int timecodeType(lua_State* L) {
  zelui::controls::UI_TextEdit& edit = EditOf(L);
  const zelcore::UTF16String text = zelcore::UTF8to16(luaL_checkstring(L, 2));
  static const char* const kEnds[] = {"return", "escape", "keep", nullptr};
  static const zt::TypingEnd kEndValues[] = {zt::TypingEnd::kReturn, zt::TypingEnd::kEscape,
                                             zt::TypingEnd::kKeepTyping};
  const int end = luaL_checkoption(L, 3, "return", kEnds);
  zt::TypeText(edit, text, kEndValues[end]);
  return 0;
}

// timecodeEdit(control) → nil without an inline edit, else its text, whether it
// is shown, the selection's start and end (0-based).
int timecodeEdit(lua_State* L) {
  zelui::controls::UI_TextEdit* edit = TimecodeOf(L).GetInPlaceEdit();
  if (edit == nullptr) return 0;
  const std::string text = zelcore::UTF16to8(edit->GetValue());
  lua_pushlstring(L, text.data(), text.size());
  lua_pushboolean(L, edit->UI_IsShown());
  const auto selection = edit->GetSelection();
  lua_pushnumber(L, static_cast<lua_Number>(selection.first));
  lua_pushnumber(L, static_cast<lua_Number>(selection.second));
  return 4;
}

// timecodeText(control) → the text the control shows.
int timecodeText(lua_State* L) {
  const std::string text = zelcore::UTF16to8(TimecodeOf(L).GetText());
  lua_pushlstring(L, text.data(), text.size());
  return 1;
}

// timecodeEditSelect(control, start, end): sets the inline edit's selection.
int timecodeEditSelect(lua_State* L) {
  EditOf(L).SetSelection(static_cast<std::size_t>(luaL_checknumber(L, 2)),
                         static_cast<std::size_t>(luaL_checknumber(L, 3)));
  return 0;
}

// timecodeWheel(control, delta) → whether the inline edit handled a wheel turn.
int timecodeWheel(lua_State* L) {
  zelui::controls::UI_TextEdit& edit = EditOf(L);
  zelui::ui::MouseEvent event;
  event.action = zelui::ui::kMouseWheel;
  event.wheelDelta = static_cast<int>(luaL_checknumber(L, 2));
  lua_pushboolean(L, edit.UI_DoMouseEvent(&edit, event));
  return 1;
}

const luaL_Reg kFunctions[] = {{"timecodeBegin", timecodeBegin},
                               {"timecodeType", timecodeType},
                               {"timecodeEdit", timecodeEdit},
                               {"timecodeText", timecodeText},
                               {"timecodeEditSelect", timecodeEditSelect},
                               {"timecodeWheel", timecodeWheel},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

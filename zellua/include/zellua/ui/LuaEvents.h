#pragma once
// Keyboard and mouse events in Lua, and input captured by a script.
//
// Events cross into Lua as tables the scripts build themselves: the push functions call the
// globals "zellua_CreateNewZELUIKeyboardEvent" (action, character, keyCode, modKey, isRepeat)
// and "zellua_CreateNewZELUIMouseEvent" (action, button, clickCount, x, y, modKey,
// mouseWheelDelta, mouseWheelAxis) and leave exactly one value: the table, or the error value of
// a call that failed. The character is the first UTF-16 code unit the key typed, 0 for a key
// that typed nothing. A mouse-event table read back has the number fields action, button,
// clickCount, modKey, mouseWheelDelta and mouseWheelAxis, and position {x, y}, where a missing x
// or y (or position) reads 0.
#include <memory>
#include <string>

extern "C" {
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"
#include "zellua/utility/LuaBindery.h"
#include "zelui/ui/Events.h"
#include "zelui/ui/InputCapture.h"

namespace zellua::ui {

int PushKeyboardEventToLua(lua_State* L, const zelui::ui::KeyboardEvent& event);
int PushMouseEventToLua(lua_State* L, const zelui::ui::MouseEvent& event);

// Reads the mouse-event table at the index (an argument error when it is not a table, or when a
// number field is missing). When the value on top of the stack is nil nothing is read and the
// result is false. Raises Lua errors: call it before any C++ object with a destructor is made.
bool ReadMouseEventFromLua(lua_State* L, int index, zelui::ui::MouseEvent& event);
// The same into a new event the pointer takes over; returns 1 when read, else 0.
int GetMouseEventFromLua(lua_State* L, int index, std::unique_ptr<zelui::ui::MouseEvent>& event);

// A capture whose callbacks are Lua functions filed by operation name: "captureBegin" and
// "captureEnd" (no arguments), "uiMouseEvent" (the event table), "doCursor" (the point table and
// the modifier flags) and "timerNotify" (the timer id). Keyboard events are not forwarded. The
// cursor counts as handled whenever a "doCursor" function is filed.
class LuaInputCapture : public zelui::ui::InputCapture, public utility::LuaBindery {
 public:
  LuaInputCapture(lua_State* L, zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& startEvent);

  void Begin() override;
  void End() override;
  bool DoMouseEvent(const zelui::ui::MouseEvent& event) override;
  bool DoKeyboardEvent(const zelui::ui::KeyboardEvent& event) override;
  bool DoCursor(const zelui::ui::PointF& where, zelui::ui::ModifierFlags modifiers) override;
  bool DoTimerNotify(int id) override;

 protected:
  ~LuaInputCapture() override;

 private:
  // Calls the function filed under the name with what pushArgs pushes; false when none is filed
  // or the state is closed.
  template <typename PushArgs>
  bool InvokeBoundFxn(const char* name, PushArgs&& pushArgs);
};

using LuaInputCaptureP = boost::intrusive_ptr<LuaInputCapture>;

// The capture of the "zellua.InputCapture" userdata at the index (an argument error for other
// values); null once it was collected.
LuaInputCapture* zellua_checkInputCapture(lua_State* L, int index);

}  // namespace zellua::ui

extern "C" {
// "zellua.InputCapture": the capture metatable and the library "InputCapture".
int luaopen_zellua_InputCapture(lua_State* L);
}

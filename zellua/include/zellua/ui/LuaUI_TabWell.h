#pragma once
// A tab well for scripts: what the user does to a tab calls one Lua function.
#include <cstddef>

#include "zellua/binding/LuaRef.h"
#include "zelui/controls/Controls.h"

extern "C" {
#include <lua.h>
}

namespace zellua::ui {

class LuaUI_TabWell : public zelui::controls::UI_TabWell {
 public:
  LuaUI_TabWell();

  // The function called with the action, the tab's position and, when there is one, the tab's
  // rectangle; replaces the one set before.
  void SetTabItemActionFunction(binding::LuaRef function) { mAction = std::move(function); }
  // Calls the action function (no results, errors dropped, the stack left as found); nothing
  // without one or once its state is closed.
  void TabItemActionHook(int action, std::ptrdiff_t index, const zelui::ui::Rect32* rect);

 protected:
  ~LuaUI_TabWell() override;

 private:
  binding::LuaRef mAction;
};

// Sets the integer fields of the "zelTabWell" metatable (the tab actions) into the table on top
// of the stack.
void SetTabWellFields(lua_State* L);

}  // namespace zellua::ui

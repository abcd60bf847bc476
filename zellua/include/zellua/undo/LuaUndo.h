#pragma once
// Undo actions and state restorers whose work is done by a Lua table: the undo framework calls
// the table's methods "handleActionUndo", "handleActionRedo" and "restoreState" (with the table as
// self). A failing method is ignored; the Lua stack is left as it was. After the Lua state is
// closed, calls and destruction leave it alone.
#include <string>

extern "C" {
#include <lua.h>
}

#include "zelundo/Action.h"
#include "zellua/binding/LuaRef.h"

namespace zellua::undo {

class LuaAction : public zelundo::Action {
 public:
  // The flags and the name (UTF-8) go to the action; reference is the decimal text of a registry
  // reference to the Lua table, which the action releases when it goes ("" for none).
  LuaAction(bool changesDocument, bool mergeable, const std::string& name, const std::string& reference, lua_State* L);
  ~LuaAction() override;

  // Registers the empty global library "zelUndoAction"; leaves it on the stack and returns 1.
  static int InitLua(lua_State* L);

  void RedoSelf() override;
  void UndoSelf() override;

 private:
  void InvokeAction(const char* inAction);

  binding::LuaRef mTable;
};

class LuaStateRestorer : public zelundo::StateRestorer {
 public:
  // reference: a registry reference to the Lua table, which the restorer releases when it goes.
  LuaStateRestorer(int const& reference, lua_State* L);
  ~LuaStateRestorer() override;

  // Registers the empty global library "zelLuaStateRestorer"; leaves it on the stack and returns 1.
  static int InitLua(lua_State* L);

  // A disabled restorer restores nothing.
  void DisableRestorer(bool const& disabled) { mDisabled = disabled; }
  void RestoreState() override;

 private:
  binding::LuaRef mTable;
  bool mDisabled = false;
};

}  // namespace zellua::undo

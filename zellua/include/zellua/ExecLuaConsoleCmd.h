#pragma once
// The console command "execLua": runs the typed text as a Lua chunk in the application's state.
#include "zelcore/ConsoleCommand.h"

struct lua_State;

namespace zellua::console {

class ExecLuaConsoleCmd : public zelcore::console::Command {
 public:
  static const zelcore::UTF16String kName;
  static const zelcore::UTF16String kDescription;

  static void SetLuaState(lua_State* L);

  ExecLuaConsoleCmd(const zelcore::UTF16String& name, const zelcore::UTF16String& description)
      : Command(name, description) {}

  void Execute(const zelcore::UTF16String& text, zelcore::UTF16String& output) override;

 private:
  static lua_State* mLuaState;
};

}  // namespace zellua::console

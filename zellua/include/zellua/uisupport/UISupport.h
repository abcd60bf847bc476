#pragma once
// OS menus, alerts and command attachments for scripts. An OS menu userdata ("zellua.OSMenu")
// holds one counted reference to its menu until it is released or collected. A command
// attachment is a Lua table whose methods doCmdEnable and doCmdHandle answer for a command
// handler; the tables they return are read through the four result keys below.
#include "arx/uisupport/CommandHandler.h"
#include "zelui/OSMenu.h"
#include "zellua/binding/LuaRef.h"

extern "C" {
#include <lua.h>
}

namespace zellua::utility {

// Pushes a new "zellua.OSMenu" userdata holding one more reference to the menu (the metatable is
// made when no script opened the module yet); returns 1.
int PushOSMenuToLua(lua_State* L, const zelui::utility::OS_MenuP& menu);
// The menu slot of the OS menu userdata at the index (argument error for other values); the slot
// is empty once the menu was released.
zelui::utility::OS_MenuP* zellua_checkOSMenu(lua_State* L, int index);

}  // namespace zellua::utility

namespace zel::lua::uisupport {

extern const char* const sLuaCmdIsHandledProp;
extern const char* const sLuaCmdIsEnabledProp;
extern const char* const sLuaCmdIsCheckedProp;
extern const char* const sLuaCmdNewDisplayStringProp;

// Reads a result table at the index into the enablement outs: enabled and checked by truth, the
// display string when the field converts to text (left as it was otherwise).
void ReadEnablementResult(lua_State* L, int index, bool& enabled, bool& checked, zelcore::UTF16String& display);

class LuaCmdAttachment : public arx::uisupport::UnifiedDispatchCmdAttachment {
 public:
  // Takes the reference to the command table.
  explicit LuaCmdAttachment(zellua::binding::LuaRef table) : mTable(std::move(table)) {}
  // Registers the library "zelCmdAttachment"; returns 1.
  static int InitLua(lua_State* L);

 protected:
  bool UnifiedDispatch(int commandId, EnableState* state) override;

 private:
  zellua::binding::LuaRef mTable;
};

// Checks that the value at the index is a table (argument error otherwise) and adds an attachment
// of it to the handler, which owns it.
void installAttachmentIntoHandler(lua_State* L, int index, arx::uisupport::CommandHandler* handler);

}  // namespace zel::lua::uisupport

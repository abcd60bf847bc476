// "zellua.zelCmdAttachment": Lua tables that take part in command handling. The table's method
// doCmdEnable (command enablement) or doCmdHandle (running a command) answers with a result table.
#include <string>

#include "arx/app/App.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/uisupport/UISupport.h"

namespace zel::lua::uisupport {

const char* const sLuaCmdIsHandledProp = "isHandled";
const char* const sLuaCmdIsEnabledProp = "isEnabled";
const char* const sLuaCmdIsCheckedProp = "isChecked";
const char* const sLuaCmdNewDisplayStringProp = "newDisplayString";

namespace {

bool TruthOfField(lua_State* L, int index, const char* name) {
  lua_getfield(L, index, name);
  const bool truth = lua_toboolean(L, -1) != 0;
  lua_pop(L, 1);
  return truth;
}

int RegisterCmdAttachment(lua_State* L) {
  if (lua_gettop(L) != 1) return 0;
  auto* handler = dynamic_cast<arx::uisupport::CommandHandler*>(arx::app::App::GetApp());
  luaL_checktype(L, 1, LUA_TTABLE);
  if (handler != nullptr) installAttachmentIntoHandler(L, 1, handler);
  return 0;
}

const luaL_Reg kFunctions[] = {{"registerCmdAttachment", RegisterCmdAttachment}, {nullptr, nullptr}};

}  // namespace

void ReadEnablementResult(lua_State* L, int index, bool& enabled, bool& checked, zelcore::UTF16String& display) {
  index = index < 0 ? lua_gettop(L) + index + 1 : index;
  enabled = TruthOfField(L, index, sLuaCmdIsEnabledProp);
  checked = TruthOfField(L, index, sLuaCmdIsCheckedProp);
  lua_getfield(L, index, sLuaCmdNewDisplayStringProp);
  size_t length = 0;
  if (const char* text = lua_tolstring(L, -1, &length)) display = zelcore::UTF8to16(std::string(text, length));
  lua_pop(L, 1);
}

int LuaCmdAttachment::InitLua(lua_State* L) { return zellua::binding::OpenModule(L, "zelCmdAttachment", kFunctions); }

bool LuaCmdAttachment::UnifiedDispatch(int commandId, EnableState* state) {
  if (!mTable.IsValid()) return false;
  lua_State* L = mTable.State();
  // Commands reach the table while Lua runs (PostCommand): the caller's stack is left as it was.
  zellua::binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK) || !mTable.Push() || !lua_istable(L, -1)) return false;
  const int table = lua_gettop(L);
  lua_getfield(L, table, state != nullptr ? "doCmdEnable" : "doCmdHandle");
  lua_pushvalue(L, table);
  lua_pushinteger(L, commandId);
  if (lua_pcall(L, 2, 1, 0) != 0 || !lua_istable(L, -1)) return false;
  if (!TruthOfField(L, -1, sLuaCmdIsHandledProp)) return false;
  if (state != nullptr) ReadEnablementResult(L, -1, state->enabled, state->checked, state->displayString);
  return true;
}

void installAttachmentIntoHandler(lua_State* L, int index, arx::uisupport::CommandHandler* handler) {
  luaL_checktype(L, index, LUA_TTABLE);
  zellua::binding::LuaRef table(L, index);
  handler->AddAttachment(std::make_unique<LuaCmdAttachment>(std::move(table)));
}

}  // namespace zel::lua::uisupport

namespace {
int OpenCmdAttachment(lua_State* L) { return zel::lua::uisupport::LuaCmdAttachment::InitLua(L); }
}  // namespace

extern "C" int luaopen_zellua_zelCmdAttachment(lua_State* L) {
  return zellua::binding::Protected<OpenCmdAttachment>(L);
}

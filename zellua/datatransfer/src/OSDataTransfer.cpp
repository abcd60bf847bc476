// "OSDataTransfer": settings of the platform's data transfer for the whole application.
#include "zelui/datatransfer/DataTransfer.h"
#include "zellua/binding/Module.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::datatransfer {

namespace {

const char* const kZelLuaOSDataTransferMetaTableName = "zellua.datatransfer.OSDataTransfer";
const char* const kZelLuaOSDataTransferClassName = "OSDataTransfer";

int RegisterCustomDataType(lua_State* L) {
  const char* name = luaL_checkstring(L, 1);
  zelui::datatransfer::RegisterCustomDataType(utility::WideText(name));
  return 0;
}

int SetDefaultCursorSupport(lua_State* L) {
  zelui::datatransfer::SetDefaultCursorSupport(lua_toboolean(L, 1) != 0);
  return 0;
}

const luaL_Reg kFunctions[] = {{"RegisterCustomDataType", RegisterCustomDataType},
                               {"SetDefaultCursorSupport", SetDefaultCursorSupport},
                               {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::datatransfer

extern "C" int luaopen_zellua_datatransfer_OSDataTransfer(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::datatransfer::kZelLuaOSDataTransferMetaTableName;
  spec.className = zellua::datatransfer::kZelLuaOSDataTransferClassName;
  spec.functions = zellua::datatransfer::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

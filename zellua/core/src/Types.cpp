// "zelTypes": the operating-system flags scripts compare with.
#include "zellua/binding/Module.h"
#include "zellua/zellua.h"

namespace zellua::core {

namespace {

const char* const kZelLuaTypesMetaTableName = "zellua.core.zelTypes";
const char* const kZelLuaTypesClassName = "zelTypes";

enum OSFlag : lua_Integer {
  kOSFlagWin = 1,
  kOSFlagMac = 2,
  // This build runs as the Mac build of the program.
  kOSFlagThisOne = kOSFlagMac,
  kOSFlagAll = -1,
};

const binding::IntConstant kConstants[] = {
    {"ZEL_OS_Flag_WIN", kOSFlagWin},
    {"ZEL_OS_Flag_MAC", kOSFlagMac},
    {"ZEL_OS_Flag_THIS_ONE", kOSFlagThisOne},
    {"ZEL_OS_Flag_ALL", kOSFlagAll},
    {nullptr, 0}};

}  // namespace

}  // namespace zellua::core

extern "C" int luaopen_zellua_zelcore_zelTypes(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::core::kZelLuaTypesMetaTableName;
  spec.className = zellua::core::kZelLuaTypesClassName;
  spec.constants = zellua::core::kConstants;
  return zellua::binding::OpenModule(L, spec);
}

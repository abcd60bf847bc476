// "zelLogging": the scripts' log call. Messages are checked and converted, and go nowhere.
#include "zelcore/Strings.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Protected.h"
#include "zellua/zellua.h"

namespace zellua::LoggingUtils {

namespace {

// The message is the last argument; with no argument at all it is argument 1, missing.
int doLogMessage(lua_State* L) {
  const int last = lua_gettop(L);
  size_t length = 0;
  const char* message = luaL_checklstring(L, last > 0 ? last : 1, &length);
  zelcore::UTF8to16(std::string(message, length));
  return 0;
}

const luaL_Reg kFunctions[] = {{"doLogMessage", doLogMessage}, {nullptr, nullptr}};

}  // namespace

int InitLua(lua_State* L) {
  binding::ModuleSpec spec;
  spec.className = "zelLogging";
  spec.functions = kFunctions;
  return binding::OpenModule(L, spec);
}

}  // namespace zellua::LoggingUtils

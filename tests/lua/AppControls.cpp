// Test controls for the application object: activation messages, the command chain and settings
// saves.
#include "TestControls.h"
#include "arx/testing.h"

namespace {

// Sends the activation message with the given status (0 activated, 1 deactivated) to the
// application's listeners. Returns by how much the delivery changed this function's stack, which
// must be 0 whatever the callbacks did.
int sendAppActivation(lua_State* L) {
  const int status = static_cast<int>(luaL_checkinteger(L, 1));
  const int top = lua_gettop(L);
  if (auto* app = arx::app::App::GetApp()) arx::testing::SendAppActivation(*app, status);
  lua_pushinteger(L, lua_gettop(L) - top);
  return 1;
}

// The commands offered through the command chain so far, as an array of { id = n, handled = b }.
int chainedCommands(lua_State* L) {
  const auto& commands = arx::testing::ChainedCommands();
  lua_createtable(L, static_cast<int>(commands.size()), 0);
  int index = 0;
  for (const auto& command : commands) {
    lua_createtable(L, 0, 2);
    lua_pushinteger(L, command.id);
    lua_setfield(L, -2, "id");
    lua_pushboolean(L, command.handled);
    lua_setfield(L, -2, "handled");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int resetChainedCommands(lua_State*) {
  arx::testing::ResetChainedCommands();
  return 0;
}

int appSettingsSaveCount(lua_State* L) {
  lua_pushinteger(L, arx::testing::AppSettingsSaveCount());
  return 1;
}

const luaL_Reg kFunctions[] = {{"sendAppActivation", sendAppActivation},
                               {"chainedCommands", chainedCommands},
                               {"resetChainedCommands", resetChainedCommands},
                               {"appSettingsSaveCount", appSettingsSaveCount},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

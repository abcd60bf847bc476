// Field readers of Lua tables for native callers.
#include "zellua/binding/Assert.h"
#include "zellua/zellua.h"

namespace zellua::utility {

int GetIntegerField(lua_State* L, int tableIndex, const char* fieldName) {
  ZELLUA_ASSERT(fieldName != NULL, 0);
  lua_getfield(L, tableIndex, fieldName);
  const int value = static_cast<int>(lua_tointeger(L, -1));
  lua_remove(L, -1);
  return value;
}

bool GetBoolField(lua_State* L, int tableIndex, const char* fieldName) {
  ZELLUA_ASSERT(fieldName != NULL, false);
  lua_getfield(L, tableIndex, fieldName);
  const bool value = lua_toboolean(L, -1) != 0;
  lua_remove(L, -1);
  return value;
}

std::string GetStringField(lua_State* L, int tableIndex, const char* fieldName) {
  ZELLUA_ASSERT(fieldName != NULL, std::string());
  lua_getfield(L, tableIndex, fieldName);
  size_t length = 0;
  const char* text = lua_tolstring(L, -1, &length);
  std::string value = text ? std::string(text, length) : std::string();
  lua_remove(L, -1);
  return value;
}

}  // namespace zellua::utility

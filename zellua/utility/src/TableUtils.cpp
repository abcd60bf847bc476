// Field readers of Lua tables for native callers.
#include "zellua/binding/Assert.h"
#include "zellua/binding/Numbers.h"
#include "zellua/zellua.h"

namespace zellua::utility {

int GetIntegerField(lua_State* L, int tableIndex, const char* inFieldName) {
  ZELLUA_ASSERT(inFieldName != NULL, 0);
  lua_getfield(L, tableIndex, inFieldName);
  // NaN gives 0 and values beyond int clamp, where a bare cast would wrap or be undefined.
  const int value = binding::ClampToInteger<int>(lua_tonumber(L, -1));
  lua_remove(L, -1);
  return value;
}

bool GetBoolField(lua_State* L, int tableIndex, const char* inFieldName) {
  ZELLUA_ASSERT(inFieldName != NULL, false);
  lua_getfield(L, tableIndex, inFieldName);
  const bool value = lua_toboolean(L, -1) != 0;
  lua_remove(L, -1);
  return value;
}

std::string GetStringField(lua_State* L, int tableIndex, const char* inFieldName) {
  ZELLUA_ASSERT(inFieldName != NULL, std::string());
  lua_getfield(L, tableIndex, inFieldName);
  size_t length = 0;
  const char* text = lua_tolstring(L, -1, &length);
  std::string value = text ? std::string(text, length) : std::string();
  lua_remove(L, -1);
  return value;
}

}  // namespace zellua::utility

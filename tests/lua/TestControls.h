#pragma once
// Native functions a Lua test script reaches through the global table "glimmet_test". Each file of
// test controls registers its own list with a static TestControls object; the test host puts every
// registered function into the table as soon as the state is opened.
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace glimmet::testing {

class TestControls {
 public:
  // functions ends with a null name and lives as long as the program.
  explicit TestControls(const luaL_Reg* functions) { Lists().push_back(functions); }

  // Registers every list into the global table "glimmet_test".
  static void Register(lua_State* L) {
    for (const luaL_Reg* list : Lists()) {
      luaL_register(L, "glimmet_test", list);
      lua_pop(L, 1);
    }
  }

 private:
  static std::vector<const luaL_Reg*>& Lists() {
    static std::vector<const luaL_Reg*> lists;
    return lists;
  }
};

}  // namespace glimmet::testing

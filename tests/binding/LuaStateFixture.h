#pragma once
// A Lua state for one test: the test's SetUp opens it; TearDown marks it closed for the binding
// references and closes it. Run gives "ok" or the error a chunk raised.
#include <string>

#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"

struct LuaStateFixture : ::testing::Test {
  void TearDown() override {
    if (L) {
      zellua::binding::MarkStateClosed(L);
      lua_close(L);
    }
  }
  std::string Run(const char* code) {
    if (luaL_dostring(L, code) == 0) return "ok";
    std::string error = lua_tostring(L, -1);
    lua_pop(L, 1);
    return error;
  }
  lua_State* L = nullptr;
};

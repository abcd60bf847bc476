// The Lua stack dump to the trace log.
#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaInitializer.h"
#include "zelcore/testing.h"

TEST(StackDump, WritesEnabledLabelsAndClears) {
  lua_State* L = luaL_newstate();
  zelcore::testing::ResetTrace();
  zelcore::testing::EnableTrace("LuaPCall stackdump String: ", 2);
  zelcore::testing::EnableTrace("LuaPCall stackdump Boolean: ", 2);
  zelcore::testing::EnableTrace("LuaPCall stackdump Type: ", 2);
  lua_pushliteral(L, "hello");
  lua_pushboolean(L, 0);
  lua_pushnumber(L, 2.5);  // its label is not enabled
  lua_newtable(L);

  fennick::DumpLuaStackToConsole(L, 1, false, false);
  EXPECT_TRUE(zelcore::testing::TraceLog().empty()) << "writeTrace off writes nothing";
  EXPECT_EQ(lua_gettop(L), 4);

  fennick::DumpLuaStackToConsole(L, 3, false, true);
  EXPECT_TRUE(zelcore::testing::TraceLog().empty()) << "level 3 is above what is enabled";

  fennick::DumpLuaStackToConsole(L, 1, true, true);
  const auto& log = zelcore::testing::TraceLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_NE(log[0].find("> <LuaPCall stackdump String: > <1> hello\n"), std::string::npos) << log[0];
  EXPECT_EQ(log[0].front(), '<');
  EXPECT_NE(log[1].find("<LuaPCall stackdump Boolean: > <1> false\n"), std::string::npos) << log[1];
  EXPECT_NE(log[2].find("<LuaPCall stackdump Type: > <1> table\n"), std::string::npos) << log[2];
  EXPECT_EQ(lua_gettop(L), 0);
  lua_close(L);
}

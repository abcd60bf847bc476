// The console command's stack discipline and its quiet cases, seen from the native side.
#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "zelcore/testing.h"
#include "zellua/ExecLuaConsoleCmd.h"
#include "zelworkspace/ConsolePanel.h"

using zellua::console::ExecLuaConsoleCmd;

namespace {

struct ConsoleFixture : ::testing::Test {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    ExecLuaConsoleCmd::SetLuaState(L);
  }
  void TearDown() override {
    ExecLuaConsoleCmd::SetLuaState(nullptr);
    lua_close(L);
  }
  lua_State* L = nullptr;
  ExecLuaConsoleCmd command{ExecLuaConsoleCmd::kName, ExecLuaConsoleCmd::kDescription};
};

}  // namespace

TEST_F(ConsoleFixture, EveryPathRestoresTheStackTop) {
  const boost::intrusive_ptr<zelworkspace::ConsolePanel> panel(new zelworkspace::ConsolePanel());
  for (const char16_t* text : {u"x = 1", u"return 1, 2, 3", u"error('e')", u"error(nil)", u"not lua"}) {
    lua_pushliteral(L, "held by a caller");
    zelcore::UTF16String output;
    command.Execute(text, output);
    EXPECT_EQ(lua_gettop(L), 1) << zelcore::UTF16to8(text);
    EXPECT_STREQ(lua_tostring(L, 1), "held by a caller");
    lua_settop(L, 0);
  }
  EXPECT_EQ(panel->OutCalls(), 5);
  EXPECT_NE(panel->Output().find("ERROR: Lua error object is a nil value\n"), std::string::npos);
}

TEST_F(ConsoleFixture, NoPanelRunsNothing) {
  zelcore::UTF16String output;
  command.Execute(u"ranWithoutPanel = true", output);
  lua_getglobal(L, "ranWithoutPanel");
  EXPECT_TRUE(lua_isnil(L, -1));
}

TEST_F(ConsoleFixture, NoStateIsAnAssertion) {
  ExecLuaConsoleCmd::SetLuaState(nullptr);
  const boost::intrusive_ptr<zelworkspace::ConsolePanel> panel(new zelworkspace::ConsolePanel());
  zelcore::testing::ResetAssertions();
  zelcore::UTF16String output;
  command.Execute(u"x = 1", output);
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "NULL != mLuaState");
  EXPECT_EQ(panel->OutCalls(), 0);
}

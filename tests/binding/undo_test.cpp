// Undo actions and state restorers backed by Lua tables.
#include <gtest/gtest.h>

#include <memory>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zelcore/testing.h"
#include "zellua/undo/LuaUndo.h"

using zellua::undo::LuaAction;
using zellua::undo::LuaStateRestorer;

namespace {

struct UndoState : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    zelcore::testing::ResetAssertions();
  }

  // A registry reference to the table the chunk returns.
  int Reference(const char* chunk) {
    EXPECT_EQ(luaL_dostring(L, chunk), 0);
    return luaL_ref(L, LUA_REGISTRYINDEX);
  }

  // The value of a global expression, as text.
  std::string Eval(const std::string& expression) {
    const std::string chunk = "return tostring(" + expression + ")";
    if (luaL_dostring(L, chunk.c_str()) != 0) return "error";
    std::string value = lua_tostring(L, -1);
    lua_pop(L, 1);
    return value;
  }
};

// Records every call with its self, and can be told to raise.
constexpr const char* kRecorder = R"(
  calls = {}
  recorder = {}
  local function record(name)
    return function(self)
      calls[#calls + 1] = name
      selfSeen = self
      if self.raise then error("raised in " .. name) end
    end
  end
  recorder.handleActionUndo = record("undo")
  recorder.handleActionRedo = record("redo")
  recorder.restoreState = record("restore")
  return recorder)";

}  // namespace

TEST_F(UndoState, ActionCallsTheTableMethodsWithTheTableAsSelf) {
  LuaAction action(true, false, "Move \xc3\xa9", std::to_string(Reference(kRecorder)), L);
  EXPECT_EQ(action.GetActionString(), u"Move \u00e9");
  EXPECT_TRUE(action.ChangesDocument());
  EXPECT_FALSE(action.Mergeable());
  action.Undo();
  action.Redo();
  action.UndoSelf();
  EXPECT_EQ(Eval("table.concat(calls, ',')"), "undo,redo,undo");
  EXPECT_EQ(Eval("selfSeen == recorder"), "true");
}

TEST_F(UndoState, MissingMethodsErrorsAndEmptyReferencesDoNothingAndKeepTheStack) {
  const int withoutMethods = Reference("return {}");
  const int raising = Reference(kRecorder);
  ASSERT_EQ(luaL_dostring(L, "recorder.raise = true"), 0);
  const int notATable = Reference("return 42");
  LuaAction missing(false, false, "m", std::to_string(withoutMethods), L);
  LuaAction failing(false, false, "f", std::to_string(raising), L);
  LuaAction number(false, false, "n", std::to_string(notATable), L);
  LuaAction none(false, false, "none", "", L);

  // A caller in the middle of its work: its values must survive every call.
  lua_pushinteger(L, 1);
  lua_pushstring(L, "two");
  lua_newtable(L);
  for (LuaAction* action : {&missing, &failing, &number, &none}) {
    action->Undo();
    action->Redo();
    ASSERT_EQ(lua_gettop(L), 3);
  }
  EXPECT_EQ(lua_tointeger(L, 1), 1);
  EXPECT_STREQ(lua_tostring(L, 2), "two");
  EXPECT_TRUE(lua_istable(L, 3));
  lua_settop(L, 0);
  EXPECT_EQ(Eval("table.concat(calls, ',')"), "undo,redo") << "the raising table was called, its errors dropped";
  EXPECT_TRUE(zelcore::testing::Assertions().empty());
}

TEST_F(UndoState, RestorerCallsRestoreStateUnlessDisabled) {
  LuaStateRestorer restorer(Reference(kRecorder), L);
  lua_pushstring(L, "caller's");
  restorer.RestoreState();
  EXPECT_EQ(lua_gettop(L), 1);
  restorer.DisableRestorer(true);
  restorer.RestoreState();
  restorer.DisableRestorer(false);
  ASSERT_EQ(luaL_dostring(L, "recorder.raise = true"), 0);
  restorer.RestoreState();
  EXPECT_EQ(lua_gettop(L), 1);
  EXPECT_STREQ(lua_tostring(L, 1), "caller's");
  EXPECT_EQ(Eval("table.concat(calls, ',')"), "restore,restore") << "none while disabled";
  EXPECT_EQ(Eval("selfSeen == recorder"), "true");
}

TEST_F(UndoState, DestructionReleasesTheReference) {
  // A weak table sees whether the tables are still held.
  ASSERT_EQ(luaL_dostring(L, "weak = setmetatable({}, { __mode = 'v' })"), 0);
  const int actionTable = Reference("local t = {} weak.action = t return t");
  const int restorerTable = Reference("local t = {} weak.restorer = t return t");
  {
    LuaAction action(false, false, "a", std::to_string(actionTable), L);
    LuaStateRestorer restorer(restorerTable, L);
    lua_gc(L, LUA_GCCOLLECT, 0);
    EXPECT_EQ(Eval("weak.action ~= nil and weak.restorer ~= nil"), "true");
  }
  lua_gc(L, LUA_GCCOLLECT, 0);
  EXPECT_EQ(Eval("weak.action == nil and weak.restorer == nil"), "true");
}

TEST_F(UndoState, AfterTheStateIsClosedCallsAndDestructionDoNothing) {
  auto action = std::make_unique<LuaAction>(false, false, "a", std::to_string(Reference(kRecorder)), L);
  auto restorer = std::make_unique<LuaStateRestorer>(Reference(kRecorder), L);
  zellua::binding::MarkStateClosed(L);
  lua_close(L);
  L = nullptr;
  action->Undo();
  action->Redo();
  restorer->RestoreState();
  action.reset();
  restorer.reset();
}

TEST_F(UndoState, InitLuaRegistersEmptyLibraries) {
  EXPECT_EQ(LuaAction::InitLua(L), 1);
  EXPECT_EQ(LuaStateRestorer::InitLua(L), 1);
  lua_settop(L, 0);
  EXPECT_EQ(Eval("type(zelUndoAction) == 'table' and next(zelUndoAction) == nil"), "true");
  EXPECT_EQ(Eval("type(zelLuaStateRestorer) == 'table' and next(zelLuaStateRestorer) == nil"), "true");
}

// The binding helpers every module uses: the trampoline, state-aware references, number
// conversions, the module convention and the table field readers.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zelcore/testing.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/zellua.h"

namespace b = zellua::binding;

namespace {

struct LuaState : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
  }
};

int gDestroyed = 0;
// Holds heap memory, so that LeakSanitizer sees a body whose objects were skipped.
struct Guarded {
  std::string text = std::string(64, 'x');
  ~Guarded() { ++gDestroyed; }
};

int Throws(lua_State*) {
  Guarded g;
  throw std::runtime_error("native failure");
}
int ThrowsOther(lua_State*) { throw 42; }
int Returns(lua_State* L) {
  lua_pushinteger(L, 7);
  return 1;
}

}  // namespace

TEST_F(LuaState, TrampolineTurnsExceptionsIntoLuaErrors) {
  lua_register(L, "throws", b::Protected<Throws>);
  lua_register(L, "throwsOther", b::Protected<ThrowsOther>);
  lua_register(L, "returns", b::Protected<Returns>);
  gDestroyed = 0;
  EXPECT_EQ(Run("local ok, e = pcall(throws); assert(not ok and e == 'native failure')"), "ok");
  EXPECT_EQ(gDestroyed, 1) << "the body's objects are destroyed before the Lua error";
  EXPECT_EQ(Run("local ok, e = pcall(throwsOther); assert(e == 'unknown C++ exception')"), "ok");
  EXPECT_EQ(Run("assert(returns() == 7)"), "ok");
}

TEST_F(LuaState, RegisteredFunctionsAndMethodsRunThroughTheTrampoline) {
  static const luaL_Reg kFunctions[] = {{"throws", Throws}, {"returns", Returns}, {nullptr, nullptr}};
  static const luaL_Reg kMethods[] = {{"throws", Throws}, {nullptr, nullptr}};
  b::ModuleSpec spec;
  spec.metaTableName = "zellua.test.Thrower";
  spec.methods[0] = kMethods;
  spec.className = "thrower";
  spec.functions = kFunctions;
  b::OpenModule(L, spec);
  lua_settop(L, 0);
  lua_newuserdata(L, 1);
  luaL_getmetatable(L, "zellua.test.Thrower");
  lua_setmetatable(L, -2);
  lua_setglobal(L, "object");
  gDestroyed = 0;
  EXPECT_EQ(Run(R"(
    local ok, e = pcall(thrower.throws); assert(not ok and e == 'native failure', e)
    ok, e = pcall(object.throws, object); assert(not ok and e == 'native failure', e)
    assert(thrower.returns() == 7)
    assert(package.loaded.thrower == thrower))"),
            "ok");
  EXPECT_EQ(gDestroyed, 2);
}

TEST_F(LuaState, ReferenceCallRunsDropsErrorsAndKeepsTheStack) {
  ASSERT_EQ(Run("function add(a, b) seen = a + b; return a + b end; function fails() error('x') end"), "ok");
  lua_pushinteger(L, 99);  // a caller's frame below the call
  lua_getglobal(L, "add");
  const b::LuaRef add(L, -1);
  lua_getglobal(L, "fails");
  const b::LuaRef fails(L, -1);
  lua_pop(L, 2);
  const auto pushTwoAndThree = [](lua_State* S) {
    lua_pushinteger(S, 2);
    lua_pushinteger(S, 3);
    return 2;
  };
  EXPECT_TRUE(add.Call(pushTwoAndThree));
  EXPECT_EQ(lua_gettop(L), 1) << "no results asked: the stack as it was";
  {
    b::StackGuard guard(L);
    ASSERT_TRUE(add.Call(pushTwoAndThree, 1));
    ASSERT_EQ(lua_gettop(L), 2) << "one result left for the caller";
    EXPECT_EQ(lua_tointeger(L, -1), 5);
  }
  EXPECT_FALSE(fails.Call());
  EXPECT_FALSE(fails.Call(pushTwoAndThree, 2));
  EXPECT_EQ(lua_gettop(L), 1) << "a failed call leaves neither its error nor results";
  EXPECT_FALSE(b::LuaRef().Call()) << "an empty reference calls nothing";
  EXPECT_EQ(lua_tointeger(L, 1), 99);

  b::MarkStateClosed(L);
  lua_close(L);
  L = nullptr;
  bool pushed = false;
  EXPECT_FALSE(add.Call([&](lua_State*) { pushed = true; return 0; }));
  EXPECT_FALSE(pushed) << "nothing runs once the state is closed";
}

// A hook reads its global at each call: defined late, replaced, removed, or behind a globals table
// that raises on unknown names. With kFunctionsOnly anything but a function is skipped.
TEST_F(LuaState, GlobalHookReadsItsGlobalAtEachCall) {
  const b::LuaRef any = b::GlobalHookRef(L, "hook");
  const b::LuaRef functionsOnly = b::GlobalHookRef(L, "hook", b::HookValues::kFunctionsOnly);
  ASSERT_EQ(lua_gettop(L), 0);
  struct Case {
    const char* define;
    const char* any;
    const char* functionsOnly;
  };
  const Case kCases[] = {
      {"hook = nil", "failed", "skipped"},
      {"function hook(x) return x * 2 end", "10", "10"},
      {"hook = setmetatable({}, {__call = function(_, x) return x + 1 end})", "6", "skipped"},
      {"hook = 42", "failed", "skipped"},
      {"function hook() error('fails') end", "failed", "failed"},
      {"hook = nil setmetatable(_G, {__index = function(_, name) error('undeclared ' .. name) end})", "failed",
       "failed"},
  };
  lua_pushinteger(L, 99);  // a caller's frame below the call
  for (const Case& c : kCases) {
    ASSERT_EQ(Run(c.define), "ok") << c.define;
    for (const auto& [hook, expected] : {std::pair{&any, c.any}, std::pair{&functionsOnly, c.functionsOnly}}) {
      const b::StackGuard guard(L);
      const bool ran = hook->Call(
          [](lua_State* S) {
            lua_pushinteger(S, 5);
            return 1;
          },
          1);
      const std::string seen = !ran ? "failed" : lua_isnil(L, -1) ? "skipped" : std::to_string(lua_tointeger(L, -1));
      EXPECT_EQ(seen, expected) << c.define;
    }
    EXPECT_EQ(lua_gettop(L), 1) << c.define;
  }
}

TEST_F(LuaState, ReferenceReleasedAfterTheStateClosedDoesNothing) {
  lua_pushliteral(L, "kept");
  b::LuaRef ref(L, -1);
  lua_pop(L, 1);
  ASSERT_TRUE(ref.Push());
  EXPECT_STREQ(lua_tostring(L, -1), "kept");
  lua_pop(L, 1);

  b::LuaRef moved = std::move(ref);
  EXPECT_FALSE(ref.IsValid());
  EXPECT_TRUE(moved.IsValid());

  const b::StateToken token(L);
  EXPECT_TRUE(token.IsOpen());
  b::MarkStateClosed(L);
  lua_close(L);
  L = nullptr;
  EXPECT_FALSE(token.IsOpen());
  EXPECT_FALSE(moved.IsValid());
  EXPECT_FALSE(moved.Push());
  moved.Release();  // must not touch the closed state (AddressSanitizer would see it)
}

TEST_F(LuaState, ReferenceTakenInACoroutineBelongsToTheMainThread) {
  zellua::InitLua(L);  // as the host does at start-up, on the main thread
  lua_settop(L, 0);
  lua_State* co = lua_newthread(L);
  lua_pushliteral(co, "kept");
  b::LuaRef ref(co, -1);
  const b::StateToken token(co);
  EXPECT_EQ(ref.State(), L);
  EXPECT_EQ(b::MainState(co), L);
  lua_settop(L, 0);
  lua_gc(L, LUA_GCCOLLECT, 0);  // the coroutine goes
  ASSERT_TRUE(ref.Push());       // on the main thread, not the collected coroutine's stack
  EXPECT_STREQ(lua_tostring(L, -1), "kept");
  lua_pop(L, 1);
  b::MarkStateClosed(L);
  lua_close(L);
  L = nullptr;
  EXPECT_FALSE(token.IsOpen());
  EXPECT_FALSE(ref.IsValid()) << "closing the state closes what was taken in its coroutines";
  ref.Release();
}

TEST_F(LuaState, StackGuardRestoresTheTop) {
  lua_pushinteger(L, 1);
  {
    b::StackGuard guard(L);
    lua_pushinteger(L, 2);
    lua_pushinteger(L, 3);
  }
  EXPECT_EQ(lua_gettop(L), 1);
}

TEST(Numbers, ClampInsteadOfCasting) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(b::ClampToInteger<int>(nan), 0);
  EXPECT_EQ(b::ClampToInteger<int>(nan, -1), -1);
  EXPECT_EQ(b::ClampToInteger<int>(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(b::ClampToInteger<int>(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(b::ClampToInteger<unsigned char>(-3), 0);
  EXPECT_EQ(b::ClampToInteger<unsigned char>(300), 255);
  EXPECT_EQ(b::ClampToInteger<int>(-2.7), -2);
  EXPECT_EQ(b::ClampNumber(nan, 0, 1), 0);
  EXPECT_EQ(b::ClampNumber(2, 0, 1), 1);
}

namespace {
int Area(lua_State* L) {
  lua_pushnumber(L, luaL_checknumber(L, 1) * luaL_checknumber(L, 2));
  return 1;
}
int ShapeToString(lua_State* L) { return b::PushTypeAndAddress(L, "Shape", lua_touserdata(L, 1)); }
const luaL_Reg kShapeMethods[] = {{"__tostring", ShapeToString}, {nullptr, nullptr}};
int Base(lua_State* L) {
  lua_pushliteral(L, "base");
  return 1;
}
const luaL_Reg kParentMethods[] = {{"Base", Base}, {nullptr, nullptr}};
const luaL_Reg kShapeFunctions[] = {{"Area", Area}, {nullptr, nullptr}};
const b::IntConstant kShapeConstants[] = {{"kSides", 4}, {"kCorners", 4}, {nullptr, 0}};
}  // namespace

TEST_F(LuaState, ModuleConventionShape) {
  b::ModuleSpec spec;
  spec.metaTableName = "zellua.test.Shape";
  spec.methods[0] = kParentMethods;
  spec.methods[1] = kShapeMethods;
  spec.className = "zellua.test.Shapes";
  spec.functions = kShapeFunctions;
  spec.constants = kShapeConstants;
  ASSERT_EQ(b::OpenModule(L, spec), 1);
  EXPECT_EQ(lua_gettop(L), 1) << "the opener leaves the library table";
  lua_newuserdata(L, 1);
  luaL_getmetatable(L, "zellua.test.Shape");
  lua_setmetatable(L, -2);
  lua_setglobal(L, "shape");
  const char* checks = R"(
    local mt = debug.getregistry()["zellua.test.Shape"]
    assert(getmetatable(shape) == mt, "metatable by name")
    assert(mt.__index == mt, "own __index")
    assert(tostring(shape):match("^Shape%(0x%x+%)$"), tostring(shape))
    assert(shape:Base() == "base", "parent's methods inherited")
    assert(zellua.test.Shapes.Area(2, 3) == 6, "functions in the nested global table")
    assert(zellua.test.Shapes.kSides == 4 and zellua.test.Shapes.kCorners == 4, "constants")
  )";
  EXPECT_EQ(Run(checks), "ok");
}

TEST_F(LuaState, FieldReaders) {
  ASSERT_EQ(Run("t = { n = 42, flag = true, s = 'text', num = 1.5 }"), "ok");
  lua_getglobal(L, "t");
  EXPECT_EQ(zellua::utility::GetIntegerField(L, -1, "n"), 42);
  EXPECT_TRUE(zellua::utility::GetBoolField(L, -1, "flag"));
  EXPECT_FALSE(zellua::utility::GetBoolField(L, -1, "missing"));
  EXPECT_EQ(zellua::utility::GetStringField(L, -1, "s"), "text");
  EXPECT_EQ(zellua::utility::GetStringField(L, -1, "num"), "1.5");
  EXPECT_EQ(zellua::utility::GetStringField(L, -1, "missing"), "");
  EXPECT_EQ(lua_gettop(L), 1);
  const struct {
    const char* value;
    int expected;
  } integers[] = {{"2.7", 2}, {"-2.7", -2}, {"'12'", 12}, {"'x'", 0}, {"3e9", std::numeric_limits<int>::max()},
                  {"-1e300", std::numeric_limits<int>::min()}, {"0/0", 0}, {"1/0", std::numeric_limits<int>::max()}};
  for (const auto& c : integers) {
    ASSERT_EQ(Run(("t.i = " + std::string(c.value)).c_str()), "ok");
    EXPECT_EQ(zellua::utility::GetIntegerField(L, -1, "i"), c.expected) << c.value;
  }
  EXPECT_EQ(lua_gettop(L), 1);
  zelcore::testing::ResetAssertions();
  EXPECT_EQ(zellua::utility::GetIntegerField(L, -1, nullptr), 0);
  EXPECT_EQ(zellua::utility::GetStringField(L, -1, nullptr), "");
  EXPECT_EQ(lua_gettop(L), 1);
  ASSERT_EQ(zelcore::testing::Assertions().size(), 2u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "inFieldName != NULL");
}

namespace {
int FirstSite(bool ok) {
  ZELLUA_ASSERT(ok, -1);
  return 1;
}
int SecondSite() {
  ZELLUA_ASSERT(1 + 1 == 3, -2);
  return 2;
}
}  // namespace

TEST(AssertMacro, EachSiteReportsAndGivesUpUntilTheUserTurnsThatSiteOff) {
  using zelcore::testing::AssertAnswer;
  zelcore::testing::ResetAssertions();
  EXPECT_EQ(FirstSite(true), 1);
  EXPECT_EQ(FirstSite(false), -1);
  zelcore::testing::QueueAssertAnswer(AssertAnswer::kIgnoreSite);
  EXPECT_EQ(FirstSite(false), -1);
  EXPECT_EQ(FirstSite(false), -1) << "a site turned off still gives up, without a dialog";
  zelcore::testing::QueueAssertAnswer(AssertAnswer::kBreak);
  EXPECT_EQ(SecondSite(), -2) << "break without a debugger goes on past the assertion";
  EXPECT_EQ(SecondSite(), -2) << "another site is not turned off by the first";
  const auto& shown = zelcore::testing::Assertions();
  std::vector<std::string> conditions;
  for (const auto& record : shown) conditions.push_back(record.condition);
  EXPECT_EQ(conditions, (std::vector<std::string>{"ok", "ok", "1 + 1 == 3", "1 + 1 == 3"}));
  EXPECT_EQ(shown[0].message, "");
  EXPECT_NE(shown[0].file.find("binding_helpers_test.cpp"), std::string::npos);
  EXPECT_NE(shown[0].function.find("FirstSite"), std::string::npos);
  EXPECT_GT(shown[0].line, 0);
  zelcore::testing::ResetAssertions();
}

TEST(LuaExceptionTest, DefaultMessageIsLocalised) {
  EXPECT_EQ(zellua::utility::LuaException().GetMessage(), "Unknown Lua Exception");
  EXPECT_EQ(zellua::utility::LuaException("boom").GetMessage(), "boom");
}

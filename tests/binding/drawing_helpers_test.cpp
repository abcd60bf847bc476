// The helpers of the drawing bindings: the operation binder, the table readers and the transform
// arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zelcore/testing.h"
#include "zellua/limner/Converters.h"
#include "zellua/numeric/Numeric.h"
#include "zellua/utility/LuaBindery.h"

namespace {

using zellua::utility::LuaBindery;

struct DrawingHelpers : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
  }
};

// bind(self, name, function, ...): the bindery's BindZelOperation as a script calls it.
int Bind(lua_State* L) {
  return static_cast<LuaBindery*>(lua_touserdata(L, lua_upvalueindex(1)))->BindZELOperation(L);
}

void RegisterBind(lua_State* L, LuaBindery& bindery) {
  lua_pushlightuserdata(L, &bindery);
  lua_pushcclosure(L, Bind, 1);
  lua_setglobal(L, "bind");
}

// Whether the bindery pushes the global's value for the name (and leaves nothing else).
bool Bound(lua_State* L, const LuaBindery& bindery, const char* name, const char* global) {
  const int top = lua_gettop(L);
  if (!bindery.pushBoundFxn(name)) return false;
  lua_getglobal(L, global);
  const bool same = lua_rawequal(L, -1, -2) != 0 && lua_gettop(L) == top + 2;
  lua_settop(L, top);
  return same;
}

}  // namespace

TEST_F(DrawingHelpers, BinderFilesOneFunctionANameAndFreesTheOneItReplaces) {
  LuaBindery bindery(L);
  RegisterBind(L, bindery);
  ASSERT_EQ(Run("first = function() end; second = function() end\n"
                "weak = setmetatable({ first }, { __mode = 'v' })\n"
                "assert(bind(nil, 'draw', first) == 'draw')"),
            "ok");
  EXPECT_TRUE(Bound(L, bindery, "draw", "first"));
  // The function is argument 3, whatever follows it.
  ASSERT_EQ(Run("assert(bind(nil, 'draw', second, 'extra', 5) == 'draw')\n"
                "first = nil; collectgarbage('collect'); collectgarbage('collect')\n"
                "assert(weak[1] == nil, 'the first function is free')"),
            "ok");
  EXPECT_TRUE(Bound(L, bindery, "draw", "second"));
}

TEST_F(DrawingHelpers, BinderAnswersFalseForAnUnboundNameAndLeavesTheStack) {
  LuaBindery bindery(L);
  RegisterBind(L, bindery);
  ASSERT_EQ(Run("f = function() end; bind(nil, 'draw', f)"), "ok");
  lua_pushinteger(L, 7);
  EXPECT_FALSE(bindery.pushBoundFxn("Draw"));
  EXPECT_FALSE(bindery.pushBoundFxn("dra"));
  EXPECT_EQ(lua_gettop(L), 1);
  lua_settop(L, 0);
}

TEST_F(DrawingHelpers, BinderArgumentErrorsChangeNothing) {
  LuaBindery bindery(L);
  RegisterBind(L, bindery);
  ASSERT_EQ(Run("f = function() end; bind(nil, 'draw', f)"), "ok");
  for (const char* call : {"bind(nil, {}, function() end)", "bind(nil, 'draw', 'text')", "bind(nil, 'draw')"}) {
    const std::string result = Run(call);
    EXPECT_NE(result.find("bad argument"), std::string::npos) << call << ": " << result;
    EXPECT_TRUE(Bound(L, bindery, "draw", "f")) << call;
  }
}

TEST_F(DrawingHelpers, BinderOutlivingItsStateLetsGoOfNothing) {
  auto* bindery = new LuaBindery(L);
  RegisterBind(L, *bindery);
  ASSERT_EQ(Run("bind(nil, 'draw', function() end)"), "ok");
  zellua::binding::MarkStateClosed(L);
  lua_close(L);
  L = nullptr;
  EXPECT_FALSE(bindery->pushBoundFxn("draw"));
  delete bindery;
}

namespace {

// readRect32(value, ...): whether it was read, then the four fields (-1 where nothing was read).
int ReadRect32(lua_State* L) {
  zelcore::Rect32 rect{-1, -1, -1, -1};
  const bool read = zellua::limner::GetRect32FromLua(L, 1, rect);
  lua_pushboolean(L, read);
  for (int n : {rect.left, rect.top, rect.width, rect.height}) lua_pushinteger(L, n);
  return 5;
}

// readPointBelow(value): reads argument 1 by a negative index, with a number above it.
int ReadPointBelow(lua_State* L) {
  lua_settop(L, 1);
  lua_pushnumber(L, 5);
  zelcore::PointF32 point{-1, -1};
  const bool read = zellua::limner::GetPointF32FromLua(L, -2, point);
  lua_pushboolean(L, read);
  lua_pushnumber(L, point.x);
  lua_pushnumber(L, point.y);
  return 3;
}

}  // namespace

TEST_F(DrawingHelpers, TableReaders) {
  lua_register(L, "readRect32", ReadRect32);
  lua_register(L, "readPointBelow", ReadPointBelow);
  const struct {
    const char* name;
    const char* chunk;
  } kCases[] = {
      {"integer rectangle, converted with clamping",
       "local read, l, t, w, h = readRect32({ left = 1.7, top = -2.5, width = 1e12, height = 0/0 })\n"
       "assert(read and l == 1 and t == -2 and w == 2147483647 and h == 0, table.concat({l, t, w, h}, ','))"},
      {"integer rectangle with a missing field",
       "local ok, e = pcall(readRect32, { left = 1, top = 2, width = 3 })\n"
       "assert(not ok and e:find('number expected, got nil', 1, true), e)"},
      {"nil on top skips the read",
       "local read, l = readRect32({ left = 1, top = 2, width = 3, height = 4 }, nil)\n"
       "assert(read == false and l == -1)"},
      {"a negative index is the table, not what was pushed above it",
       "local read, x, y = readPointBelow({ x = 3, y = 4 })\n"
       "assert(read and x == 3 and y == 4, tostring(x))"},
      {"not a table", "local ok, e = pcall(readPointBelow, 5)\n"
                      "assert(not ok and e:find('table expected, got number', 1, true), e)"},
  };
  for (const auto& c : kCases) EXPECT_EQ(Run(c.chunk), "ok") << c.name;
}

namespace {

using zellua::numeric::Matrix;
using zellua::numeric::Vector;

Matrix Rows(std::initializer_list<double> numbers) {
  Matrix m(4, 4);
  int k = 0;
  for (double n : numbers) m(k / 4, k % 4) = n, ++k;
  return m;
}

}  // namespace

TEST(Transforms, CrossProductOfThreeVectorsOnly) {
  Vector x(3, 0.0), y(3, 0.0);
  x(0) = 1;
  y(1) = 1;
  const Vector z = zellua::numeric::Vector3Cross(x, y);
  EXPECT_EQ(z(0), 0);
  EXPECT_EQ(z(1), 0);
  EXPECT_EQ(z(2), 1);

  zelcore::testing::ResetAssertions();
  const Vector none = zellua::numeric::Vector3Cross(Vector(2, 1.0), y);
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "a.size() == 3");
  EXPECT_EQ(none.size(), 3u);
}

TEST(Transforms, RotationStaysDefinedWhenRoundingTakesTheSinePastOne) {
  // Squaring 1e-160 loses precision in the denormals: the normalised row comes out longer than 1.
  const Matrix m = Rows({0, 0, 1e-160, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1});
  Vector translation, rotation, scale, shear, perspective;
  ASSERT_TRUE(zellua::numeric::DecomposeTransform(m, translation, rotation, scale, shear, perspective));
  EXPECT_DOUBLE_EQ(rotation(1), std::asin(1.0));
  for (double angle : rotation) EXPECT_FALSE(std::isnan(angle));
}

TEST(Transforms, InversionOfSingularAndRegularMatrices) {
  Matrix inverse;
  EXPECT_FALSE(zellua::numeric::InvertMatrix(Rows({1, 2, 3, 4, 2, 4, 6, 8, 0, 0, 1, 0, 0, 0, 0, 1}), inverse));
  const Matrix m = Rows({0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 2, 0, 3, 4, 5, 1});
  ASSERT_TRUE(zellua::numeric::InvertMatrix(m, inverse));
  const Matrix product = boost::numeric::ublas::prod(m, inverse);
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c) EXPECT_NEAR(product(r, c), r == c ? 1.0 : 0.0, 1e-12) << r << "," << c;
}

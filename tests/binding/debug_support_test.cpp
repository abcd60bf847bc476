// "debugSupport".captureCode with a capture hook in the kernel: the hook gets the name with its
// byte length and the code; without a hook nothing is read (the Lua test covers that side).
#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "kqkernel/testing.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/zellua.h"

namespace {

struct Capture {
  std::string name, code;
};
std::vector<Capture> gCaptured;

void Hook(lua_State*, const char* name, size_t nameLength, const char* code) {
  gCaptured.push_back({std::string(name, nameLength), code});
}

struct DebugSupportFixture : LuaStateFixture {
  void SetUp() override {
    gCaptured.clear();
    kqkernel::testing::SetCaptureCodeHook(Hook);
    L = KqLuaState_open(KqLuaUniverse_createMainUniverse(0));
    luaL_openlibs(L);
    EXPECT_EQ(zellua::DebugSupport::InitLua(L), 1);
    lua_settop(L, 0);
  }
  void TearDown() override {
    kqkernel::testing::SetCaptureCodeHook(nullptr);
    LuaStateFixture::TearDown();
  }
};

}  // namespace

TEST_F(DebugSupportFixture, TheHookGetsTheNameWithItsLengthAndTheCode) {
  EXPECT_EQ(Run("assert(select('#', debugSupport.captureCode('mod\\0ule', 'return 1')) == 0)"), "ok");
  EXPECT_EQ(Run("debugSupport.captureCode('n', 42)"), "ok");
  ASSERT_EQ(gCaptured.size(), 2u);
  EXPECT_EQ(gCaptured[0].name, std::string("mod\0ule", 7));
  EXPECT_EQ(gCaptured[0].code, "return 1");
  EXPECT_EQ(gCaptured[1].code, "42");
}

TEST_F(DebugSupportFixture, WithAHookBothArgumentsMustBeStrings) {
  const std::string first = Run("debugSupport.captureCode({}, 'code')");
  EXPECT_NE(first.find("bad argument #1"), std::string::npos) << first;
  const std::string second = Run("debugSupport.captureCode('name')");
  EXPECT_NE(second.find("bad argument #2"), std::string::npos) << second;
  EXPECT_TRUE(gCaptured.empty());
}

// "zelUIResources" outside the program: no application object means no application resources,
// and resources pushed from native code over a manager and cache of the caller's own.
#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaUIResources.h"
#include "zelui/limner/Limner.h"
#include "zelui/testing.h"

namespace {

struct UIResources : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    zellua::ui::luaopen_zelluaResources(L);
    lua_pop(L, 1);
  }
};

TEST_F(UIResources, NoApplicationObjectGivesNoApplicationResources) {
  EXPECT_EQ(Run("assert(select('#', zelUIResources.getResources('app_resources')) == 0)"), "ok");
  EXPECT_EQ(Run("assert(type(zelUIResources.getResources('arx_resources')) == 'userdata')"), "ok");
}

TEST_F(UIResources, PushedResourcesReadTheCallersManagerThroughItsCache) {
  zelui::resources::ResourceManager manager;
  zelui::resources::LimnerImageResourceCache cache;
  const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x05\0\0\0\x03\x08\x06\0\0\0\0\0\0\0", 33);
  zelui::testing::SetResource(manager, u"Mine", u"png", png);
  limner::SupplierInterface supplier;
  zellua::ui::PushResourcesToLua(L, &manager, &cache, zelcore::Dir());
  lua_setglobal(L, "mine");
  zellua::limner::PushSupplierToLua(L, &supplier);
  lua_setglobal(L, "supplier");
  EXPECT_EQ(Run("assert(mine:getImage(supplier, 'Mine'):GetWidth() == 5)"), "ok");
  EXPECT_EQ(Run("assert(mine:getImage(supplier, 'Other'):GetWidth() == nil)"), "ok");
  zelui::testing::SetMissingImagesThrow(cache, true);
  EXPECT_NE(Run("mine:getImage(supplier, 'Other')").find("image 'Other' not found"), std::string::npos);
  // The userdata borrows both: collecting it leaves them to their owner.
  EXPECT_EQ(Run("mine = nil collectgarbage('collect')"), "ok");
  EXPECT_EQ(cache.GetImage(manager, &supplier, u"Mine", 1)->Width(), 5.0f);
}

}  // namespace

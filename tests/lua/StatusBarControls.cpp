// Test controls for the status bar: the size of the first status item's image.
#include "TestControls.h"
#include "os/StatusBar.h"

namespace {

// statusItemImageSize() -> width, height; nothing when there is no item or it has no image.
int statusItemImageSize(lua_State* L) {
  const auto& items = os::StatusBar::SystemStatusBar().Items();
  if (items.empty() || !items.front()->GetImage()) return 0;
  lua_pushnumber(L, items.front()->GetImage()->Width());
  lua_pushnumber(L, items.front()->GetImage()->Height());
  return 2;
}

const luaL_Reg kFunctions[] = {{"statusItemImageSize", statusItemImageSize}, {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

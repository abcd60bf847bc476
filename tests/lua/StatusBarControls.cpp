// Test controls for the status bar and its tray menu: the first status item's image, a click on
// it, the menus it popped up, tabs of the workspace, and the main run loop's clock.
#include "TestControls.h"
#include "arx/app/App.h"
#include "os/RunLoop.h"
#include "os/StatusBar.h"
#include "os/testing.h"
#include "zelworkspace/Workspace.h"

namespace {

// statusItemImageSize() -> width, height; nothing when there is no item or it has no image.
int statusItemImageSize(lua_State* L) {
  const auto& items = os::StatusBar::SystemStatusBar().Items();
  if (items.empty() || !items.front()->GetImage()) return 0;
  lua_pushnumber(L, items.front()->GetImage()->Width());
  lua_pushnumber(L, items.front()->GetImage()->Height());
  return 2;
}

// clickStatusItem() -> whether there was a status item to click.
int clickStatusItem(lua_State* L) {
  const auto& items = os::StatusBar::SystemStatusBar().Items();
  if (!items.empty()) items.front()->PerformClick();
  lua_pushboolean(L, !items.empty());
  return 1;
}

// poppedUpMenuCount() -> how many menus status items popped up so far.
int poppedUpMenuCount(lua_State* L) {
  lua_pushinteger(L, static_cast<lua_Integer>(os::testing::PoppedUpMenus().size()));
  return 1;
}

// toggleTab(tabType) -> whether the workspace showed or closed a tab of that type.
int toggleTab(lua_State* L) {
  const std::string type = luaL_checkstring(L, 1);
  auto* app = arx::app::App::GetApp();
  lua_pushboolean(L, app != nullptr && zelworkspace::WorkspaceUtils::ToggleTabState(app->GetWorkspace(), type, false));
  return 1;
}

// runLoopNow() -> the main run loop's clock, in seconds.
int runLoopNow(lua_State* L) {
  lua_pushnumber(L, os::RunLoop::Main().Now());
  return 1;
}

const luaL_Reg kFunctions[] = {{"statusItemImageSize", statusItemImageSize},
                               {"clickStatusItem", clickStatusItem},
                               {"poppedUpMenuCount", poppedUpMenuCount},
                               {"toggleTab", toggleTab},
                               {"runLoopNow", runLoopNow},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

// Test controls for web views: the engine run until idle (as the run loop's pump would run it),
// and what the host did to a web view's browser.
#include <string>
#include <vector>

#include "TestControls.h"
#include "engine/testing.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelwebview/ZELCefClientHandler.h"
#include "zelwebview/ZELWebView.h"

namespace {

template <typename T, typename Push>
void PushList(lua_State* L, const std::vector<T>& items, Push push) {
  lua_createtable(L, static_cast<int>(items.size()), 0);
  for (size_t i = 0; i < items.size(); ++i) {
    push(items[i]);
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
}

// runEngine() → how many engine tasks ran until none was left; a Lua error when they left the
// Lua stack changed.
int runEngine(lua_State* L) {
  const int top = lua_gettop(L);
  const int tasks = engine::testing::RunUntilIdle();
  if (lua_gettop(L) != top) return luaL_error(L, "the stack changed by %d", lua_gettop(L) - top);
  lua_pushinteger(L, tasks);
  return 1;
}

// browserRecord(view) → nil before the web view has a browser; else { editCommands = {...},
// focusCalls = {...}, zoomLevels = {...}, devToolsOpens = n }.
int browserRecord(lua_State* L) {
  auto* view = dynamic_cast<zelwebview::ZELWebView*>(zellua::ui::GetControlNode(L, 1));
  if (view == nullptr) return luaL_error(L, "no web view");
  const CefRefPtr<CefBrowser> browser = view->GetHandler() != nullptr ? view->GetHandler()->GetBrowser() : nullptr;
  if (!browser) return 0;
  const engine::testing::BrowserRecord record = engine::testing::Record(browser);
  lua_createtable(L, 0, 4);
  PushList(L, record.editCommands, [L](const std::string& command) { lua_pushstring(L, command.c_str()); });
  lua_setfield(L, -2, "editCommands");
  PushList(L, record.focusCalls, [L](bool focus) { lua_pushboolean(L, focus); });
  lua_setfield(L, -2, "focusCalls");
  PushList(L, record.zoomLevels, [L](double level) { lua_pushnumber(L, level); });
  lua_setfield(L, -2, "zoomLevels");
  lua_pushinteger(L, record.devToolsOpens);
  lua_setfield(L, -2, "devToolsOpens");
  return 1;
}

const luaL_Reg kFunctions[] = {{"runEngine", runEngine}, {"browserRecord", browserRecord}, {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

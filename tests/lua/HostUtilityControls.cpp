// Test controls for the host's utility modules: alert answers and the alerts shown, reachability,
// the machine name, the bundle's information, the documents folder, the file browser, and the
// application's localiser.
#include "App.h"
#include "Localizer.h"
#include "TestControls.h"
#include "arx/testing.h"
#include "os/testing.h"
#include "zelcore/testing.h"
#include "zelui/testing.h"
#include "zelworkspace/Workspace.h"

namespace {

void SetStringField(lua_State* L, const char* name, const std::string& value) {
  lua_pushlstring(L, value.data(), value.size());
  lua_setfield(L, -2, name);
}

// queueAlertAnswer(n): the next alert answers n.
int queueAlertAnswer(lua_State* L) {
  arx::testing::QueueAlertAnswer(static_cast<int>(luaL_checkinteger(L, 1)));
  return 0;
}

// shownAlerts() → { { type, icon, message, detail, overWorkspace }, ... }
int shownAlerts(lua_State* L) {
  const auto& alerts = arx::testing::ShownAlerts();
  auto* app = arx::app::App::GetApp();
  lua_createtable(L, static_cast<int>(alerts.size()), 0);
  int index = 0;
  for (const auto& alert : alerts) {
    lua_createtable(L, 0, 5);
    lua_pushinteger(L, alert.type);
    lua_setfield(L, -2, "type");
    lua_pushinteger(L, alert.icon);
    lua_setfield(L, -2, "icon");
    SetStringField(L, "message", alert.message);
    SetStringField(L, "detail", alert.detail);
    const zelworkspace::Workspace* workspace = app != nullptr ? app->GetWorkspace() : nullptr;
    lua_pushboolean(L, workspace != nullptr && alert.parent != nullptr &&
                           alert.parent == workspace->GetMainTopLevelWindow());
    lua_setfield(L, -2, "overWorkspace");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

// setReachabilityFlags(flags): what every reachability reference reads; nil: unreadable.
int setReachabilityFlags(lua_State* L) {
  if (lua_isnoneornil(L, 1))
    os::testing::SetReachabilityFlags(std::nullopt);
  else
    os::testing::SetReachabilityFlags(static_cast<os::SCNetworkReachabilityFlags>(luaL_checkinteger(L, 1)));
  return 0;
}

int refuseReachabilityReferences(lua_State* L) {
  os::testing::RefuseReachabilityReferences(lua_toboolean(L, 1) != 0);
  return 0;
}

// reachability() → the host of the last reference and how many references are alive.
int reachability(lua_State* L) {
  lua_pushstring(L, os::testing::LastReachabilityHost().c_str());
  lua_pushinteger(L, os::testing::LiveReachabilityReferences());
  return 2;
}

int setMachineName(lua_State* L) {
  os::testing::SetMachineName(zelcore::UTF8to16(luaL_checkstring(L, 1)));
  return 0;
}

// setBundleInfo(key, value): value nil removes the key.
int setBundleInfo(lua_State* L) {
  const char* key = luaL_checkstring(L, 1);
  if (lua_isnoneornil(L, 2))
    os::testing::RemoveMainBundleInfoValue(key);
  else
    os::testing::SetMainBundleInfoValue(key, luaL_checkstring(L, 2));
  return 0;
}

// setDocumentsDir(path): "" leaves the documents folder unset.
int setDocumentsDir(lua_State* L) {
  zelcore::testing::SetDocumentsDir(luaL_checkstring(L, 1));
  return 0;
}

// revealedFiles() → { { path, selected }, ... }
int revealedFiles(lua_State* L) {
  const auto& files = zelui::testing::RevealedFiles();
  lua_createtable(L, static_cast<int>(files.size()), 0);
  int index = 0;
  for (const auto& file : files) {
    lua_createtable(L, 0, 2);
    SetStringField(L, "path", file.path);
    lua_pushboolean(L, file.selected);
    lua_setfield(L, -2, "selected");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

// loadDictionary(path) → whether the application's localiser loaded that dictionary file.
int loadDictionary(lua_State* L) {
  const char* path = luaL_checkstring(L, 1);
  auto* app = fennick::App::GetFennickApp();
  lua_pushboolean(L, app != nullptr && app->GetLocalizer() != nullptr &&
                         app->GetLocalizer()->LoadDictionary(zelcore::UTF8to16(path)));
  return 1;
}

const luaL_Reg kFunctions[] = {{"queueAlertAnswer", queueAlertAnswer},
                               {"shownAlerts", shownAlerts},
                               {"setReachabilityFlags", setReachabilityFlags},
                               {"refuseReachabilityReferences", refuseReachabilityReferences},
                               {"reachability", reachability},
                               {"setMachineName", setMachineName},
                               {"setBundleInfo", setBundleInfo},
                               {"setDocumentsDir", setDocumentsDir},
                               {"revealedFiles", revealedFiles},
                               {"loadDictionary", loadDictionary},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

// Test controls for the dialog stand-ins: what the user chooses in the next file dialogs, and
// what each file dialog showed; the layout dialogs' library opened, the actions of their next
// runs, what each run showed, and the alert silence switch.
#include <string>
#include <vector>

#include "TestControls.h"
#include "arx/app/App.h"
#include "zelui/testing.h"
#include "zellua/ui/dialogs/LuaTovaDialog.h"
#include "zellua/uisupport/AlertSilence.h"
#include "zelpelltova/testing.h"
#include "zelworkspace/Workspace.h"

namespace {

namespace zd = zelui::dialogs;
namespace zt = zelui::testing;

void PushUTF8(lua_State* L, const zelcore::UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

void PushStrings(lua_State* L, const std::vector<std::string>& strings) {
  lua_createtable(L, static_cast<int>(strings.size()), 0);
  for (std::size_t i = 0; i < strings.size(); ++i) {
    lua_pushlstring(L, strings[i].data(), strings[i].size());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
}

const char* KindName(zd::FileDialogKind kind) {
  switch (kind) {
    case zd::FileDialogKind::kOpen:
      return "open";
    case zd::FileDialogKind::kSaveAs:
      return "saveAs";
    case zd::FileDialogKind::kChooseFolder:
      return "folder";
  }
  return "?";
}

// queueFileDialog(result, { path, ... }): how the user ends the next file dialog; the paths may be
// left out.
int queueFileDialog(lua_State* L) {
  zt::FileDialogAnswer answer;
  answer.result = static_cast<int>(luaL_checkinteger(L, 1));
  if (lua_istable(L, 2)) {
    for (int i = 1;; ++i) {
      lua_rawgeti(L, 2, i);
      const char* path = lua_tostring(L, -1);
      if (path == nullptr) {
        lua_pop(L, 1);
        break;
      }
      answer.paths.emplace_back(path);
      lua_pop(L, 1);
    }
  }
  zt::QueueFileDialogAnswer(answer);
  return 0;
}

// The file dialogs run so far: { kind = "open" | "saveAs" | "folder", title, startFolder,
// filters = { { description, extension }, ... }, defaultFilter, flags, proposedName,
// overMainWindow (shown over the workspace's main window), result, chosen = { path, ... } } each.
int fileDialogRuns(lua_State* L) {
  const zelui::ui::OS_Window* mainWindow = nullptr;
  if (auto* app = arx::app::App::GetApp(); app && app->GetWorkspace())
    mainWindow = app->GetWorkspace()->GetMainTopLevelWindow();
  const auto& runs = zt::FileDialogRuns();
  lua_createtable(L, static_cast<int>(runs.size()), 0);
  int index = 0;
  for (const zt::FileDialogRun& run : runs) {
    lua_createtable(L, 0, 10);
    lua_pushstring(L, KindName(run.kind));
    lua_setfield(L, -2, "kind");
    PushUTF8(L, run.title);
    lua_setfield(L, -2, "title");
    PushUTF8(L, run.startFolder);
    lua_setfield(L, -2, "startFolder");
    lua_createtable(L, static_cast<int>(run.filters.size()), 0);
    for (std::size_t i = 0; i < run.filters.size(); ++i) {
      lua_createtable(L, 0, 2);
      PushUTF8(L, run.filters[i].description);
      lua_setfield(L, -2, "description");
      PushUTF8(L, run.filters[i].extension);
      lua_setfield(L, -2, "extension");
      lua_rawseti(L, -2, static_cast<int>(i + 1));
    }
    lua_setfield(L, -2, "filters");
    lua_pushinteger(L, run.defaultFilter);
    lua_setfield(L, -2, "defaultFilter");
    lua_pushinteger(L, run.flags);
    lua_setfield(L, -2, "flags");
    PushUTF8(L, run.proposedName);
    lua_setfield(L, -2, "proposedName");
    lua_pushboolean(L, run.parent != nullptr && run.parent == mainWindow);
    lua_setfield(L, -2, "overMainWindow");
    lua_pushinteger(L, run.result);
    lua_setfield(L, -2, "result");
    PushStrings(L, run.chosen);
    lua_setfield(L, -2, "chosen");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int resetFileDialogs(lua_State*) {
  zt::ResetFileDialogs();
  return 0;
}

// openTovaDialog() -> what the layout dialogs' opener returns (the "zelcontrols" library)
int openTovaDialog(lua_State* L) { return zel::lua::tova::LuaTovaDialog::InitLua(L); }

// queueTovaActions({ action, ... }): the actions the user takes in the next layout dialog run.
int queueTovaActions(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  std::vector<zelpelltova::testing::TovaAction> actions;
  for (int i = 1;; ++i) {
    lua_rawgeti(L, 1, i);
    const char* action = lua_tostring(L, -1);
    lua_pop(L, 1);
    if (action == nullptr) break;
    actions.push_back({action, {}});
  }
  zelpelltova::testing::QueueTovaActions(std::move(actions));
  return 0;
}

// tovaRuns() -> { { title, controls = "kind:name ...", actions = { action, ... }, response,
// closedWhenDry, evaluations }, ... }
int tovaRuns(lua_State* L) {
  const auto& runs = zelpelltova::testing::TovaRuns();
  lua_createtable(L, static_cast<int>(runs.size()), 0);
  int index = 0;
  for (const zelpelltova::testing::TovaRun& run : runs) {
    lua_createtable(L, 0, 6);
    PushUTF8(L, run.title);
    lua_setfield(L, -2, "title");
    std::string controls;
    for (const auto& control : run.controls) controls += (controls.empty() ? "" : " ") + control.kind + ":" + control.name;
    lua_pushstring(L, controls.c_str());
    lua_setfield(L, -2, "controls");
    PushStrings(L, run.actionsDelivered);
    lua_setfield(L, -2, "actions");
    lua_pushinteger(L, run.response);
    lua_setfield(L, -2, "response");
    lua_pushboolean(L, run.closedWhenDry);
    lua_setfield(L, -2, "closedWhenDry");
    lua_pushinteger(L, run.evaluations);
    lua_setfield(L, -2, "evaluations");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int resetTova(lua_State*) {
  zelpelltova::testing::ResetTova();
  return 0;
}

int liveLayoutRoots(lua_State* L) {
  lua_pushinteger(L, zelpelltova::testing::LiveLayoutRoots());
  return 1;
}

// setAlertsSilent(flag) -> the switch's value before
int setAlertsSilent(lua_State* L) {
  const bool before = zellua::uisupport::GetAlertsAreSilent();
  zellua::uisupport::SetAlertsAreSilent(lua_toboolean(L, 1) != 0);
  lua_pushboolean(L, before);
  return 1;
}

const luaL_Reg kFunctions[] = {{"queueFileDialog", queueFileDialog},
                               {"openTovaDialog", openTovaDialog},
                               {"queueTovaActions", queueTovaActions},
                               {"tovaRuns", tovaRuns},
                               {"resetTova", resetTova},
                               {"liveLayoutRoots", liveLayoutRoots},
                               {"setAlertsSilent", setAlertsSilent},
                               {"fileDialogRuns", fileDialogRuns},
                               {"resetFileDialogs", resetFileDialogs},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

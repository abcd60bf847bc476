// Test controls for the dialog stand-ins: what the user chooses in the next file dialogs, and
// what each file dialog showed.
#include <string>
#include <vector>

#include "TestControls.h"
#include "arx/app/App.h"
#include "zelui/testing.h"
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

const luaL_Reg kFunctions[] = {{"queueFileDialog", queueFileDialog},
                               {"fileDialogRuns", fileDialogRuns},
                               {"resetFileDialogs", resetFileDialogs},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

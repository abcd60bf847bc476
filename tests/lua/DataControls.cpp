// Test controls for the data modules' stand-ins: the clipboard, lent drop data, drags, screens,
// opened URLs, file times, the user's folders and the objects alive.
#include <utime.h>

#include <string>
#include <vector>

#include "TestControls.h"
#include "os/testing.h"
#include "zelcore/testing.h"
#include "zelui/testing.h"
#include "zellua/datatransfer/ReceiveData.h"

namespace {

namespace dt = zelui::datatransfer;

std::string String(lua_State* L, int index) {
  std::size_t length = 0;
  const char* text = lua_tolstring(L, index, &length);
  return text ? std::string(text, length) : std::string();
}

void PushUTF8(lua_State* L, const zelcore::UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

// The strings of the array in field name of the table at index.
std::vector<std::string> Strings(lua_State* L, int index, const char* name) {
  std::vector<std::string> strings;
  lua_getfield(L, index, name);
  if (lua_istable(L, -1)) {
    for (int i = 1;; ++i) {
      lua_rawgeti(L, -1, i);
      if (lua_isnil(L, -1)) {
        lua_pop(L, 1);
        break;
      }
      strings.push_back(String(L, -1));
      lua_pop(L, 1);
    }
  }
  lua_pop(L, 1);
  return strings;
}

// A data set from a table { text = "...", strings = { [type] = value }, files = {...},
// folders = {...} }.
dt::DataSet ReadDataSet(lua_State* L, int index) {
  dt::DataSet data;
  lua_getfield(L, index, "text");
  if (lua_isstring(L, -1)) data.values[dt::kUnicodeTextDataType] = zelcore::UTF8to16(String(L, -1));
  lua_pop(L, 1);
  lua_getfield(L, index, "strings");
  if (lua_istable(L, -1)) {
    lua_pushnil(L);
    while (lua_next(L, -2) != 0) {
      if (lua_type(L, -2) == LUA_TSTRING) data.values[zelcore::UTF8to16(String(L, -2))] = zelcore::UTF8to16(String(L, -1));
      lua_pop(L, 1);
    }
  }
  lua_pop(L, 1);
  for (const std::string& path : Strings(L, index, "files")) data.files.emplace_back(path);
  for (const std::string& path : Strings(L, index, "folders")) data.folders.emplace_back(path);
  return data;
}

// Pushes { text = ..., strings = { [type] = value }, files = {...}, folders = {...} }; text is the
// Unicode-text value (nil when there is none), strings every value.
void PushDataSet(lua_State* L, const dt::DataSet& data) {
  lua_createtable(L, 0, 4);
  const auto text = data.values.find(dt::kUnicodeTextDataType);
  if (text != data.values.end()) {
    PushUTF8(L, text->second);
    lua_setfield(L, -2, "text");
  }
  lua_newtable(L);
  for (const auto& [type, value] : data.values) {
    PushUTF8(L, value);
    const std::string key = zelcore::UTF16to8(type);
    lua_setfield(L, -2, key.c_str());
  }
  lua_setfield(L, -2, "strings");
  lua_newtable(L);
  for (std::size_t i = 0; i < data.files.size(); ++i) {
    PushUTF8(L, data.files[i].FullPath());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  lua_setfield(L, -2, "files");
  lua_newtable(L);
  for (std::size_t i = 0; i < data.folders.size(); ++i) {
    PushUTF8(L, data.folders[i].FullPath());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  lua_setfield(L, -2, "folders");
}

int setClipboard(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  zelui::testing::SetClipboard(ReadDataSet(L, 1));
  return 0;
}

int clipboard(lua_State* L) {
  PushDataSet(L, zelui::testing::Clipboard());
  return 1;
}

// lendReceiveData(data, fn): lends drop data made from the table to fn for one call, the way the
// tree and the trackers lend what they receive, and forces a collection before the data is taken
// back and another after. Returns whether fn ran without error, its error text, and whether the
// data was still the lender's afterwards (Lua deleted nothing).
int lendReceiveData(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  auto* data = new dt::OS_DropReceiveData(ReadDataSet(L, 1));
  const int alive = zelui::testing::LiveReceiveData();
  bool ran = false;
  std::string error;
  {
    zellua::datatransfer::ReceiveDataLoan loan(L, *data);
    lua_pushvalue(L, 2);
    lua_insert(L, -2);
    ran = lua_pcall(L, 1, 0, 0) == 0;
    if (!ran) {
      error = String(L, -1);
      lua_pop(L, 1);
    }
    lua_gc(L, LUA_GCCOLLECT, 0);
  }
  lua_gc(L, LUA_GCCOLLECT, 0);
  const bool kept = zelui::testing::LiveReceiveData() == alive;
  if (kept) delete data;
  lua_pushboolean(L, ran);
  lua_pushlstring(L, error.data(), error.size());
  lua_pushboolean(L, kept);
  return 3;
}

int queueDropEffect(lua_State* L) {
  zelui::testing::QueueDropEffect(static_cast<int>(luaL_checkinteger(L, 1)));
  return 0;
}

// The drags run so far: { allowed = n, result = n, data = <data set> } each.
int drags(lua_State* L) {
  const auto& drags = zelui::testing::Drags();
  lua_createtable(L, static_cast<int>(drags.size()), 0);
  int index = 0;
  for (const auto& drag : drags) {
    lua_createtable(L, 0, 3);
    lua_pushinteger(L, drag.allowedEffects);
    lua_setfield(L, -2, "allowed");
    lua_pushinteger(L, drag.result);
    lua_setfield(L, -2, "result");
    PushDataSet(L, drag.data);
    lua_setfield(L, -2, "data");
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int customDataTypes(lua_State* L) {
  const auto& types = zelui::testing::CustomDataTypes();
  lua_createtable(L, static_cast<int>(types.size()), 0);
  for (std::size_t i = 0; i < types.size(); ++i) {
    PushUTF8(L, types[i]);
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

int defaultCursorSupport(lua_State* L) {
  lua_pushboolean(L, zelui::testing::DefaultCursorSupport());
  return 1;
}

int resetDataTransfer(lua_State*) {
  zelui::testing::ResetDataTransfer();
  return 0;
}

int registeredThemes(lua_State* L) {
  const auto names = zelui::testing::RegisteredThemeNames();
  lua_createtable(L, static_cast<int>(names.size()), 0);
  for (std::size_t i = 0; i < names.size(); ++i) {
    PushUTF8(L, names[i]);
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

// The framework objects alive: { receiveData, sendData, themes, monitorInfos, platformObjects }.
int liveCounts(lua_State* L) {
  lua_createtable(L, 0, 5);
  const std::pair<const char*, int> counts[] = {{"receiveData", zelui::testing::LiveReceiveData()},
                                                {"sendData", zelui::testing::LiveSendData()},
                                                {"themes", zelui::testing::LiveThemes()},
                                                {"monitorInfos", zelui::testing::LiveMonitorInfos()},
                                                {"platformObjects", os::testing::LiveCFObjects()}};
  for (const auto& [name, count] : counts) {
    lua_pushinteger(L, count);
    lua_setfield(L, -2, name);
  }
  return 1;
}

os::ScreenRect ReadScreenRect(lua_State* L, int index) {
  os::ScreenRect rect;
  double* fields[] = {&rect.left, &rect.top, &rect.width, &rect.height};
  for (int i = 0; i < 4; ++i) {
    lua_rawgeti(L, index, i + 1);
    *fields[i] = lua_tonumber(L, -1);
    lua_pop(L, 1);
  }
  return rect;
}

// setScreens{ { left, top, width, height, visible = { left, top, width, height } }, ... }: the
// visible frame is the whole frame unless given. An empty list restores the default screen.
int setScreens(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  std::vector<os::Screen> screens;
  for (int i = 1; lua_rawgeti(L, 1, i), lua_istable(L, -1); ++i) {
    os::Screen screen;
    screen.frame = ReadScreenRect(L, lua_gettop(L));
    lua_getfield(L, -1, "visible");
    screen.visibleFrame = lua_istable(L, -1) ? ReadScreenRect(L, lua_gettop(L)) : screen.frame;
    lua_pop(L, 2);
    screens.push_back(screen);
  }
  lua_pop(L, 1);
  os::testing::SetScreens(screens);
  return 0;
}

int openedURLs(lua_State* L) {
  const auto& urls = os::testing::OpenedURLs();
  lua_createtable(L, static_cast<int>(urls.size()), 0);
  for (std::size_t i = 0; i < urls.size(); ++i) {
    lua_pushlstring(L, urls[i].data(), urls[i].size());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

// setFileTime(path, seconds since 1970): sets the access and modification times; false when it
// cannot.
int setFileTime(lua_State* L) {
  const char* path = luaL_checkstring(L, 1);
  const lua_Number seconds = luaL_checknumber(L, 2);
  struct utimbuf times;
  times.actime = times.modtime = static_cast<time_t>(seconds);
  lua_pushboolean(L, ::utime(path, &times) == 0);
  return 1;
}

// setUserDirs{ home = ..., desktop = ..., documents = ... }: the folders given replace the user's.
int setUserDirs(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  const std::pair<const char*, void (*)(const std::filesystem::path&)> setters[] = {
      {"home", zelcore::testing::SetHomeDir},
      {"desktop", zelcore::testing::SetDesktopDir},
      {"documents", zelcore::testing::SetDocumentsDir}};
  for (const auto& [name, set] : setters) {
    lua_getfield(L, 1, name);
    if (lua_isstring(L, -1)) set(String(L, -1));
    lua_pop(L, 1);
  }
  return 0;
}

const luaL_Reg kFunctions[] = {{"setClipboard", setClipboard},
                               {"clipboard", clipboard},
                               {"lendReceiveData", lendReceiveData},
                               {"queueDropEffect", queueDropEffect},
                               {"drags", drags},
                               {"customDataTypes", customDataTypes},
                               {"defaultCursorSupport", defaultCursorSupport},
                               {"resetDataTransfer", resetDataTransfer},
                               {"registeredThemes", registeredThemes},
                               {"liveCounts", liveCounts},
                               {"setScreens", setScreens},
                               {"openedURLs", openedURLs},
                               {"setFileTime", setFileTime},
                               {"setUserDirs", setUserDirs},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

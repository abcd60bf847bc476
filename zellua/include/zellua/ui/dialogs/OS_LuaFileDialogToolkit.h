#pragma once
// "zelOSFileDialogToolkit": the platform's modal open, save-as and choose-folder dialogs for
// scripts, and the folders they remember, one per key, in the application settings' group
// "RecentDirs".
#include <string>

extern "C" {
#include <lua.h>
}

#include "zelcore/Strings.h"

namespace zel::lua::ui::dialogs {

class OS_LuaFileDialogToolkit {
 public:
  // The settings group of the remembered folders: "RecentDirs".
  static const std::string sCurrDirSettingsKey;

  // Registers the global library "zelOSFileDialogToolkit" and returns 1.
  static int InitLua(lua_State* L);

  // The library's functions. Each dialog takes an options table (the topmost argument) and gives
  // true and what was chosen, or false alone.
  static int doOpenFileDialog(lua_State* L);
  static int doSaveAsFileDialog(lua_State* L);
  static int doChooseFolderDialog(lua_State* L);
  // The folder remembered under "OpenDocPath", else the user's documents folder.
  static int GetDefaultPath(lua_State* L);

  // The body of the three dialogs: kind 0 open, 1 save-as, 2 choose folder.
  static int doFileModelFileDialog(lua_State* L, int kind);

  // The folder remembered under the key; empty when none is (or there are no settings).
  static zelcore::UTF16String GetDirectoryPath(const std::string& key);
  // Remembers the folder under the key, making the group when it is missing.
  static void SaveDirectoryPath(const std::string& key, const zelcore::UTF16String& directory);
};

}  // namespace zel::lua::ui::dialogs

extern "C" int luaopen_zellua_zelOSFileDialogToolkit(lua_State* L);

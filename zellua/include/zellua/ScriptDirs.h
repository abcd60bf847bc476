#pragma once
// The folders the host sets Lua up from: the application's Lua scripts, the scripts that come
// with the binding library, and the project's base folder.
#include <string>

#include "zelcore/Files.h"

namespace zel::lua::utility {

// base/"scripts"/"lua" when the base exists, else an unset Dir.
zelcore::Dir GetLuaScriptsDir(const zelcore::Dir& base);
// The application scripts folder (Resources/scripts/lua unless overridden) joined with name.
zelcore::Dir GetLuaScriptsDir(const std::string& name);
// The binding library's scripts folder joined with name, or an unset Dir when it does not exist.
zelcore::Dir GetCommonLuaScriptsDir(const std::string& name);
zelcore::Dir GetProjectBaseDir();
void SetLuaScriptsDirOverride(const zelcore::Dir& dir);

}  // namespace zel::lua::utility

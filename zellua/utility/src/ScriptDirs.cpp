#include "zellua/ScriptDirs.h"

#include <filesystem>
#include <system_error>

#include "zelcore/Module.h"

namespace zel::lua::utility {

namespace {

const zelcore::UTF16String sScriptsDirName = u"scripts";
const zelcore::UTF16String sScriptsLuaDirName = u"lua";
const zelcore::UTF16String kBindingLibraryId = u"com.quorvin.zellua.framework";

zelcore::Dir sLuaScriptsDir;
zelcore::Dir sCommonLuaScriptsDir;
zelcore::Dir sProjectRootDir;

// The binding library's bundle folder: the loaded bundle's own folder when it is known by its
// identifier, else where the application keeps it.
zelcore::Dir BindingLibraryBundleDir() {
  if (const zelcore::Module* module = zelcore::OS_GetCurrentModule(kBindingLibraryId)) {
    const zelcore::UTF16String path = zelcore::GetModulePath(module);
    const std::filesystem::path code(zelcore::UTF16to8(path));
    std::error_code ec;
    if (std::filesystem::is_regular_file(code, ec)) return zelcore::Dir(code.parent_path());
    return zelcore::Dir(code);
  }
  return zelcore::Dir(zelcore::Dir(zelcore::Dir::AppDir(), u"Frameworks"), u"zellua.framework");
}

}  // namespace

zelcore::Dir GetLuaScriptsDir(const zelcore::Dir& base) {
  if (!base.Exists()) return zelcore::Dir();
  return zelcore::Dir(zelcore::Dir(base, sScriptsDirName), sScriptsLuaDirName);
}

zelcore::Dir GetLuaScriptsDir(const std::string& name) {
  if (sLuaScriptsDir.FullPath().empty()) sLuaScriptsDir = GetLuaScriptsDir(zelcore::Dir::ResourcesDir());
  return zelcore::Dir(sLuaScriptsDir, zelcore::UTF8to16(name));
}

zelcore::Dir GetCommonLuaScriptsDir(const std::string& name) {
  if (sCommonLuaScriptsDir.FullPath().empty() || !sCommonLuaScriptsDir.Exists())
    sCommonLuaScriptsDir = GetLuaScriptsDir(zelcore::Dir(BindingLibraryBundleDir(), u"Resources"));
  if (!sCommonLuaScriptsDir.Exists()) return zelcore::Dir();
  return zelcore::Dir(sCommonLuaScriptsDir, zelcore::UTF8to16(name));
}

zelcore::Dir GetProjectBaseDir() {
  if (sProjectRootDir.FullPath().empty()) sProjectRootDir = zelcore::Dir::ResourcesDir();
  return zelcore::Dir(sProjectRootDir, u"");
}

void SetLuaScriptsDirOverride(const zelcore::Dir& dir) { sLuaScriptsDir = dir; }

}  // namespace zel::lua::utility

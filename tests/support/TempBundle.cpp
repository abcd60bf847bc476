#include "TempBundle.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

#include "os/testing.h"
#include "zelcore/testing.h"

#ifndef GLIMMET_BUILT_BUNDLE
#error "GLIMMET_BUILT_BUNDLE names the built bundle's Contents folder"
#endif

namespace glimmet::testing {

namespace fs = std::filesystem;

TempBundle::TempBundle(bool withResources) {
  std::string pattern = (fs::temp_directory_path() / "glimmet-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  mRoot = pattern;
  mContents = mRoot / "Glimmet.app" / "Contents";
  fs::create_directories(mContents / "MacOS");
  fs::create_directories(PackageScriptsDir());
  fs::create_directory_symlink(fs::path(GLIMMET_BUILT_BUNDLE) / "Frameworks", mContents / "Frameworks");
  if (withResources) {
    fs::create_directories(ScriptsDir());
    // The Lua halves of LuaSocket and LuaSec, as the built bundle carries them.
    const fs::path builtScripts = fs::path(GLIMMET_BUILT_BUNDLE) / "Resources" / "scripts" / "lua";
    for (const char* name : {"socket.lua", "socket", "mime.lua", "ltn12.lua", "ssl.lua", "ssl"})
      if (fs::exists(builtScripts / name)) fs::copy(builtScripts / name, ScriptsDir() / name, fs::copy_options::recursive);
  }
  zelcore::testing::SetAppDir(mContents);
  zelcore::testing::SetPreferencesDir(PreferencesDir());
  zelcore::testing::SetCommonFilesDir(CommonFilesDir());
  os::testing::SetPreferredLanguages({});
}

TempBundle::~TempBundle() {
  zelcore::testing::ResetFolders();
  os::testing::ResetPreferredLanguages();
  std::error_code ec;
  fs::remove_all(mRoot, ec);
}

void TempBundle::WriteFile(const fs::path& path, const std::string& content) const {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace glimmet::testing

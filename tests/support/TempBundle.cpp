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

namespace {

// The folder every temporary bundle of this process lies in: made for the first bundle, emptied
// when each bundle goes, removed when the process ends. The binding library and the host keep the
// script folders they find for the life of the process (as the program does); at one place, the
// bundle each test lays out afresh is the bundle they found.
class ProcessFolder {
 public:
  ~ProcessFolder() {
    std::error_code ec;
    if (!mPath.empty()) fs::remove_all(mPath, ec);
  }
  const fs::path& Path() {
    if (mPath.empty()) {
      std::string pattern = (fs::temp_directory_path() / "glimmet-test-XXXXXX").string();
      if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
      mPath = pattern;
    }
    return mPath;
  }
  void Empty() const {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(mPath, ec)) fs::remove_all(entry.path(), ec);
  }
  bool inUse = false;

 private:
  fs::path mPath;
};

ProcessFolder& Folder() {
  static ProcessFolder folder;
  return folder;
}

}  // namespace

TempBundle::TempBundle(bool withResources) {
  if (Folder().inUse) throw std::logic_error("one temporary bundle at a time");
  mRoot = Folder().Path();
  Folder().Empty();
  Folder().inUse = true;
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
  Folder().Empty();
  Folder().inUse = false;
}

void TempBundle::WriteFile(const fs::path& path, const std::string& content) const {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace glimmet::testing

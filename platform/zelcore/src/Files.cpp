#include "zelcore/Files.h"

#include <unistd.h>

#include <optional>
#include <system_error>

#include "zelcore/Config.h"
#include "zelcore/testing.h"

namespace zelcore {

namespace fs = std::filesystem;

namespace {

struct FolderOverrides {
  std::optional<fs::path> app;
  std::optional<fs::path> resources;
  std::optional<fs::path> package;
  std::optional<fs::path> preferences;
  std::optional<fs::path> documents;
  std::optional<fs::path> commonFiles;
};

FolderOverrides& Overrides() {
  static FolderOverrides overrides;
  return overrides;
}

// The bundle's Contents folder: the program lives in Contents/MacOS.
fs::path ContentsFromExecutable() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path().parent_path();
}

fs::path PathFromUTF16(const UTF16String& name) { return fs::path(UTF16to8(name)); }

}  // namespace

Dir::Dir(const fs::path& path) : mPath(path) {
  // A trailing separator is not part of a folder's identity.
  if (mPath.has_filename() == false && mPath.has_parent_path() && mPath != mPath.root_path())
    mPath = mPath.parent_path();
}

Dir::Dir(const Dir& parent, const UTF16String& name) {
  if (parent.IsEmpty()) return;
  mPath = name.empty() ? parent.mPath : parent.mPath / PathFromUTF16(name);
}

UTF16String Dir::FullPath() const { return UTF8to16(mPath.string()); }

bool Dir::Exists() const {
  std::error_code ec;
  return !mPath.empty() && fs::is_directory(mPath, ec);
}

Dir Dir::Parent() const { return mPath.empty() ? Dir() : Dir(mPath.parent_path()); }

Dir Dir::AppDir() {
  const auto& o = Overrides();
  return Dir(o.app ? *o.app : ContentsFromExecutable());
}

Dir Dir::ResourcesDir() {
  const auto& o = Overrides();
  return o.resources ? Dir(*o.resources) : Dir(AppDir(), u"Resources");
}

Dir Dir::PackageDir() {
  const auto& o = Overrides();
  return o.package ? Dir(*o.package) : AppDir();
}

Dir Dir::PreferencesDir() {
  const auto& o = Overrides();
  if (o.preferences) return Dir(*o.preferences);
  const char* home = getenv("HOME");
  if (home == nullptr || *home == '\0') return Dir();
  // One folder per company, product and version, as the client's configuration names them.
  fs::path folder = fs::path(home) / ".config";
  for (const UTF16String* name : {&config::GetCompanyName(), &config::GetClientName(), &config::GetClientVersion()})
    if (!name->empty()) folder /= PathFromUTF16(*name);
  return Dir(folder);
}

Dir Dir::CommonFilesDir() {
  const auto& o = Overrides();
  return Dir(o.commonFiles ? *o.commonFiles : fs::path("/usr/share"));
}

Dir Dir::DocumentsDir() {
  const auto& o = Overrides();
  if (o.documents) return Dir(*o.documents);
  const char* home = getenv("HOME");
  if (home == nullptr || *home == '\0') return Dir();
  return Dir(fs::path(home) / "Documents");
}

File::File(const fs::path& path) : mPath(path) {}

File::File(const Dir& parent, const UTF16String& name) {
  if (parent.IsEmpty()) return;
  mIsFolderItself = name.empty();
  mPath = mIsFolderItself ? parent.Path() : parent.Path() / PathFromUTF16(name);
}

UTF16String File::FullPath() const {
  if (mPath.empty()) return {};
  UTF8String path = mPath.string();
  if (mIsFolderItself && path.back() != '/') path.push_back('/');
  return UTF8to16(path);
}

bool File::Exists() const {
  std::error_code ec;
  return !mPath.empty() && fs::exists(mPath, ec);
}

Dir File::Parent() const {
  if (mPath.empty()) return Dir();
  return mIsFolderItself ? Dir(mPath) : Dir(mPath.parent_path());
}

namespace testing {

void SetAppDir(const fs::path& path) { Overrides().app = path; }
void SetResourcesDir(const fs::path& path) { Overrides().resources = path; }
void SetPackageDir(const fs::path& path) { Overrides().package = path; }
void SetPreferencesDir(const fs::path& path) { Overrides().preferences = path; }
void SetDocumentsDir(const fs::path& path) { Overrides().documents = path; }
void SetCommonFilesDir(const fs::path& path) { Overrides().commonFiles = path; }
void ResetFolders() { Overrides() = FolderOverrides{}; }

}  // namespace testing

}  // namespace zelcore

#include "zelcore/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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
  std::optional<fs::path> home;
  std::optional<fs::path> desktop;
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

// An override that is set: an empty path stands for no folder.
Dir OverriddenDir(const fs::path& path) { return path.empty() ? Dir() : Dir(path); }

[[noreturn]] void Fail(const char* what, const fs::path& path, int error) {
  throw FileException(std::string(what) + " \"" + path.string() + "\": " + std::strerror(error));
}

bool IsReadOnlyPath(const fs::path& path) {
  struct stat info;
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return false;
  return ::access(path.c_str(), W_OK) != 0;
}

Time ModifiedTime(const fs::path& path) {
  struct stat info;
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return Time(boost::posix_time::not_a_date_time);
  const long long micros = static_cast<long long>(info.st_mtim.tv_sec) * 1000000 + info.st_mtim.tv_nsec / 1000;
  return Time(boost::gregorian::date(1970, 1, 1)) + boost::posix_time::microseconds(micros);
}

bool IsHidden(const fs::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name[0] == '.';
}

// The folder's entries sorted by name, each with whether it is a folder (links followed).
std::vector<std::pair<fs::path, bool>> SortedEntries(const fs::path& folder, bool includeHidden) {
  std::vector<std::pair<fs::path, bool>> entries;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  if (ec) Fail("Cannot read the folder", folder, ec.value());
  for (; it != end; it.increment(ec)) {
    if (!includeHidden && IsHidden(it->path())) continue;
    std::error_code typeError;
    entries.emplace_back(it->path(), it->is_directory(typeError));
  }
  if (ec) Fail("Cannot read the folder", folder, ec.value());
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first.filename().string() < b.first.filename().string(); });
  return entries;
}

void CollectFiles(const fs::path& folder, bool visibleOnly, std::vector<File>& files) {
  for (const auto& [path, isFolder] : SortedEntries(folder, !visibleOnly)) {
    std::error_code ec;
    if (!isFolder)
      files.emplace_back(path);
    else if (!fs::is_symlink(path, ec))
      CollectFiles(path, visibleOnly, files);
  }
}

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

bool Dir::IsReadOnly() const { return IsReadOnlyPath(mPath); }

Time Dir::Modified() const { return ModifiedTime(mPath); }

void Dir::Create() const {
  if (mPath.empty()) throw FileException("Cannot create a folder without a path");
  std::error_code ec;
  fs::create_directories(mPath, ec);
  if (ec) Fail("Cannot create the folder", mPath, ec.value());
  if (!Exists()) Fail("Cannot create the folder", mPath, EEXIST);
}

void Dir::Delete() const {
  if (mPath.empty()) throw FileException("Cannot delete a folder without a path");
  if (::rmdir(mPath.c_str()) != 0) Fail("Cannot delete the folder", mPath, errno);
}

EntryIterator<Dir> Dir::BeginSubdirs(bool includeHidden, const DirFilter& filter) const {
  auto dirs = std::make_shared<std::vector<Dir>>();
  for (const auto& [path, isFolder] : SortedEntries(mPath, includeHidden)) {
    if (!isFolder) continue;
    Dir dir(path);
    if (!filter || filter(dir)) dirs->push_back(std::move(dir));
  }
  return EntryIterator<Dir>(std::move(dirs));
}

EntryIterator<File> Dir::BeginFiles(bool includeHidden, const FileFilter& filter) const {
  auto files = std::make_shared<std::vector<File>>();
  for (const auto& [path, isFolder] : SortedEntries(mPath, includeHidden)) {
    if (isFolder) continue;
    File file(path);
    if (!filter || filter(file)) files->push_back(std::move(file));
  }
  return EntryIterator<File>(std::move(files));
}

Dir Dir::TempDir() {
  std::error_code ec;
  const fs::path path = fs::temp_directory_path(ec);
  return Dir(ec ? fs::path("/tmp") : path);
}

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
  return Dir(commondirs::CurrentUserDir(), u"Documents");
}

namespace commondirs {

Dir CurrentUserDir() {
  const auto& o = Overrides();
  if (o.home) return OverriddenDir(*o.home);
  const char* home = getenv("HOME");
  if (home == nullptr || *home == '\0') return Dir();
  return Dir(fs::path(home));
}

Dir UserDesktopDir() {
  const auto& o = Overrides();
  if (o.desktop) return OverriddenDir(*o.desktop);
  return Dir(CurrentUserDir(), u"Desktop");
}

Dir UserDocumentsDir() { return Dir::DocumentsDir(); }

}  // namespace commondirs

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

bool File::IsReadOnly() const { return IsReadOnlyPath(mPath); }

Time File::Modified() const { return ModifiedTime(mPath); }

void File::Delete() const {
  if (mPath.empty()) throw FileException("Cannot delete a file without a path");
  if (::unlink(mPath.c_str()) != 0) Fail("Cannot delete the file", mPath, errno);
}

UTF16String File::GetExtension(bool withDot) const {
  if (mIsFolderItself) return {};
  std::string extension = mPath.extension().string();
  if (!withDot && !extension.empty()) extension.erase(0, 1);
  return UTF8to16(extension);
}

RecursiveFileIterator::RecursiveFileIterator(const Dir& dir, bool visibleOnly)
    : EntryIterator<File>([&] {
        auto files = std::make_shared<std::vector<File>>();
        CollectFiles(dir.Path(), visibleOnly, *files);
        return files;
      }()) {}

namespace testing {

void SetAppDir(const fs::path& path) { Overrides().app = path; }
void SetResourcesDir(const fs::path& path) { Overrides().resources = path; }
void SetPackageDir(const fs::path& path) { Overrides().package = path; }
void SetPreferencesDir(const fs::path& path) { Overrides().preferences = path; }
void SetDocumentsDir(const fs::path& path) { Overrides().documents = path; }
void SetHomeDir(const fs::path& path) { Overrides().home = path; }
void SetDesktopDir(const fs::path& path) { Overrides().desktop = path; }
void SetCommonFilesDir(const fs::path& path) { Overrides().commonFiles = path; }
void ResetFolders() { Overrides() = FolderOverrides{}; }

}  // namespace testing

}  // namespace zelcore

#pragma once
// A temporary application bundle for one test: Contents with Resources, the Lua scripts folder
// and the package's scripts folder, Frameworks pointing at the built libraries, and the core
// framework's folders set to it (preferences and common files inside the temporary folder too).
// The system prefers no language while it lives. One bundle at a time, and every bundle of a
// process at the same place, laid out afresh.
#include <filesystem>
#include <string>

namespace glimmet::testing {

class TempBundle {
 public:
  // With withResources false the bundle has no Resources folder at all.
  explicit TempBundle(bool withResources = true);
  ~TempBundle();
  TempBundle(const TempBundle&) = delete;
  TempBundle& operator=(const TempBundle&) = delete;

  const std::filesystem::path& Contents() const { return mContents; }
  std::filesystem::path Resources() const { return mContents / "Resources"; }
  std::filesystem::path ScriptsDir() const { return Resources() / "scripts" / "lua"; }
  std::filesystem::path PackageScriptsDir() const { return mContents / "scripts"; }
  // The preferences folder, and the earlier product's one two levels above it.
  std::filesystem::path PreferencesDir() const { return mRoot / "Preferences" / "Quorvin" / "Glimmet" / "1.0"; }
  std::filesystem::path EarlierPreferencesDir() const { return mRoot / "Preferences" / "Quorvin" / "Veyra" / "1.0"; }
  std::filesystem::path CommonFilesDir() const { return mRoot / "Common Files"; }

  void WriteFile(const std::filesystem::path& path, const std::string& content) const;
  void WriteBootstrap(const std::string& script) const { WriteFile(ScriptsDir() / "bootstrap.lua", script); }

 private:
  std::filesystem::path mRoot;
  std::filesystem::path mContents;
};

}  // namespace glimmet::testing

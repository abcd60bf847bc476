#pragma once
// Files and folders of the core framework, and the application's well-known folders.
#include <filesystem>

#include "zelcore/Strings.h"

namespace zelcore {

// A folder by path. An unset Dir has an empty full path; joining a name onto an unset Dir
// gives an unset Dir again, so a missing folder never resolves against the current directory.
class Dir {
 public:
  Dir() = default;
  explicit Dir(const std::filesystem::path& path);
  Dir(const Dir& parent, const UTF16String& name);

  // The folder's path, without a trailing separator; empty for an unset Dir.
  UTF16String FullPath() const;
  const std::filesystem::path& Path() const { return mPath; }
  bool IsEmpty() const { return mPath.empty(); }
  bool Exists() const;
  Dir Parent() const;

  // The application folder (the bundle's Contents), its Resources, the package folder,
  // and the preferences folder; each derived from the program's location unless a test set it.
  static Dir AppDir();
  static Dir ResourcesDir();
  static Dir PackageDir();
  static Dir PreferencesDir();
  // The user's documents folder ("Documents" in the home folder) unless a test set it; unset
  // when there is no home folder.
  static Dir DocumentsDir();
  // The folder of files shared by every user and product of the system ("/usr/share").
  static Dir CommonFilesDir();

 private:
  std::filesystem::path mPath;
};

// A file by folder and name. A File with an empty name stands for the folder itself, and its
// full path is the folder's path with a trailing separator.
class File {
 public:
  File() = default;
  explicit File(const std::filesystem::path& path);
  File(const Dir& parent, const UTF16String& name);

  UTF16String FullPath() const;
  const std::filesystem::path& Path() const { return mPath; }
  bool Exists() const;
  Dir Parent() const;

 private:
  std::filesystem::path mPath;
  bool mIsFolderItself = false;
};

}  // namespace zelcore

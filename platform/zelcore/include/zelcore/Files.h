#pragma once
// Files and folders of the core framework, and the application's well-known folders.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include "zelcore/Strings.h"

namespace zelcore {

class File;

// A file operation of the framework that failed (a folder that cannot be read, created or
// deleted); the text names the path and the reason.
class FileException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A point in time of the framework, or one of its special values (not a date, plus or minus
// infinity).
using Time = boost::posix_time::ptime;

// Walks a list of folder entries made when the walk began; a default-made iterator is the end.
template <typename Entry>
class EntryIterator {
 public:
  EntryIterator() = default;
  explicit EntryIterator(std::shared_ptr<const std::vector<Entry>> entries) : mEntries(std::move(entries)) {}

  bool AtEnd() const { return !mEntries || mIndex >= mEntries->size(); }
  const Entry& operator*() const { return mEntries->at(mIndex); }
  const Entry* operator->() const { return &mEntries->at(mIndex); }
  EntryIterator& operator++() {
    ++mIndex;
    return *this;
  }
  bool operator==(const EntryIterator& o) const {
    if (AtEnd() || o.AtEnd()) return AtEnd() == o.AtEnd();
    return mEntries == o.mEntries && mIndex == o.mIndex;
  }
  bool operator!=(const EntryIterator& o) const { return !(*this == o); }

 private:
  std::shared_ptr<const std::vector<Entry>> mEntries;
  std::size_t mIndex = 0;
};

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
  // True for an existing folder this process may not write into.
  bool IsReadOnly() const;
  // The time of the last change; not a date for a missing folder.
  Time Modified() const;
  // Creates the folder and any missing parents; throws FileException when it cannot.
  void Create() const;
  // Removes the (empty) folder; throws FileException when it cannot, a folder that still holds
  // entries included.
  void Delete() const;

  // The folder's entries, sorted by name: its sub-folders, or its other entries (files). Entries
  // whose names begin with "." show only with includeHidden; a filter keeps the entries it
  // answers true for. Throws FileException when the folder cannot be read.
  using DirFilter = std::function<bool(const Dir&)>;
  using FileFilter = std::function<bool(const File&)>;
  EntryIterator<Dir> BeginSubdirs(bool includeHidden, const DirFilter& filter = nullptr) const;
  EntryIterator<Dir> EndSubdirs() const { return {}; }
  EntryIterator<File> BeginFiles(bool includeHidden, const FileFilter& filter = nullptr) const;
  EntryIterator<File> EndFiles() const { return {}; }

  // The folder for temporary files.
  static Dir TempDir();

  // The application folder (the bundle's Contents), its Resources, the package folder,
  // and the preferences folder; each derived from the program's location unless a test set it.
  static Dir AppDir();
  static Dir ResourcesDir();
  static Dir PackageDir();
  static Dir PreferencesDir();
  // The user's documents folder ("Documents" in the home folder) unless a test set it; unset
  // when there is no home folder.
  static Dir DocumentsDir();
  // The same folder, by the name the file dialogs use for their fallback start folder.
  static Dir UserDocsDir() { return DocumentsDir(); }
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
  // True for an existing file this process may not write to.
  bool IsReadOnly() const;
  // The time of the last change; not a date for a missing file.
  Time Modified() const;
  // Removes the file; throws FileException when it cannot.
  void Delete() const;
  // The name's extension ("" when there is none), with its leading dot when withDot is set.
  UTF16String GetExtension(bool withDot) const;

 private:
  std::filesystem::path mPath;
  bool mIsFolderItself = false;
};

// Every file below a folder, depth first: each folder's entries in name order, a sub-folder's
// files in its place. With visibleOnly, entries whose names begin with "." and what lies in
// them are left out. Links to folders are not followed. Throws FileException when a folder
// cannot be read.
class RecursiveFileIterator : public EntryIterator<File> {
 public:
  RecursiveFileIterator(const Dir& dir, bool visibleOnly);
};

// The current user's folders: each derived from the home folder unless a test set it; unset
// when there is no home folder.
namespace commondirs {
Dir CurrentUserDir();
Dir UserDesktopDir();
// The same folder as Dir::DocumentsDir.
Dir UserDocumentsDir();
}  // namespace commondirs

}  // namespace zelcore

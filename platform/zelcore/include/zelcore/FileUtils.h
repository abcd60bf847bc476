#pragma once
// The core framework's file operations on File and Dir.
#include <cstdint>
#include <string>

#include "zelcore/Files.h"
#include "zelcore/Strings.h"

namespace zelcore {

struct FileUtils {
  // Creates the folder and any missing parents; true when the folder exists afterwards.
  static bool EnsureDirectoryExists(const Dir& dir);
  // Removes the file (or empty folder); false when nothing was removed.
  static bool RemoveFile(const File& file);
  // Creates an empty file; false when it could not be made. An existing file is left untouched.
  static bool CreateNewFile(const File& file);
  // Replaces in place every character that may not stand in a file name (the path separators,
  // the characters \ : * ? " < > | and control characters) with replacement.
  static void ReplaceIllegalFileNameCharacters(UTF16String& name, char16_t replacement);
  // Copies the source file to the destination, which must not exist yet: an existing file is
  // never replaced. False when nothing was copied.
  static bool Copy(const File& source, const File& destination);
  // Appends the bytes to the end of the file, which is created when it does not exist; false when
  // nothing could be written (no such folder, or not a regular file).
  static bool SimpleAppendStringToFile(const File& file, const UTF8String& text);
  // All bytes of the regular file at the path; false when it cannot be opened or read, is not a
  // regular file (a pipe, a device, a folder) or holds more than maxBytes. The opening never
  // waits, and nothing is read from a file that is refused.
  static bool ReadRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes);
};

namespace utility {
using zelcore::FileUtils;
}

}  // namespace zelcore

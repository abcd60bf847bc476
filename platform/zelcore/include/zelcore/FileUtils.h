#pragma once
// The core framework's file operations on File and Dir.
#include "zelcore/Files.h"

namespace zelcore {

struct FileUtils {
  // Copies the source file to the destination, which must not exist yet: an existing file is
  // never replaced. False when nothing was copied.
  static bool Copy(const File& source, const File& destination);
};

}  // namespace zelcore

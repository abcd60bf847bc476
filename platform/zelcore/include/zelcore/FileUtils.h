#pragma once
// File operations of the core framework.
#include "zelcore/Files.h"

namespace zelcore::FileUtils {

// Copies the source file to the destination, which must not exist yet: an existing file is
// never replaced. False when nothing was copied.
bool Copy(const File& source, const File& destination);

}  // namespace zelcore::FileUtils

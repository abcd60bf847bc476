#pragma once
// The framework's error manager: how fatal and recoverable framework errors are raised.
#include <vector>

#include "zelcore/Strings.h"

namespace zelcore::config {

class ErrorManager {
 public:
  virtual ~ErrorManager() = default;
  // Frees what memory can be freed; returns the number of bytes freed.
  virtual long PurgeMemory(long bytesWanted) { (void)bytesWanted; return 0; }
  virtual void ThrowError(int level, const UTF16String& message,
                          const std::vector<UTF16String>& replacements) = 0;
};

}  // namespace zelcore::config

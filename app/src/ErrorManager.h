#pragma once
#include "zelcore/ErrorManager.h"

namespace fennick {

// Frees no memory on request; a level-0 error ends the event loop, any other level throws.
class ErrorManager : public zelcore::config::ErrorManager {
 public:
  long PurgeMemory(long bytesWanted) override;
  void ThrowError(int level, const zelcore::UTF16String& message,
                  const std::vector<zelcore::UTF16String>& replacements) override;
};

}  // namespace fennick

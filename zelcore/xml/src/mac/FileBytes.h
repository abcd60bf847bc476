#pragma once
// Reading a whole file into memory.
#include <cstdint>
#include <string>

#include "zelcore/Strings.h"

namespace zelcore::xml {

// No XML document the program reads is larger.
inline constexpr std::uint64_t kMaxDocumentBytes = std::uint64_t{64} << 20;

// All bytes of the regular file at path; false when it cannot be opened or read, is not a
// regular file, or is larger than kMaxDocumentBytes.
bool ReadFileBytes(const UTF16String& path, std::string& bytes);

}  // namespace zelcore::xml

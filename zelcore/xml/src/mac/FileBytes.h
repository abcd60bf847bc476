#pragma once
// Reading a whole file into memory.
#include <string>

#include "zelcore/Strings.h"

namespace zelcore::xml {

// All bytes of the regular file at path; false when it cannot be opened or read.
bool ReadFileBytes(const UTF16String& path, std::string& bytes);

}  // namespace zelcore::xml

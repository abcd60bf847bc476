#pragma once
// Loaded bundles (code modules) found by their identifier.
#include "zelcore/Strings.h"

namespace zelcore {

struct Module;

// The loaded bundle with this identifier, or null.
const Module* OS_GetCurrentModule(const UTF16String& identifier);
// The file path of a loaded bundle's code.
UTF16String GetModulePath(const Module* module);

}  // namespace zelcore

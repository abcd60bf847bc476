#pragma once
// Text of the framework as the platform's own string type.
#include "os/URL.h"
#include "zelcore/Strings.h"

namespace zelcore::utility {

// A new platform string with the text; the caller owns it and gives it back with os::CFRelease.
os::CFStringRef ZELtoMAC(const UTF16String& text);

}  // namespace zelcore::utility

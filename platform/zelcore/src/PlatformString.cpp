#include "zelcore/PlatformString.h"

namespace zelcore::utility {

os::CFStringRef ZELtoMAC(const UTF16String& text) { return new os::CFString(text); }

}  // namespace zelcore::utility

#pragma once
// The user-visible name of the computer.
#include <string>

namespace os {

// The computer's name in UTF-16; empty when it has none.
std::u16string CSCopyMachineName();

}  // namespace os

#include "TrayIconChange.h"

namespace fennick {

// Without a status item there is no image to set.
void SetTrayIconFromPng(const zelcore::UTF16String&) {}

}  // namespace fennick

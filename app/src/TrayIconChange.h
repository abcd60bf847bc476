#pragma once
// What the Lua module "VyAppUtils" asks of the application about its status item.
#include "zelcore/Strings.h"

namespace fennick {

// Sets the status item's image to the PNG resource of that name.
void SetTrayIconFromPng(const zelcore::UTF16String& pngName);

}  // namespace fennick

#pragma once
// Values of the main bundle's information dictionary, by key ("CFBundleVersion", ...).
#include <string>

namespace os {

// The value (UTF-16) of the key in the main bundle's information dictionary; false when the
// dictionary has no such key.
bool MainBundleInfoValue(const std::string& key, std::u16string& value);

}  // namespace os

#pragma once
// The user's preferred languages, as the system's locale settings list them.
#include <string>
#include <vector>

namespace os {

// Language codes, most preferred first ("de_DE", "fr", ...). Read from the environment's locale
// settings (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) unless a test set them.
std::vector<std::string> CFLocaleCopyPreferredLanguages();

}  // namespace os

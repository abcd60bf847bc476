#pragma once
// What the Lua module "VyAppUtils" asks of the application about the user-interface language.
#include <string>

namespace fennick {

// Runs the language-choice dialog. The choice is stored as the preference "current_locale" and
// takes effect at the next start.
void ChangeAppLanguage();

// The preference "current_locale" (UTF-8); empty when unset.
std::string GetCurrentLocalePreference();

}  // namespace fennick

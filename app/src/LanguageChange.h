#pragma once
// The user-interface language as the scripts reach it (VyAppUtils.ChangeLanguage and
// VyAppUtils.GetRunningLocale).
#include <string>

namespace fennick {

// Runs the language dialog of the application object. The running language stays; a new choice
// is stored as the preference "current_locale" and used from the next start. True when a new
// choice was stored.
bool ChangeLanguage();

// The preference "current_locale" (UTF-8); empty when unset.
std::string GetCurrentLocalePreference();

}  // namespace fennick

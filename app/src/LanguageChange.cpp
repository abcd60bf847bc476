#include "LanguageChange.h"

namespace fennick {

// Without a language-choice dialog nothing is offered and no choice is stored.
void ChangeAppLanguage() {}

std::string GetCurrentLocalePreference() { return {}; }

}  // namespace fennick

#include "zelcore/Localizer.h"

namespace zelcore {

namespace {
Localizer* gLocalizer = nullptr;
}

// Without a dictionary the default after the first "=" is the text; a literal without
// the "$$$/" form is its own text.
UTF16String Localizer::GetLocalizedString(const UTF8String& literal) const {
  if (literal.rfind("$$$/", 0) == 0) {
    const auto eq = literal.find('=');
    if (eq != UTF8String::npos) return UTF8to16(literal.substr(eq + 1));
  }
  return UTF8to16(literal);
}

Localizer* Localizer::Get() { return gLocalizer; }
void Localizer::Set(Localizer* localizer) { gLocalizer = localizer; }

}  // namespace zelcore

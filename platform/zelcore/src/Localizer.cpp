#include "zelcore/Localizer.h"

#include <string>

namespace zelcore::config {

namespace {
Localizer* gLocalizer = nullptr;
}

// Without a dictionary the default after the first "=" is the text; a literal without
// the "$$$/" form is its own text.
UTF16String Localizer::GetLocalizedString(const char* literal) const {
  const std::string text = literal ? literal : "";
  if (text.rfind("$$$/", 0) == 0) {
    const auto eq = text.find('=');
    if (eq != std::string::npos) return UTF8to16(text.substr(eq + 1));
  }
  return UTF8to16(text);
}

Localizer* Localizer::Get() { return gLocalizer; }
void Localizer::Set(Localizer* localizer) { gLocalizer = localizer; }

UTF16String Localize(const char* literal) {
  if (gLocalizer != nullptr) return gLocalizer->GetLocalizedString(literal);
  return Localizer().GetLocalizedString(literal);
}

}  // namespace zelcore::config

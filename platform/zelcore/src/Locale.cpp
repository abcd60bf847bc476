#include "zelcore/Locale.h"

namespace zelcore {

namespace {
UTF16String& Language() {
  static UTF16String language = u"en_US";
  return language;
}
}  // namespace

void Locale::Initialize(const UTF16String& language) { Language() = language; }
UTF16String Locale::ApplicationLangauge() { return Language(); }

}  // namespace zelcore

#pragma once
// The running user-interface language of the process.
#include "zelcore/Strings.h"

namespace zelcore {

class Locale {
 public:
  // Sets the running language (a locale code such as "en_US").
  static void Initialize(const UTF16String& language);
  // The running language; "en_US" until Initialize is called.
  static UTF16String ApplicationLangauge();
};

}  // namespace zelcore

#pragma once
// The framework's localiser interface: every localised text of the process is looked up
// through the one installed localiser.
#include "zelcore/Strings.h"

namespace zelcore::config {

class Localizer {
 public:
  virtual ~Localizer() = default;

  // A text "$$$/key=default" gives the localised text; without a dictionary, the default.
  virtual UTF16String GetLocalizedString(const char* literal) const;

  // The installed localiser, or null. The installer keeps ownership.
  static Localizer* Get();
  static void Set(Localizer* localizer);
};

// The literal's text through the installed localiser; with none installed, the default text.
UTF16String Localize(const char* literal);

}  // namespace zelcore::config

namespace zelcore {
using config::Localizer;
}

#include "zelcore/Localizer.h"
#include "zelcore/utility/Cast.h"

namespace zelcore::utility {

void ThrowLocalizedError(const char* literal) { throw Error(UTF16to8(config::Localize(literal))); }

}  // namespace zelcore::utility

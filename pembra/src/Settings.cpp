#include "pembra/Settings.h"

namespace pembra {

bool EnableWvHatEscapes = false;

void QuilletLibVersion_2_7() {}

}  // namespace pembra

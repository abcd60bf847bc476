#include "zelcore/Localizer.h"
#include "zellua/zellua.h"

namespace zellua::utility {

namespace {
const char* const kUnknown = "$$$/zellua/utility/UnknownLuaException=Unknown Lua Exception";
}

LuaException::LuaException() {
  const zelcore::Localizer* localizer = zelcore::Localizer::Get();
  mMessage = localizer ? zelcore::UTF16to8(localizer->GetLocalizedString(kUnknown))
                       : zelcore::UTF16to8(zelcore::Localizer().GetLocalizedString(kUnknown));
}

}  // namespace zellua::utility

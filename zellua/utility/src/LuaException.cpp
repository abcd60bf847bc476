#include "zelcore/Localizer.h"
#include "zellua/zellua.h"

namespace zellua::utility {

namespace {
const char* const kUnknown = "$$$/zellua/utility/UnknownLuaException=Unknown Lua Exception";
}

LuaException::LuaException() {
  mMessage = zelcore::UTF16to8(zelcore::config::Localize(kUnknown));
}

}  // namespace zellua::utility

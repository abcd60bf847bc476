// "OSLaunchUtils": opens URLs in the default browser. Text that makes no URL opens nothing.
#include <memory>

#include "os/URL.h"
#include "zelcore/PlatformString.h"
#include "zellua/binding/Module.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::utility {

namespace {

const char* const kZelLuaOSLaunchUtilsMetaTableName = "zellua.OSLaunchUtils";
const char* const kZelLuaOSLaunchUtilsClassName = "OSLaunchUtils";

// A platform object held by its one reference, given back when the holder goes; null holds nothing.
struct ReleaseCF {
  void operator()(const os::CFObject* object) const { os::CFRelease(object); }
};
template <typename T>
using CFHolder = std::unique_ptr<const T, ReleaseCF>;

int OpenURLInDefaultBrowser(lua_State* L) {
  const char* text = luaL_checkstring(L, 1);
  const CFHolder<os::CFString> string(zelcore::utility::ZELtoMAC(WideText(text)));
  const CFHolder<os::CFURL> url(os::CFURLCreateWithString(nullptr, string.get(), nullptr));
  if (url) os::LSOpenCFURLRef(url.get(), nullptr);
  return 0;
}

const luaL_Reg kFunctions[] = {{"OpenURLInDefaultBrowser", OpenURLInDefaultBrowser}, {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::utility

extern "C" int luaopen_zellua_OSLaunchUtils(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::utility::kZelLuaOSLaunchUtilsMetaTableName;
  spec.className = zellua::utility::kZelLuaOSLaunchUtilsClassName;
  spec.functions = zellua::utility::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

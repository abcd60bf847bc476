#include "AppUtilsLua.h"

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "App.h"
#include "LanguageChange.h"
#include "zelcore/Localizer.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"

namespace fennick {

namespace {

using zellua::binding::PushNilAndMessage;

constexpr const char* kExpectedOne = "not enough parameters, expected 1";

// VyAppUtils.SetTrayIcon(png resource name).
int lua_settrayicon(lua_State* L) {
  if (lua_gettop(L) < 1) return PushNilAndMessage(L, kExpectedOne);
  const char* name = luaL_checkstring(L, 1);
  if (App* app = App::GetFennickApp()) app->SetTrayIconFromPng(zelcore::UTF8to16(name));
  return 0;
}

// VyAppUtils.ChangeLanguage(): the language-choice dialog.
int lua_changelanguage(lua_State*) {
  ChangeLanguage();
  return 0;
}

// VyAppUtils.GetRunningLocale() → the preference "current_locale", empty when unset.
int lua_getrunninglocale(lua_State* L) {
  const std::string locale = GetCurrentLocalePreference();
  lua_pushlstring(L, locale.data(), locale.size());
  return 1;
}

// VyAppUtils.GetLocalizedString("$$$/key=default") → the text in the running language (UTF-8).
// Before a localiser is installed the framework's default lookup gives the default text.
int lua_getlocalizedstring(lua_State* L) {
  if (lua_gettop(L) < 1) return PushNilAndMessage(L, kExpectedOne);
  const char* literal = luaL_checkstring(L, 1);
  const std::string text = zelcore::UTF16to8(zelcore::config::Localize(literal));
  lua_pushlstring(L, text.data(), text.size());
  return 1;
}

const luaL_Reg kAppUtilsFunctions[] = {
    {"SetTrayIcon", lua_settrayicon},
    {"ChangeLanguage", lua_changelanguage},
    {"GetRunningLocale", lua_getrunninglocale},
    {"GetLocalizedString", lua_getlocalizedstring},
    {nullptr, nullptr},
};

}  // namespace

void RegisterAppUtilsLua(lua_State* L) {
  zellua::binding::OpenModule(L, "VyAppUtils", kAppUtilsFunctions);
  lua_pop(L, 1);
}

}  // namespace fennick

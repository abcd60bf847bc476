// "zelLocale": the application's running language.
#include "zelcore/Locale.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Protected.h"
#include "zellua/zellua.h"

namespace zellua::core {

namespace {

const char* const kZelLuaLocaleMetaTableName = "zellua.zelLocale";
const char* const kZelLuaLocaleClassName = "zelLocale";

int ApplicationLanguage(lua_State* L) {
  const std::string language = zelcore::UTF16to8(zelcore::Locale::ApplicationLangauge());
  lua_pushlstring(L, language.data(), language.size());
  return 1;
}

const luaL_Reg kFunctions[] = {{"ApplicationLanguage", ApplicationLanguage}, {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::core

extern "C" int luaopen_zellua_zelLocale(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::core::kZelLuaLocaleMetaTableName;
  spec.className = zellua::core::kZelLuaLocaleClassName;
  spec.functions = zellua::core::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

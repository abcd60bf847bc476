// "Theme": colours and fonts of the UI framework's theme. A userdata holds one counted reference
// to a theme; Release (or collection) drops it, and the theme goes with its last reference. A
// released theme reports its use and does nothing.
#include "zellua/theme/Theme.h"

#include "zelui/ui/Theme.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/Converters.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::theme {

namespace {

const char* const kZelLuaThemeMetaTableName = "zellua.zelTheme";
const char* const kZelLuaThemeClassName = "Theme";
const char* const kZelLuaThemeTypeName = "zelTheme";

using zelui::ui::Theme;

// The size the framework's themes are made with.
constexpr int kThemeColorCount = 379;
constexpr int kThemeFontCount = 3;

Theme* LiveTheme(ThemeBlock* block) {
  if (block->theme == nullptr) ZELLUA_FAIL("\"Attempting to use a released Theme\" && 0", nullptr);
  return block->theme;
}

// The colour table at index; the outputs start black and transparent.
zelcore::ColorRGBA ColorArgument(lua_State* L, int index) {
  zelcore::ColorRGBA color;
  limner::GetColorRGBAFromLua(L, index, color);
  return color;
}

int Release(lua_State* L) {
  ThemeBlock* block = zellua_checkTheme(L, 1);
  Theme* theme = block->theme;
  block->theme = nullptr;
  if (theme != nullptr) theme->Release();
  return 0;
}

int ToString(lua_State* L) { return binding::PushTypeAndAddress(L, kZelLuaThemeTypeName, zellua_checkTheme(L, 1)->theme); }

int SetThemeColor(lua_State* L) {
  ThemeBlock* block = zellua_checkTheme(L, 1);
  const int id = binding::CheckInteger<int>(L, 2);
  const zelcore::ColorRGBA color = ColorArgument(L, 3);
  Theme* theme = LiveTheme(block);
  if (theme != nullptr) theme->SetColor(id, color);
  return 0;
}

int GetColor(lua_State* L) {
  const int id = binding::CheckInteger<int>(L, 1);
  return limner::PushColorRGBAToLua(L, zelui::ui::GetColor(id));
}

int GetFontName(lua_State* L) {
  const int id = binding::CheckInteger<int>(L, 1);
  return utility::PushUTF8(L, zelui::ui::GetFontName(id));
}

int GetFontSize(lua_State* L) {
  const int id = binding::CheckInteger<int>(L, 1);
  lua_pushnumber(L, zelui::ui::GetFontSize(id));
  return 1;
}

int HasColor(lua_State* L) {
  const int id = binding::CheckInteger<int>(L, 1);
  lua_pushboolean(L, Theme::Get().HasColor(id));
  return 1;
}

int SetColor(lua_State* L) {
  const int id = binding::CheckInteger<int>(L, 1);
  const zelcore::ColorRGBA color = ColorArgument(L, 2);
  Theme::Get().SetColor(id, color);
  return 0;
}

int NewTheme(lua_State* L) {
  auto* block = binding::PushEmptyBlock<ThemeBlock>(L, kZelLuaThemeMetaTableName);
  Theme* theme = new Theme(kThemeColorCount, kThemeFontCount);
  theme->AddRef();
  block->theme = theme;
  return 1;
}

int RegisterTheme(lua_State* L) {
  ThemeBlock* block = zellua_checkTheme(L, 1);
  const char* name = luaL_checkstring(L, 2);
  Theme* theme = LiveTheme(block);
  if (theme != nullptr) Theme::RegisterTheme(utility::WideText(name), zelui::ui::ThemeP(theme));
  return 0;
}

const luaL_Reg kMethods[] = {{"SetThemeColor", SetThemeColor},
                             {"Release", Release},
                             {"__tostring", ToString},
                             {"__gc", Release},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"GetColor", GetColor},       {"GetFontName", GetFontName},
                               {"GetFontSize", GetFontSize}, {"HasColor", HasColor},
                               {"SetColor", SetColor},       {"NewTheme", NewTheme},
                               {"RegisterTheme", RegisterTheme}, {nullptr, nullptr}};

const binding::IntConstant kConstants[] = {{"Color_TabBackground", 277},
                                           {"Color_StaticTextNormalText", 282},
                                           {"Color_StaticTextDisableText", 283},
                                           {"Color_TextOnDarkBackground", 303},
                                           {"Color_ToolBarWellStartGradient", 295},
                                           {"Color_ToolBarWellEndGradient", 296},
                                           {"Text_Main_Large", 0},
                                           {"Text_Main_Small", 1},
                                           {"Text_Title", 2},
                                           {"kColor_ApplicationDomainStart", 10000},
                                           {nullptr, 0}};

}  // namespace

ThemeBlock* zellua_checkTheme(lua_State* L, int index) {
  return binding::CheckUserdata<ThemeBlock>(L, index, kZelLuaThemeMetaTableName);
}

int luaopen_zelluaTheme(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaThemeMetaTableName;
  spec.methods[0] = kMethods;
  spec.className = kZelLuaThemeClassName;
  spec.functions = kFunctions;
  spec.constants = kConstants;
  return binding::OpenModule(L, spec);
}

}  // namespace zellua::theme

extern "C" int luaopen_zellua_zelTheme(lua_State* L) { return zellua::theme::luaopen_zelluaTheme(L); }

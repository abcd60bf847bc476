#pragma once
// Themes in Lua ("zellua.zelTheme", library "Theme"): colours and fonts of the current theme, and
// themes that scripts build and register.
extern "C" {
#include <lua.h>
}

namespace zelui::ui {
class Theme;
}

namespace zellua::theme {

// The userdata: one counted reference to its theme, null after Release.
struct ThemeBlock {
  zelui::ui::Theme* theme;
};

// Registers the metatable and the global library "Theme"; leaves the library on the stack and
// returns 1.
int luaopen_zelluaTheme(lua_State* L);

// The theme userdata at index (the auxiliary library's argument error for any other value).
ThemeBlock* zellua_checkTheme(lua_State* L, int index);

}  // namespace zellua::theme

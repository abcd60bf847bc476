#pragma once
// "zelUIResources": the resource managers and image caches of the UI framework, the application
// framework and the application, for scripts to load images by name and set the mouse cursor.
extern "C" {
#include <lua.h>
}

#include "zelcore/Files.h"

namespace zelui::resources {
class ResourceManager;
class LimnerImageResourceCache;
}  // namespace zelui::resources

namespace zellua::ui {

extern const char* const kZelLuaResourcesMetaTableName;  // "zellua.zelUIResources"

// Registers the metatable and the global library "zelUIResources" (its functions and the three
// accessor names); leaves the library on the stack and returns 1.
int luaopen_zelluaResources(lua_State* L);

// Pushes a resources userdata over the manager and the cache, both borrowed (the userdata frees
// neither); the folder is not kept. Returns 1.
int PushResourcesToLua(lua_State* L, zelui::resources::ResourceManager* resourceManager,
                       zelui::resources::LimnerImageResourceCache* imageCache, const zelcore::Dir& folder);

}  // namespace zellua::ui

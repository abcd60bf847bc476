#pragma once
// Opens the host's native Lua modules in their fixed order, publishes the host's globals, extends
// the module search paths and runs the boot scripts.
struct lua_State;

namespace zelworkspace {
class Workspace;
}

namespace fennick {

class LuaInitializer {
 public:
  static void Init(lua_State* L, zelworkspace::Workspace* workspace);
  static void LoadEnvironment(lua_State* L);
  static void UpdateRequirePath(lua_State* L);
};

// The Lua global "sleep": blocks the main thread for the whole seconds of its argument.
int lua_sleep(lua_State* L);

// Writes every stack slot to the trace log (when writeTrace and the label is enabled at
// traceLevel), then empties the stack when clearStack.
void DumpLuaStackToConsole(lua_State* L, int traceLevel, bool clearStack, bool writeTrace);

}  // namespace fennick

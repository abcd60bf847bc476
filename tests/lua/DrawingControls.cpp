// Test controls for drawing: a fresh drawing context lent to a script for one call, the drawing
// objects alive, the contexts with linked surface proxies, the redraw-debug flash delay.
#include <cstdio>

#include "TestControls.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/limner/LimnerLua.h"
#include "zelui/testing.h"

namespace {

constexpr size_t kMessageCapacity = 512;

// Calls the function at argument 1 with a fresh context lent for the call, and collects garbage
// before the lending ends. Gives the lent surface's number and where the call's log lines start;
// when the function fails, false with its message.
bool LendContext(lua_State* L, int& surfaceNumber, size_t& firstLine, char (&message)[kMessageCapacity]) {
  zelui::testing::LendableContext lent;
  surfaceNumber = lent.Surface().Number();
  firstLine = zelui::testing::DrawingLog().size();
  zellua::binding::StackGuard guard(L);
  int results = 0;
  zellua::limner::AcquireLimnerProxy scope(L, &lent.Context(), results);
  lua_pushvalue(L, 1);
  lua_insert(L, -(results + 1));
  const bool ran = lua_pcall(L, results, 0, 0) == 0;
  if (!ran) {
    const char* error = lua_tostring(L, -1);
    std::snprintf(message, kMessageCapacity, "%s", error ? error : "(error object is not a string)");
  }
  // Twice, so that whatever the first collection finalised is freed while the scope lasts.
  lua_gc(L, LUA_GCCOLLECT, 0);
  lua_gc(L, LUA_GCCOLLECT, 0);
  return ran;
}

// drawWith(fn): fn(context); returns the log lines drawn during the call and the lent surface's
// number.
int drawWith(lua_State* L) {
  luaL_checktype(L, 1, LUA_TFUNCTION);
  int surfaceNumber = 0;
  size_t firstLine = 0;
  char message[kMessageCapacity];
  if (!LendContext(L, surfaceNumber, firstLine, message)) return luaL_error(L, "%s", message);
  const auto& log = zelui::testing::DrawingLog();
  lua_createtable(L, static_cast<int>(log.size() - firstLine), 0);
  for (size_t i = firstLine; i < log.size(); ++i) {
    lua_pushlstring(L, log[i].data(), log[i].size());
    lua_rawseti(L, -2, static_cast<int>(i - firstLine + 1));
  }
  lua_pushinteger(L, surfaceNumber);
  return 2;
}

// The drawing objects alive, by kind.
int liveDrawingObjects(lua_State* L) {
  using limner::DrawingKind;
  static const struct {
    const char* name;
    DrawingKind kind;
  } kKinds[] = {{"context", DrawingKind::kContext}, {"surface", DrawingKind::kSurface},
                {"image", DrawingKind::kImage},     {"path", DrawingKind::kPath},
                {"pen", DrawingKind::kPen},         {"brush", DrawingKind::kBrush},
                {"font", DrawingKind::kFont},       {"shader", DrawingKind::kShader}};
  lua_createtable(L, 0, static_cast<int>(std::size(kKinds)));
  for (const auto& entry : kKinds) {
    lua_pushinteger(L, zelui::testing::LiveDrawingObjects(entry.kind));
    lua_setfield(L, -2, entry.name);
  }
  return 1;
}

// How many drawing contexts have surface proxies linked to them.
int linkedDrawingContexts(lua_State* L) {
  lua_pushinteger(L, static_cast<lua_Integer>(zellua::limner::sLinkedObjects.size()));
  return 1;
}

int redrawDebugFlashDelay(lua_State* L) {
  lua_pushnumber(L, zelui::testing::RedrawDebugFlashDelay());
  return 1;
}

const luaL_Reg kFunctions[] = {{"drawWith", drawWith},
                               {"liveDrawingObjects", liveDrawingObjects},
                               {"linkedDrawingContexts", linkedDrawingContexts},
                               {"redrawDebugFlashDelay", redrawDebugFlashDelay},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

#include "zellua/undo/LuaUndo.h"

#include <climits>

extern "C" {
#include <lauxlib.h>
}

#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/StackGuard.h"

namespace zellua::undo {

namespace {

// Calls table:method() for the table under the registry reference, when it is a table; an error
// is dropped and the stack is left as it was.
void CallTableMethod(lua_State* L, int reference, const char* method) {
  binding::StackGuard guard(L);
  if (!lua_checkstack(L, 3)) return;
  lua_rawgeti(L, LUA_REGISTRYINDEX, reference);
  if (!lua_istable(L, -1)) return;
  lua_getfield(L, -1, method);
  lua_pushvalue(L, -2);
  lua_pcall(L, 1, 0, 0);
}

int OpenEmptyLibrary(lua_State* L, const char* name) {
  binding::ModuleSpec spec;
  spec.className = name;
  return binding::OpenModule(L, spec);
}

int ReferenceFromText(const std::string& text) {
  const long long number = zelcore::utility::StringToNumber(zelcore::UTF8to16(text));
  if (number < LUA_NOREF || number > INT_MAX) return LUA_NOREF;
  return static_cast<int>(number);
}

}  // namespace

LuaAction::LuaAction(bool changesDocument, bool mergeable, const std::string& name, const std::string& reference,
                     lua_State* L)
    : zelundo::Action(changesDocument, mergeable, zelcore::UTF8to16(name)),
      mReference(reference),
      mState(binding::MainState(L)),
      mStateOpen(L) {}

LuaAction::~LuaAction() {
  if (!mReference.empty() && mStateOpen.IsOpen()) luaL_unref(mState, LUA_REGISTRYINDEX, ReferenceFromText(mReference));
  mReference.clear();
}

int LuaAction::InitLua(lua_State* L) { return OpenEmptyLibrary(L, "zelUndoAction"); }

void LuaAction::UndoSelf() { InvokeAction("handleActionUndo"); }

void LuaAction::RedoSelf() { InvokeAction("handleActionRedo"); }

void LuaAction::InvokeAction(const char* inAction) {
  ZELLUA_ASSERT(inAction != NULL);
  if (mReference.empty() || !mStateOpen.IsOpen()) return;
  CallTableMethod(mState, ReferenceFromText(mReference), inAction);
}

LuaStateRestorer::LuaStateRestorer(int const& reference, lua_State* L)
    : mReference(reference), mState(binding::MainState(L)), mStateOpen(L) {}

LuaStateRestorer::~LuaStateRestorer() {
  if (mReference > 0 && mStateOpen.IsOpen()) luaL_unref(mState, LUA_REGISTRYINDEX, mReference);
  mReference = 0;
}

int LuaStateRestorer::InitLua(lua_State* L) { return OpenEmptyLibrary(L, "zelLuaStateRestorer"); }

void LuaStateRestorer::RestoreState() {
  if (mDisabled || !mStateOpen.IsOpen()) return;
  CallTableMethod(mState, mReference, "restoreState");
}

}  // namespace zellua::undo

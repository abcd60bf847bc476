#include "zellua/undo/LuaUndo.h"

#include <climits>

#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/StackGuard.h"

namespace zellua::undo {

namespace {

// Calls table:method() when the reference holds a table of a state that is still open; an error
// is dropped and the stack is left as it was.
void CallTableMethod(const binding::LuaRef& table, const char* method) {
  if (!table.IsValid()) return;
  lua_State* L = table.State();
  binding::StackGuard guard(L);
  if (!lua_checkstack(L, 3)) return;
  table.Push();
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
      mTable(binding::LuaRef::Adopt(L, ReferenceFromText(reference))) {}

LuaAction::~LuaAction() = default;

int LuaAction::InitLua(lua_State* L) { return OpenEmptyLibrary(L, "zelUndoAction"); }

void LuaAction::UndoSelf() { InvokeAction("handleActionUndo"); }

void LuaAction::RedoSelf() { InvokeAction("handleActionRedo"); }

void LuaAction::InvokeAction(const char* inAction) {
  ZELLUA_ASSERT(inAction != NULL);
  CallTableMethod(mTable, inAction);
}

LuaStateRestorer::LuaStateRestorer(int const& reference, lua_State* L)
    : mTable(binding::LuaRef::Adopt(L, reference)) {}

LuaStateRestorer::~LuaStateRestorer() = default;

int LuaStateRestorer::InitLua(lua_State* L) { return OpenEmptyLibrary(L, "zelLuaStateRestorer"); }

void LuaStateRestorer::RestoreState() {
  if (!mDisabled) CallTableMethod(mTable, "restoreState");
}

}  // namespace zellua::undo

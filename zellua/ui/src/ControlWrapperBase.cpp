// The wrapper of a node in Lua: its counted node reference and the node timers installed
// through it, and how a Lua value is taken back as a wrapper.
#include "zellua/binding/Assert.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/NodeManager.h"

namespace zellua::ui {

LuaControlWrapperBase::LuaControlWrapperBase(UI_NodeP node, lua_State* L)
    : mNode(std::move(node)),
      mLuaState(binding::MainState(L)),
      mSelf(std::make_shared<LuaControlWrapperBase*>(this)),
      mTimerNotify(std::make_shared<UI_Node::TimerNotifyFunction>(
          [self = mSelf](int id) { return *self != nullptr && (*self)->UI_DoTimerNotify(id); })) {}

LuaControlWrapperBase::~LuaControlWrapperBase() {
  *mSelf = nullptr;
  if (mNode) {
    for (const auto& timer : mTimers) mNode->UI_RemoveTimer(timer.first, true);
    mNode->UI_RemoveTimerNotifyFunction(mTimerNotify);
  }
}

bool LuaControlWrapperBase::UI_DoTimerNotify(int id) {
  const auto found = mTimers.find(id);
  if (found == mTimers.end()) return false;
  // The function may remove its own timer, or let the wrapper be collected, while it runs.
  const std::shared_ptr<const binding::LuaRef> function = found->second;
  function->Call();
  return true;
}

bool LuaControlWrapperBase::InstallTimer(float interval, binding::LuaRef function, int& timerId) {
  if (!mNode) return false;
  const int id = zelui::ui::UI_NodeManager::Get()->GetUniqueTimerID();
  mNode->UI_InstallTimer(interval, id);
  timerId = id;
  mNode->UI_InstallTimerNotifyFunction(mTimerNotify);
  mTimers[id] = std::make_shared<const binding::LuaRef>(std::move(function));
  return true;
}

void LuaControlWrapperBase::RemoveTimer(int id) {
  if (!mNode) return;
  mNode->UI_RemoveTimer(id, true);
  mTimers.erase(id);
}

void LuaControlWrapperBase::ReleaseNode() { mNode.reset(); }

namespace {

// The block of a full userdata of one pointer whose metatable has a function under the marker;
// null for any other value.
LuaControlWrapperBase** WrapperBlock(lua_State* L, int index) {
  if (lua_type(L, index) != LUA_TUSERDATA || lua_objlen(L, index) != sizeof(LuaControlWrapperBase*) ||
      !lua_getmetatable(L, index))
    return nullptr;
  lua_getfield(L, -1, kControlWrapperIdentifier);
  const bool marked = lua_isfunction(L, -1);
  lua_pop(L, 2);
  return marked ? static_cast<LuaControlWrapperBase**>(lua_touserdata(L, index)) : nullptr;
}

}  // namespace

namespace detail {

LuaControlWrapperBase** CheckWrapperBlock(lua_State* L, int index) {
  LuaControlWrapperBase** block = WrapperBlock(L, index);
  if (block == nullptr) luaL_error(L, "Bad user data");
  return block;
}

LuaControlWrapperBase** PushWrapperBlock(lua_State* L, const char* metaTableName) {
  luaL_getmetatable(L, metaTableName);
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!opened) {
    // A node handed to Lua before any script opened the controls still gets its methods.
    luaopen_LuaControls(L);
    lua_pop(L, 1);
  }
  auto* block = static_cast<LuaControlWrapperBase**>(lua_newuserdata(L, sizeof(LuaControlWrapperBase*)));
  *block = nullptr;
  luaL_getmetatable(L, metaTableName);
  ZELLUA_CHECK(lua_istable(L, -1));
  lua_setmetatable(L, -2);
  return block;
}

}  // namespace detail

LuaControlWrapperBase* GetControlUserData(lua_State* L, int index) {
  return *detail::CheckWrapperBlock(L, index);
}

UI_Node* GetControlNode(lua_State* L, int index) {
  LuaControlWrapperBase* wrapper = GetControlUserData(L, index);
  return wrapper != nullptr ? wrapper->GetNode() : nullptr;
}

void PushNodeOrNil(lua_State* L, UI_Node* node) {
  if (LuaControlWrapperFactory(UI_NodeP(node), L) == nullptr) lua_pushnil(L);
}

}  // namespace zellua::ui

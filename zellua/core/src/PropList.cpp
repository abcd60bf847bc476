// "PropList": the core framework's property lists. A userdata is a pointer and an owned flag and
// holds a counted reference to its list; a sub-list's userdata also keeps its parent's userdata
// alive (through its environment table). A list that was destroyed with __gc reports its use and
// gives no values.
#include "zellua/core/PropListLua.h"

#include <cstring>
#include <string>

#include "zelcore/PropList.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/Userdata.h"
#include "zellua/zellua.h"

namespace zellua::core {

const char* const kZelLuaPropListMetaTableName = "zellua.core.PropList";
const char* const kZelLuaPropListClassName = "PropList";

namespace {

using zelcore::proplist::PropList;
using Block = binding::OwnedPointer<PropList>;

Block* zellua_checkPropList(lua_State* L) {
  return binding::CheckUserdata<Block>(L, 1, kZelLuaPropListMetaTableName);
}

// The list of a userdata that still has one; null (after the report) for one that was destroyed.
PropList* LiveList(Block* block) {
  if (block->object == nullptr) ZELLUA_FAIL("Attempting to use a released PropList", nullptr);
  return block->object;
}

// The key argument, up to its first NUL byte.
std::string Key(const char* text) { return std::string(text, std::strlen(text)); }

// Lets go of the userdata's reference; the list goes with it unless somebody else holds it.
void ReleaseBlock(Block* block) {
  PropList* list = block->object;
  block->object = nullptr;
  block->owned = false;
  if (list) list->Release();
}

// A new not-owned userdata for the list, holding a counted reference.
Block* PushLent(lua_State* L, PropList& list) {
  luaL_getmetatable(L, kZelLuaPropListMetaTableName);
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!opened) {
    // A list lent before any script required the module still gets its methods.
    luaopen_zellua_proplist(L);
    lua_pop(L, 1);
  }
  Block* block = Block::Push(L, kZelLuaPropListMetaTableName);
  list.AddRef();
  block->object = &list;
  return block;
}

// Pushes a sub-list's userdata whose environment holds the parent's userdata (argument 1).
int PushSubList(lua_State* L, PropList& sub) {
  PushLent(L, sub);
  lua_createtable(L, 1, 0);
  lua_pushvalue(L, 1);
  lua_rawseti(L, -2, 1);
  lua_setfenv(L, -2);
  return 1;
}

int NewPropList(lua_State* L) {
  Block* block = Block::Push(L, kZelLuaPropListMetaTableName);
  auto* list = new PropList;
  list->AddRef();
  block->object = list;
  block->owned = true;
  return 1;
}

int Gc(lua_State* L) {
  ReleaseBlock(zellua_checkPropList(L));
  return 0;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaPropListClassName, zellua_checkPropList(L));
}

int GetStringValue(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  PropList* list = LiveList(block);
  if (!list) return 0;
  std::string value;
  if (!list->GetStringValue(Key(key), value)) return 0;
  lua_pushlstring(L, value.data(), value.size());
  return 1;
}

int SetStringValue(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  const char* value = luaL_checkstring(L, 3);
  PropList* list = LiveList(block);
  if (!list) return 0;
  list->SetStringValue(Key(key), Key(value));
  return 0;
}

int GetFloatValue(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  PropList* list = LiveList(block);
  if (!list) return 0;
  float value = 0.0f;
  if (!list->GetFloatValue(Key(key), value)) return 0;
  lua_pushnumber(L, static_cast<lua_Number>(value));
  return 1;
}

int SetFloatValue(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  const lua_Number number = luaL_checknumber(L, 3);
  PropList* list = LiveList(block);
  if (!list) return 0;
  list->SetFloatValue(Key(key), static_cast<float>(number));
  return 0;
}

int GetSubList(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  PropList* list = LiveList(block);
  if (!list) return 0;
  PropList* sub = list->GetSubList(Key(key));
  return sub ? PushSubList(L, *sub) : 0;
}

int NewSubList(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  PropList* list = LiveList(block);
  if (!list) return 0;
  return PushSubList(L, *list->NewSubList(Key(key)));
}

int RemoveValue(lua_State* L) {
  Block* block = zellua_checkPropList(L);
  const char* key = luaL_checkstring(L, 2);
  PropList* list = LiveList(block);
  if (!list) return 0;
  lua_pushboolean(L, list->RemoveValue(Key(key)));
  return 1;
}

int Clear(lua_State* L) {
  PropList* list = LiveList(zellua_checkPropList(L));
  if (list) list->Clear();
  return 0;
}

int GetPropertyNames(lua_State* L) {
  PropList* list = LiveList(zellua_checkPropList(L));
  if (!list) return 0;
  const auto names = list->GetPropertyNames();
  lua_createtable(L, static_cast<int>(names.size()), 0);
  int index = 0;
  for (const std::string& name : names) {
    lua_pushlstring(L, name.data(), name.size());
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

const luaL_Reg kMethods[] = {
    {"__gc", Gc},
    {"__tostring", ToString},
    {"GetStringValue", GetStringValue},
    {"SetStringValue", SetStringValue},
    {"GetFloatValue", GetFloatValue},
    {"SetFloatValue", SetFloatValue},
    {"GetSubList", GetSubList},
    {"NewSubList", NewSubList},
    {"RemoveValue", RemoveValue},
    {"Clear", Clear},
    {"GetPropertyNames", GetPropertyNames},
    {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"NewPropList", NewPropList}, {nullptr, nullptr}};

}  // namespace

int PushPropListToLua(lua_State* L, PropList& list) {
  PushLent(L, list);
  return 1;
}

}  // namespace zellua::core

extern "C" int luaopen_zellua_proplist(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::core::kZelLuaPropListMetaTableName;
  spec.methods[0] = zellua::core::kMethods;
  spec.className = zellua::core::kZelLuaPropListClassName;
  spec.functions = zellua::core::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

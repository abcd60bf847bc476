#pragma once
// What the drawing modules share: the metatable names of the resource types, their userdata
// blocks, and how a userdata of a type is made when no script has required its module yet.
extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zellua/binding/Userdata.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/zellua.h"
#include "zelui/limner/Limner.h"

namespace zellua::limner {

extern const char* const kZelLuaImageInterfaceMetaTableName;  // "zellua.zelImageInterface"
extern const char* const kZelLuaPathInterfaceMetaTableName;   // "zellua.zelPathInterface"
extern const char* const kZelLuaPenInterfaceMetaTableName;    // "zellua.limner.PenInterface"
extern const char* const kZelLuaShaderMetaTableName;          // "zellua.Shader"

// Paths, pens and shaders: a heap handle the userdata always owns.
using PathBlock = binding::OwnedPointer<::limner::PathP>;
using PenBlock = binding::OwnedPointer<::limner::PenP>;
using ShaderBlock = binding::OwnedPointer<::limner::ShaderP>;

// An image: one counted reference, null once released.
struct ImageBlock {
  ::limner::ImageInterface* image;
};

using binding::EnsureModuleOpen;
using binding::PushEmptyBlock;

// Takes a surface proxy out of the list of the context it was linked to, if any.
void UnlinkSurfaceProxy(LimnerProxy* surfaceProxy);

// The context of a live context proxy; null (after the out-of-scope report) for a dead one.
::limner::Limner* LiveContext(LimnerProxy* proxy);

// Self and argument checks of the resource types (argument errors for other values).
inline PathBlock* CheckPath(lua_State* L, int index) {
  return binding::CheckUserdata<PathBlock>(L, index, kZelLuaPathInterfaceMetaTableName);
}
inline PenBlock* CheckPen(lua_State* L, int index) {
  return binding::CheckUserdata<PenBlock>(L, index, kZelLuaPenInterfaceMetaTableName);
}
inline ShaderBlock* CheckShader(lua_State* L, int index) {
  return binding::CheckUserdata<ShaderBlock>(L, index, kZelLuaShaderMetaTableName);
}
inline ImageBlock* CheckImage(lua_State* L, int index) {
  return binding::CheckUserdata<ImageBlock>(L, index, kZelLuaImageInterfaceMetaTableName);
}

// A pen that was not released; null after the out-of-scope report.
const ::limner::PenP* LivePen(PenBlock* block);

// Lua numbers as the floats the drawing interface takes.
inline float CheckFloat(lua_State* L, int index) { return static_cast<float>(luaL_checknumber(L, index)); }
inline float OptFloat(lua_State* L, int index, float fallback) {
  return static_cast<float>(luaL_optnumber(L, index, fallback));
}

}  // namespace zellua::limner

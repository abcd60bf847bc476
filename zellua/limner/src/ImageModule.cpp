// "ImageInterface": images. The userdata holds one counted reference to its image until Release
// or collection; a released image gives no values (and reports nothing).
#include "LimnerInternal.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"

namespace zellua::limner {

const char* const kZelLuaImageInterfaceMetaTableName = "zellua.zelImageInterface";

namespace {

const char* const kZelLuaImageInterfaceClassName = "ImageInterface";

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaImageInterfaceClassName, CheckImage(L, 1)->image);
}

// Release and __gc: drops the reference; a second time does nothing.
int Release(lua_State* L) {
  ImageBlock* block = CheckImage(L, 1);
  ::limner::ImageInterface* image = block->image;
  block->image = nullptr;
  if (image) image->Release();
  return 0;
}

int GetWidth(lua_State* L) {
  const ::limner::ImageInterface* image = CheckImage(L, 1)->image;
  if (!image) return 0;
  lua_pushnumber(L, binding::ClampToInteger<int>(image->Width()));
  return 1;
}

int GetHeight(lua_State* L) {
  const ::limner::ImageInterface* image = CheckImage(L, 1)->image;
  if (!image) return 0;
  lua_pushnumber(L, binding::ClampToInteger<int>(image->Height()));
  return 1;
}

const luaL_Reg kMethods[] = {{"__gc", Release},           {"__tostring", ToString}, {"GetWidth", GetWidth},
                             {"GetHeight", GetHeight}, {"Release", Release},     {nullptr, nullptr}};

}  // namespace

int PushImageToLua(lua_State* L, ::limner::ImageInterface* image) {
  ImageBlock* block =
      PushEmptyBlock<ImageBlock>(L, kZelLuaImageInterfaceMetaTableName, luaopen_zellua_limner_zelImageInterface);
  if (image != nullptr) {
    image->AddRef();
    block->image = image;
  }
  return 1;
}

::limner::ImageInterface* zellua_checkImage(lua_State* L, int index) { return CheckImage(L, index)->image; }

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_zelImageInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaImageInterfaceMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaImageInterfaceClassName;
  spec.functions = zellua::binding::kNoFunctions;
  return zellua::binding::OpenModule(L, spec);
}

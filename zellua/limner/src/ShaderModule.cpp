// "Shader": gradients made by a context's supplier. The userdata owns a heap handle of the shader
// until Release or collection.
#include "LimnerInternal.h"
#include "zellua/binding/Module.h"
#include "zellua/limner/Converters.h"

namespace zellua::limner {

const char* const kZelLuaShaderMetaTableName = "zellua.Shader";

namespace {

const char* const kZelLuaShaderClassName = "Shader";

// newLinearShader / newRadialShader (context, point 1, point 2, colour 1, colour 2)
template <bool Radial>
int NewShader(lua_State* L) {
  LimnerProxy* proxy = zellua_checkLimner(L, 1);
  zelcore::PointF32 from, to;
  GetPointF32FromLua(L, 2, from);
  GetPointF32FromLua(L, 3, to);
  zelcore::ColorRGBA fromColor, toColor;
  GetColorRGBAFromLua(L, 4, fromColor);
  GetColorRGBAFromLua(L, 5, toColor);
  ::limner::Limner* context = LiveContext(proxy);
  if (!context || !context->GetSupplier()) return 0;
  ::limner::SupplierInterface* supplier = context->GetSupplier();
  ShaderBlock* block =
      PushEmptyBlock<ShaderBlock>(L, kZelLuaShaderMetaTableName, luaopen_zellua_limner_ShaderInterface);
  block->object = new ::limner::ShaderP(Radial ? supplier->CreateRadialShader(from, to, fromColor, toColor)
                                               : supplier->CreateLinearShader(from, to, fromColor, toColor));
  block->owned = true;
  return 1;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, "ShaderInterface", CheckShader(L, 1)->object);
}

// Release and __gc: deletes the handle; a second time does nothing.
int Release(lua_State* L) {
  CheckShader(L, 1)->Release();
  return 0;
}

const luaL_Reg kMethods[] = {{"__gc", Release}, {"__tostring", ToString}, {"Release", Release}, {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {
    {"newLinearShader", NewShader<false>}, {"newRadialShader", NewShader<true>}, {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_ShaderInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaShaderMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaShaderClassName;
  spec.functions = zellua::limner::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

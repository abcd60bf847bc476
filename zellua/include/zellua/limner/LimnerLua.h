#pragma once
// Drawing contexts and surfaces in Lua. Native code lends a drawing context for one call with a
// scope object (AcquireLimnerProxy): the context proxy, and every surface proxy a script takes from
// it, go dead when the scope ends, so a script that keeps them finds them out of scope later.
#include <map>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"

namespace limner {
class ImageInterface;
class Limner;
class SupplierInterface;
class SurfaceInterface;
}  // namespace limner

namespace zellua::limner {

extern const char* const kZelLuaLimnerMetaTableName;            // "zellua.zelLimner"
extern const char* const kZelLuaLimnerClassName;                // "zelLimner"
extern const char* const kZelLuaSurfaceInterfaceMetaTableName;  // "zellua.zelSurfaceInterface"
extern const char* const kZelLuaSurfaceInterfaceClassName;      // "zelSurfaceInterface"
extern const char* const kZelLuaSupplierInterfaceMetaTableName;  // "zellua.limner.zelSupplierInterface"
extern const char* const kZelLuaSupplierInterfaceClassName;      // "zelSupplierInterface"

// The userdata behind a drawing context or a surface. A context proxy is live while object is
// set, a surface proxy while surface is set; invalidating a proxy clears both.
struct LimnerProxy {
  // The drawing context (for a surface proxy: the context it came from, or null).
  ::limner::Limner* object;
  // Null for a context proxy; the surface for a surface proxy.
  ::limner::SurfaceInterface* surface;
  // For a context proxy: the surface proxy GetSurface made from it (kept alive by the context).
  LimnerProxy* cachedSurface;
  // For a context made by NewLimner: the surface proxy it was made over, whose context field it
  // fills and clears again when it goes.
  LimnerProxy* givenSurface;
  // Whether the proxy owns its object (a context from NewLimner; for a surface, one counted
  // reference).
  bool owned;
};

// Surface proxies made from context proxies of each drawing context, in creation order.
extern std::map<::limner::Limner*, std::vector<LimnerProxy*>> sLinkedObjects;

// Lends the context to Lua until the scope object goes: pushes a not-owned context proxy and sets
// results to 1. The proxy is anchored (it cannot be collected while the scope lasts); when the
// scope ends, the surface proxies made from the context and the proxy itself go dead.
class AcquireLimnerProxy {
 public:
  AcquireLimnerProxy(lua_State* L, ::limner::Limner* context, int& results);
  ~AcquireLimnerProxy();
  AcquireLimnerProxy(const AcquireLimnerProxy&) = delete;
  AcquireLimnerProxy& operator=(const AcquireLimnerProxy&) = delete;

 private:
  ::limner::Limner* mContext;
  LimnerProxy* mProxy;
  binding::LuaRef mAnchor;
};

// Pushes a not-owned context proxy without a scope: it stays live until released or collected.
// Hands the block back through out as well.
LimnerProxy* newProxyFromLimner(lua_State* L, ::limner::Limner* context, LimnerProxy** out = nullptr);

// Links a surface proxy made from a proxy of the context, so that the scope's end invalidates it.
void SurfaceBeginScope(::limner::Limner* context, LimnerProxy* surfaceProxy);
// Invalidates every surface proxy linked to the context and forgets them.
void InvalidateLimnerSubObjects(::limner::Limner* context);
void InvalidateProxy(LimnerProxy* proxy);

// Pushes a userdata for the supplier (never owned); returns 1.
int PushSupplierToLua(lua_State* L, ::limner::SupplierInterface* supplier);

// Pushes an image userdata holding a new reference to the image; a null image gives a userdata
// holding no image. Returns 1.
int PushImageToLua(lua_State* L, ::limner::ImageInterface* image);

// Self checks: the userdata at index with the type's metatable (argument error otherwise).
LimnerProxy* zellua_checkLimner(lua_State* L, int index);
LimnerProxy* zellua_checkSurface(lua_State* L, int index);
::limner::SupplierInterface* zellua_checkSupplier(lua_State* L, int index);
// The image of an image userdata; null once it was released.
::limner::ImageInterface* zellua_checkImage(lua_State* L, int index);

}  // namespace zellua::limner

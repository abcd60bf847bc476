// "zelLimner": drawing contexts. A context proxy is a LimnerProxy whose environment table keeps
// the surface proxies it refers to alive: [1] the one GetSurface made, [2] for a context of
// NewLimner the surface proxy it was made over. A context lent by native code is not owned and
// goes dead when its scope ends; a context of NewLimner is owned and holds a counted reference to
// its surface. A dead context reports "Attempting to use an out-of-scope Limner" and gives no
// values.
#include <algorithm>
#include <string>

#include "LimnerInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zelui/ControlView.h"
#include "zelui/controls/UI_ControlView.h"
#include "zelui/NodeManager.h"

namespace zellua::limner {

const char* const kZelLuaLimnerMetaTableName = "zellua.zelLimner";
const char* const kZelLuaLimnerClassName = "zelLimner";

std::map<::limner::Limner*, std::vector<LimnerProxy*>> sLinkedObjects;

namespace {

constexpr int kCachedSurfaceSlot = 1;
constexpr int kGivenSurfaceSlot = 2;

// A new empty context proxy with an environment table of its own.
LimnerProxy* PushContextProxy(lua_State* L) {
  LimnerProxy* proxy = PushEmptyBlock<LimnerProxy>(L, kZelLuaLimnerMetaTableName, luaopen_zellua_limner_zelLimner);
  lua_createtable(L, 2, 0);
  lua_setfenv(L, -2);
  return proxy;
}

LimnerProxy* PushSurfaceProxy(lua_State* L) {
  return PushEmptyBlock<LimnerProxy>(L, kZelLuaSurfaceInterfaceMetaTableName,
                                     luaopen_zellua_limner_zelSurfaceInterface);
}

// Keeps the value on top of the stack in a slot of the environment of the userdata at index.
void KeepInEnvironment(lua_State* L, int index, int slot) {
  lua_getfenv(L, index);
  lua_pushvalue(L, -2);
  lua_rawseti(L, -2, slot);
  lua_pop(L, 1);
}

// Lets go of a context proxy (Release and __gc): the surface proxy it made goes dead, the surface
// proxy it was made over forgets it, and an owned context is destroyed.
void DropContext(LimnerProxy* proxy) {
  if (LimnerProxy* cached = proxy->cachedSurface) {
    UnlinkSurfaceProxy(cached);
    InvalidateProxy(cached);
    proxy->cachedSurface = nullptr;
  }
  if (LimnerProxy* given = proxy->givenSurface) {
    if (given->object == proxy->object) given->object = nullptr;
    proxy->givenSurface = nullptr;
  }
  ::limner::Limner* context = proxy->object;
  const bool owned = proxy->owned;
  InvalidateProxy(proxy);
  proxy->owned = false;
  if (owned) delete context;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaLimnerClassName, zellua_checkLimner(L, 1)->object);
}

// Release and __gc.
int Release(lua_State* L) {
  DropContext(zellua_checkLimner(L, 1));
  return 0;
}

int CreateOffscreenSurface(lua_State* L) {
  LimnerProxy* proxy = zellua_checkLimner(L, 1);
  const int width = binding::CheckInteger<int>(L, 2);
  const int height = binding::CheckInteger<int>(L, 3);
  const bool opaque = lua_toboolean(L, 4) != 0;
  ::limner::Limner* context = LiveContext(proxy);
  if (!context || !context->GetSupplier()) return 0;
  LimnerProxy* surfaceProxy = PushSurfaceProxy(L);
  // Owned and never linked: it lives until released or collected.
  surfaceProxy->surface = context->GetSupplier()->CreateOffscreenSurface(width, height, opaque).detach();
  surfaceProxy->owned = true;
  return 1;
}

int GetSurface(lua_State* L) {
  LimnerProxy* proxy = zellua_checkLimner(L, 1);
  ::limner::Limner* context = LiveContext(proxy);
  if (!context) return 0;
  if (proxy->cachedSurface) {
    lua_getfenv(L, 1);
    lua_rawgeti(L, -1, kCachedSurfaceSlot);
    return 1;
  }
  LimnerProxy* surfaceProxy = PushSurfaceProxy(L);
  surfaceProxy->object = context;
  surfaceProxy->surface = context->GetSurface();
  KeepInEnvironment(L, 1, kCachedSurfaceSlot);
  proxy->cachedSurface = surfaceProxy;
  SurfaceBeginScope(context, surfaceProxy);
  return 1;
}

int GetSupplier(lua_State* L) {
  ::limner::Limner* context = LiveContext(zellua_checkLimner(L, 1));
  if (!context) return 0;
  return PushSupplierToLua(L, context->GetSupplier());
}

// Library functions.

int SetRedrawDebugFlashDelay(lua_State* L) {
  zelui::ui::SetRedrawDebugFlashDelay(binding::CheckInteger<std::uint32_t>(L, 1));
  return 0;
}

int NewLimner(lua_State* L) {
  LimnerProxy* surfaceProxy = zellua_checkSurface(L, 1);
  if (!surfaceProxy->surface) ZELLUA_FAIL("Attempting to use an out-of-scope SurfaceInterface", 0);
  ::limner::SupplierInterface* supplier = surfaceProxy->surface->GetSupplier();
  if (!supplier) supplier = zelui::ui::UI_NodeManager::Get()->GetDefaultSupplier();
  LimnerProxy* proxy = PushContextProxy(L);
  proxy->object = new ::limner::Limner(supplier, surfaceProxy->surface);
  proxy->owned = true;
  lua_pushvalue(L, 1);
  KeepInEnvironment(L, -2, kGivenSurfaceSlot);
  lua_pop(L, 1);
  proxy->givenSurface = surfaceProxy;
  surfaceProxy->object = proxy->object;
  return 1;
}

// MeasureStringWidth(text [, size [, font name]]): with the default supplier's font.
int MeasureStringWidth(lua_State* L) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  const float size = OptFloat(L, 2, zelui::controls::UI_ControlView::DefaultTextSize());
  const char* fontName = luaL_optstring(L, 3, nullptr);
  ::limner::SupplierInterface* supplier = zelui::ui::UI_NodeManager::Get()->GetDefaultSupplier();
  const ::limner::FontP font =
      supplier->CreateFont(fontName ? zelcore::UTF8to16(fontName) : zelui::ui::GetFontName(0), size);
  lua_pushnumber(L, font->MeasureStringWidth(zelcore::UTF8to16(std::string(text, length))));
  return 1;
}

const luaL_Reg kMethods[] = {{"__gc", Release},
                             {"__tostring", ToString},
                             {"CreateOffscreenSurface", CreateOffscreenSurface},
                             {"GetSurface", GetSurface},
                             {"GetSupplier", GetSupplier},
                             {"Release", Release},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"SetRedrawDebugFlashDelay", SetRedrawDebugFlashDelay},
                               {"NewLimner", NewLimner},
                               {"MeasureStringWidth", MeasureStringWidth},
                               {nullptr, nullptr}};

}  // namespace

::limner::Limner* LiveContext(LimnerProxy* proxy) {
  if (!proxy->object) ZELLUA_FAIL("Attempting to use an out-of-scope Limner", nullptr);
  return proxy->object;
}

LimnerProxy* zellua_checkLimner(lua_State* L, int index) {
  return binding::CheckUserdata<LimnerProxy>(L, index, kZelLuaLimnerMetaTableName);
}

LimnerProxy* newProxyFromLimner(lua_State* L, ::limner::Limner* context, LimnerProxy** out) {
  LimnerProxy* proxy = PushContextProxy(L);
  proxy->object = context;
  if (out) *out = proxy;
  return proxy;
}

AcquireLimnerProxy::AcquireLimnerProxy(lua_State* L, ::limner::Limner* context, int& results)
    : mContext(context), mProxy(newProxyFromLimner(L, context)), mAnchor(L, -1) {
  results = 1;
}

AcquireLimnerProxy::~AcquireLimnerProxy() {
  // Once the state is closed its proxies are gone, and their collection unlinked them.
  if (!mAnchor.IsValid()) return;
  InvalidateLimnerSubObjects(mContext);
  InvalidateProxy(mProxy);
}

void SurfaceBeginScope(::limner::Limner* context, LimnerProxy* surfaceProxy) {
  sLinkedObjects[context].push_back(surfaceProxy);
}

void InvalidateLimnerSubObjects(::limner::Limner* context) {
  const auto found = sLinkedObjects.find(context);
  if (found == sLinkedObjects.end()) return;
  for (LimnerProxy* proxy : found->second) InvalidateProxy(proxy);
  sLinkedObjects.erase(found);
}

void InvalidateProxy(LimnerProxy* proxy) {
  proxy->object = nullptr;
  proxy->surface = nullptr;
}

void UnlinkSurfaceProxy(LimnerProxy* surfaceProxy) {
  for (auto it = sLinkedObjects.begin(); it != sLinkedObjects.end(); ++it) {
    auto& list = it->second;
    const auto found = std::find(list.begin(), list.end(), surfaceProxy);
    if (found == list.end()) continue;
    list.erase(found);
    if (list.empty()) sLinkedObjects.erase(it);
    return;
  }
}

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_zelLimner(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaLimnerMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaLimnerClassName;
  spec.functions = zellua::limner::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

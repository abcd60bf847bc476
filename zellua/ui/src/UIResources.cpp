// "zelUIResources": a resources userdata holds two borrowed pointers, a resource manager and the
// image cache drawn from it, taken from the framework that owns them; collecting it frees
// nothing.
#include "zellua/ui/LuaUIResources.h"

#include <cstdint>
#include <cstring>
#include <exception>

#include "arx/app/App.h"
#include "arx/app/ImageCache.h"
#include "arx/app/ResourceManager.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/LimnerLua.h"
#include "zelui/NodeManager.h"
#include "zelui/resources/Resources.h"

namespace zellua::ui {

const char* const kZelLuaResourcesMetaTableName = "zellua.zelUIResources";

namespace {

const char* const kZelLuaResourcesClassName = "zelUIResources";

// The accessor names getResources knows; each is also a field of the library holding itself.
const char* const kUIFrameworkResources = "zelui_resources";
const char* const kAppFrameworkResources = "arx_resources";
const char* const kAppResources = "app_resources";

using zelui::resources::LimnerImageResourceCache;
using zelui::resources::ResourceManager;

struct ResourcesBlock {
  ResourceManager* resources;
  LimnerImageResourceCache* images;
};

ResourcesBlock* CheckResources(lua_State* L, int index) {
  return binding::CheckUserdata<ResourcesBlock>(L, index, kZelLuaResourcesMetaTableName);
}

int Push(lua_State* L, ResourceManager* resources, LimnerImageResourceCache* images) {
  auto* block = binding::PushEmptyBlock<ResourcesBlock>(L, kZelLuaResourcesMetaTableName, luaopen_zelluaResources);
  block->resources = resources;
  block->images = images;
  return 1;
}

// getResources(name): the resources of the named layer; nothing for the application's before
// there is an application object.
int GetResources(lua_State* L) {
  const char* name = luaL_checkstring(L, 1);
  if (std::strcmp(name, kUIFrameworkResources) == 0) {
    zelui::ui::UI_NodeManager* manager = zelui::ui::UI_NodeManager::Get();
    return Push(L, &manager->GetResourceManager(), &manager->GetImageResourceCache());
  }
  if (std::strcmp(name, kAppFrameworkResources) == 0) {
    return Push(L, &arx::app::GetAppResourceManager(), &arx::app::GetAppImageCache());
  }
  if (std::strcmp(name, kAppResources) == 0) {
    const arx::app::App* app = arx::app::App::GetApp();
    if (app == nullptr) return 0;
    return Push(L, &app->GetResourceManager(), &app->GetImageCache());
  }
  return luaL_error(L, "resource accessor '%s' not found", name);
}

// Pushes the cache's image (a userdata holding none for a null image); false, nothing pushed,
// when the cache raises.
bool PushCachedImage(lua_State* L, const ResourcesBlock& block, ::limner::SupplierInterface* supplier,
                     const zelcore::UTF16String& name) {
  ::limner::ImageP image;
  try {
    image = block.images->GetImage(*block.resources, supplier, name, 1);
  } catch (const std::exception&) {
    return false;
  }
  limner::PushImageToLua(L, image.get());
  return true;
}

// resources:getImage(supplier, name)
int GetImage(lua_State* L) {
  const ResourcesBlock* block = CheckResources(L, 1);
  ::limner::SupplierInterface* supplier = limner::zellua_checkSupplier(L, 2);
  const char* name = luaL_checkstring(L, 3);
  ZELLUA_ASSERT(block->resources != nullptr && block->images != nullptr, 0);
  // The error is raised here, once no C++ object of the look-up is alive.
  if (!PushCachedImage(L, *block, supplier, zelcore::UTF8to16(name))) return luaL_error(L, "image '%s' not found", name);
  return 1;
}

// resources:DisplayCursor(id)
int DisplayCursor(lua_State* L) {
  const ResourcesBlock* block = CheckResources(L, 1);
  const int cursorId = binding::CheckInteger<int>(L, 2);
  ZELLUA_ASSERT(block->resources != nullptr, 0);
  block->resources->DisplayCursor(cursorId);
  return 0;
}

// DisplayCursorFromImage(image, [x = -1], [y = -1]): -1 lets the framework choose the hot spot.
int DisplayCursorFromImage(lua_State* L) {
  const ::limner::ImageInterface* image = limner::zellua_checkImage(L, 1);
  const auto x = binding::OptInteger<std::int16_t>(L, 2, -1);
  const auto y = binding::OptInteger<std::int16_t>(L, 3, -1);
  if (image == nullptr) ZELLUA_FAIL("\"Attempting to use an out-of-scope ImageInterface\" && 0", 0);
  zelui::resources::DisplayCursorFromImage(*image, x, y);
  return 0;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaResourcesClassName, CheckResources(L, 1));
}

// The pointers are borrowed: nothing to free.
int Collect(lua_State*) { return 0; }

const luaL_Reg kMethods[] = {{"__gc", Collect},
                             {"__tostring", ToString},
                             {"getImage", GetImage},
                             {"DisplayCursor", DisplayCursor},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"getResources", GetResources},
                               {"DisplayCursorFromImage", DisplayCursorFromImage},
                               {nullptr, nullptr}};

}  // namespace

int luaopen_zelluaResources(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaResourcesMetaTableName;
  spec.methods[0] = kMethods;
  spec.className = kZelLuaResourcesClassName;
  spec.functions = kFunctions;
  binding::OpenModule(L, spec);
  for (const char* accessor : {kUIFrameworkResources, kAppFrameworkResources, kAppResources}) {
    lua_pushstring(L, accessor);
    lua_setfield(L, -2, accessor);
  }
  return 1;
}

int PushResourcesToLua(lua_State* L, ResourceManager* resourceManager, LimnerImageResourceCache* imageCache,
                       const zelcore::Dir&) {
  return Push(L, resourceManager, imageCache);
}

}  // namespace zellua::ui

extern "C" int luaopen_zellua_zelUIResources(lua_State* L) { return zellua::ui::luaopen_zelluaResources(L); }

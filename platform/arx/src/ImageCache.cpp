#include "arx/app/ImageCache.h"

#include "arx/app/App.h"
#include "arx/app/ResourceManager.h"

namespace arx::app {

zelui::resources::LimnerImageResourceCache& ResourceManager::GetLimnerImageCache() const { return GetAppImageCache(); }

zelui::resources::ResourceManager& AppBase::GetResourceManager() const { return GetAppResourceManager(); }

zelui::resources::LimnerImageResourceCache& AppBase::GetImageCache() const { return GetAppImageCache(); }

zelui::resources::LimnerImageResourceCache& GetAppImageCache() {
  static zelui::resources::LimnerImageResourceCache cache;
  return cache;
}

}  // namespace arx::app

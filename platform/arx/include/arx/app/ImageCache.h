#pragma once
// The application's image cache: images read from "png" resources by name, made once and shared.
#include <map>

#include "arx/app/ResourceManager.h"
#include "zelui/ResourceImageCache.h"
#include "zelui/limner/Limner.h"

namespace arx::app {

class ImageCache : public zelui::ResourceImageCache {
 public:
  // The image of the resource (name, "png") at the scale, for drawing with the supplier's
  // contexts; null when there is no such resource or it is not an image.
  limner::ImageP GetImage(const zelui::ResourceReader& resources, limner::SupplierInterface* supplier,
                          const zelcore::UTF16String& name, float scale) override;
  void Clear() { mImages.clear(); }

 private:
  std::map<std::pair<zelcore::UTF16String, float>, limner::ImageP> mImages;
};

ImageCache& GetAppImageCache();

}  // namespace arx::app

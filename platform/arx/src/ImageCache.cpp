#include "arx/app/ImageCache.h"

#include "os/StatusBar.h"

namespace arx::app {

limner::ImageP ImageCache::GetImage(const zelui::ResourceReader& resources, limner::SupplierInterface*,
                                    const zelcore::UTF16String& name, float scale) {
  const auto key = std::make_pair(name, scale);
  const auto cached = mImages.find(key);
  if (cached != mImages.end()) return cached->second;
  std::string bytes;
  if (!resources.Read(name, u"png", bytes)) return nullptr;
  const auto decoded = os::Image::FromData(bytes);
  if (decoded->IsEmpty()) return nullptr;
  limner::ImageP image(new limner::ImageInterface(name, static_cast<float>(decoded->Width() * scale),
                                                  static_cast<float>(decoded->Height() * scale)));
  mImages[key] = image;
  return image;
}

ImageCache& ResourceManager::GetLimnerImageCache() const { return GetAppImageCache(); }

ImageCache& GetAppImageCache() {
  static ImageCache cache;
  return cache;
}

}  // namespace arx::app

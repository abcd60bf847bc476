#pragma once
// Where the UI framework gets the images it draws from the application's resources: the
// application framework's image cache is one.
#include "zelcore/Strings.h"
#include "zelui/ResourceReader.h"
#include "zelui/limner/Limner.h"

namespace zelui {

class ResourceImageCache {
 public:
  virtual ~ResourceImageCache() = default;
  // The image of the resource (name, "png") at the scale, for drawing with the supplier's
  // contexts; null when there is no such resource or it is not an image.
  virtual limner::ImageP GetImage(const ResourceReader& resources, limner::SupplierInterface* supplier,
                                  const zelcore::UTF16String& name, float scale) = 0;
};

}  // namespace zelui

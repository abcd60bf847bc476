#pragma once
// Application resources by name and type: bytes a test put in memory, else the file
// "<name>.<type>" in the application's Resources folder.
#include <string>

#include "zelcore/Strings.h"
#include "zelui/ResourceReader.h"

namespace arx::app {

class ImageCache;

class ResourceManager : public zelui::ResourceReader {
 public:
  bool Exists(const zelcore::UTF16String& name, const zelcore::UTF16String& type) const;
  // Replaces bytes with the resource's content; false when there is no such resource.
  bool Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type, std::string& bytes) const override;
  // The cache of the images drawn from these resources: the application's image cache.
  ImageCache& GetLimnerImageCache() const;
};

ResourceManager& GetAppResourceManager();

}  // namespace arx::app

#pragma once
// Application resources by name and type: bytes a test put in memory, else the file
// "<name>.<type>" in the application's Resources folder.
#include <string>

#include "zelcore/Strings.h"
#include "zelui/resources/Resources.h"

namespace arx::app {

class ResourceManager : public zelui::resources::ResourceManager {
 public:
  bool Exists(const zelcore::UTF16String& name, const zelcore::UTF16String& type) const override;
  // Replaces bytes with the resource's content; false when there is no such resource.
  bool Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type, std::string& bytes) const override;
  // The cache of the images drawn from these resources: the application's image cache.
  zelui::resources::LimnerImageResourceCache& GetLimnerImageCache() const;
};

ResourceManager& GetAppResourceManager();

}  // namespace arx::app

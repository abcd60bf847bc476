#pragma once
// Resources of the UI framework: a resource manager (bytes by name and type, and the cursors it
// displays), the image cache that makes counted images from "png" resources, the icon type, and
// cursors made from images. The framework's own manager and cache are reached through the free
// accessors below; the node manager keeps them. Other layers (the application framework) derive
// their managers from this one and use the same cache type.
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "zelcore/Strings.h"
#include "zelui/limner/Limner.h"

namespace zelui::resources {

class ResourceManager {
 public:
  ResourceManager() = default;
  ResourceManager(const ResourceManager&) = delete;
  ResourceManager& operator=(const ResourceManager&) = delete;
  virtual ~ResourceManager();

  // The resources held in memory (tests fill them through zelui/testing.h); a derived manager
  // looks further.
  virtual bool Exists(const zelcore::UTF16String& name, const zelcore::UTF16String& type) const;
  // Replaces bytes with the resource's content; false, bytes untouched, when there is none.
  virtual bool Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type, std::string& bytes) const;
  // Shows the cursor with the id (recorded for tests).
  void DisplayCursor(int cursorId);

 private:
  // Tests fill the resources (zelui/testing.h).
  friend struct ResourcesTestAccess;
  std::map<std::pair<zelcore::UTF16String, zelcore::UTF16String>, std::string> mResources;
};

// Images by name, read once from the resource manager's "png" resources and shared.
class LimnerImageResourceCache {
 public:
  LimnerImageResourceCache() = default;
  LimnerImageResourceCache(const LimnerImageResourceCache&) = delete;
  LimnerImageResourceCache& operator=(const LimnerImageResourceCache&) = delete;
  virtual ~LimnerImageResourceCache();

  // The image of that name for drawing with the supplier's contexts; the flags are the toolkit's.
  // An image the resources do not hold (or that is no image) gives null, or, when the cache is
  // set to (zelui/testing.h), throws std::runtime_error.
  virtual limner::ImageP GetImage(const ResourceManager& resources, limner::SupplierInterface* supplier,
                                  const zelcore::UTF16String& name, int flags);

 private:
  friend struct ResourcesTestAccess;
  std::map<zelcore::UTF16String, limner::ImageP> mImages;
  bool mMissingThrows = false;
};

// The UI framework's resource manager and image cache.
ResourceManager& GetUIResourceManager();
LimnerImageResourceCache& GetUIImageResourceCache();

// The icon theme: 0 light, 1 dark.
int GetIconType();

// Shows a cursor made from the image with the hot spot (-1: the framework chooses).
void DisplayCursorFromImage(const limner::ImageInterface& image, std::int16_t hotSpotX, std::int16_t hotSpotY);

}  // namespace zelui::resources

#include "zelui/resources/Resources.h"

#include <stdexcept>
#include <vector>

#include "os/StatusBar.h"
#include "zelui/ui/ControlsTesting.h"

namespace zelui::resources {

struct ResourcesTestAccess {
  static void SetResource(ResourceManager& manager, const zelcore::UTF16String& name,
                          const zelcore::UTF16String& type, const std::string& bytes) {
    manager.mResources[{name, type}] = bytes;
  }
  static void Clear(ResourceManager& manager) { manager.mResources.clear(); }
  static void Clear(LimnerImageResourceCache& cache) {
    cache.mImages.clear();
    cache.mMissingThrows = false;
  }
  static void SetMissingImagesThrow(LimnerImageResourceCache& cache, bool throws) { cache.mMissingThrows = throws; }
};

namespace {

int gIconType = 0;

std::vector<testing::DisplayedCursor>& Cursors() {
  static std::vector<testing::DisplayedCursor> cursors;
  return cursors;
}

}  // namespace

ResourceManager::~ResourceManager() = default;

bool ResourceManager::Exists(const zelcore::UTF16String& name, const zelcore::UTF16String& type) const {
  return mResources.count({name, type}) != 0;
}

bool ResourceManager::Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type,
                           std::string& bytes) const {
  const auto it = mResources.find({name, type});
  if (it == mResources.end()) return false;
  bytes = it->second;
  return true;
}

void ResourceManager::DisplayCursor(int cursorId) {
  testing::DisplayedCursor cursor;
  cursor.cursorId = cursorId;
  Cursors().push_back(cursor);
}

LimnerImageResourceCache::~LimnerImageResourceCache() = default;

limner::ImageP LimnerImageResourceCache::GetImage(const ResourceManager& resources, limner::SupplierInterface*,
                                                  const zelcore::UTF16String& name, int) {
  const auto cached = mImages.find(name);
  if (cached != mImages.end()) return cached->second;
  std::string bytes;
  const auto decoded = resources.Read(name, u"png", bytes) ? os::Image::FromData(bytes) : nullptr;
  if (!decoded || decoded->IsEmpty()) {
    if (mMissingThrows) throw std::runtime_error("no image named " + zelcore::UTF16to8(name));
    return nullptr;
  }
  limner::ImageP image(new limner::ImageInterface(name, static_cast<float>(decoded->Width()),
                                                  static_cast<float>(decoded->Height())));
  mImages[name] = image;
  return image;
}

ResourceManager& GetUIResourceManager() {
  static ResourceManager manager;
  return manager;
}

LimnerImageResourceCache& GetUIImageResourceCache() {
  static LimnerImageResourceCache cache;
  return cache;
}

int GetIconType() { return gIconType; }

void DisplayCursorFromImage(const limner::ImageInterface& image, std::int16_t hotSpotX, std::int16_t hotSpotY) {
  testing::DisplayedCursor cursor;
  cursor.fromImage = true;
  cursor.imageName = image.Name();
  cursor.hotSpotX = hotSpotX;
  cursor.hotSpotY = hotSpotY;
  Cursors().push_back(cursor);
}

}  // namespace zelui::resources

namespace zelui::testing {

using resources::ResourcesTestAccess;

void SetResource(resources::ResourceManager& manager, const zelcore::UTF16String& name,
                 const zelcore::UTF16String& type, const std::string& bytes) {
  ResourcesTestAccess::SetResource(manager, name, type, bytes);
}

void ClearResources(resources::ResourceManager& manager) { ResourcesTestAccess::Clear(manager); }

void ClearImages(resources::LimnerImageResourceCache& cache) { ResourcesTestAccess::Clear(cache); }

void SetUIResource(const zelcore::UTF16String& name, const zelcore::UTF16String& type, const std::string& bytes) {
  SetResource(resources::GetUIResourceManager(), name, type, bytes);
}

void ClearUIResources() {
  ClearResources(resources::GetUIResourceManager());
  ClearImages(resources::GetUIImageResourceCache());
}

void SetMissingImagesThrow(resources::LimnerImageResourceCache& cache, bool throws) {
  ResourcesTestAccess::SetMissingImagesThrow(cache, throws);
}

void SetIconType(int type) { resources::gIconType = type; }

const std::vector<DisplayedCursor>& DisplayedCursors() { return resources::Cursors(); }
void ResetCursors() { resources::Cursors().clear(); }

}  // namespace zelui::testing

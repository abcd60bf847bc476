#include "arx/app/ResourceManager.h"

#include <cstdint>

#include "arx/app/ImageCache.h"
#include "arx/testing.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"
#include "zelui/testing.h"

namespace arx::app {

namespace {

zelcore::File ResourceFile(const zelcore::UTF16String& name, const zelcore::UTF16String& type) {
  return zelcore::File(zelcore::Dir::ResourcesDir(), name + u"." + type);
}

bool IsPlainName(const zelcore::UTF16String& name) {
  return !name.empty() && name.find(u'/') == zelcore::UTF16String::npos && name != u"." && name != u"..";
}

}  // namespace

bool ResourceManager::Exists(const zelcore::UTF16String& name, const zelcore::UTF16String& type) const {
  if (zelui::resources::ResourceManager::Exists(name, type)) return true;
  return IsPlainName(name) && IsPlainName(type) && ResourceFile(name, type).Exists();
}

bool ResourceManager::Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type,
                           std::string& bytes) const {
  if (zelui::resources::ResourceManager::Read(name, type, bytes)) return true;
  if (!IsPlainName(name) || !IsPlainName(type)) return false;
  // A resource is a regular file of a sane size; a pipe or a device in its place is no resource.
  constexpr std::uint64_t kMaxResourceBytes = std::uint64_t{64} << 20;
  return zelcore::FileUtils::ReadRegularFile(ResourceFile(name, type).Path(), kMaxResourceBytes, bytes);
}

ResourceManager& GetAppResourceManager() {
  static ResourceManager manager;
  return manager;
}

}  // namespace arx::app

namespace arx::testing {

void SetResource(const zelcore::UTF16String& name, const zelcore::UTF16String& type, const std::string& bytes) {
  zelui::testing::SetResource(app::GetAppResourceManager(), name, type, bytes);
}

void ClearResources() {
  zelui::testing::ClearResources(app::GetAppResourceManager());
  zelui::testing::ClearImages(app::GetAppImageCache());
}

}  // namespace arx::testing

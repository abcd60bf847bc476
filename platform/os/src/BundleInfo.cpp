#include "os/BundleInfo.h"

#include <map>

#include "os/testing.h"

namespace os {

namespace {

// The information dictionary the build gives the bundle, held in memory.
std::map<std::string, std::u16string> DefaultInfo() { return {{"CFBundleVersion", u"1.0"}}; }

std::map<std::string, std::u16string>& Info() {
  static std::map<std::string, std::u16string> info = DefaultInfo();
  return info;
}

}  // namespace

bool MainBundleInfoValue(const std::string& key, std::u16string& value) {
  const auto it = Info().find(key);
  if (it == Info().end()) return false;
  value = it->second;
  return true;
}

namespace testing {

void SetMainBundleInfoValue(const std::string& key, const std::u16string& value) { Info()[key] = value; }
void RemoveMainBundleInfoValue(const std::string& key) { Info().erase(key); }
void ResetMainBundleInfo() { Info() = DefaultInfo(); }

}  // namespace testing

}  // namespace os

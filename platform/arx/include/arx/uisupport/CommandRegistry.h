#pragma once
// The application's command registry, loaded from the "CommandRegistry" resource.
#include <string>
#include <vector>

namespace arx::uisupport {

class CommandRegistry {
 public:
  static CommandRegistry& Get();
  // Keeps the registry description; false for an empty buffer.
  bool LoadFromBuffer(const std::string& bytes);
  const std::vector<std::string>& LoadedBuffers() const { return mBuffers; }

 private:
  std::vector<std::string> mBuffers;
};

}  // namespace arx::uisupport

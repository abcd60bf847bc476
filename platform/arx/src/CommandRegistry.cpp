#include "arx/uisupport/CommandRegistry.h"

namespace arx::uisupport {

CommandRegistry& CommandRegistry::Get() {
  static CommandRegistry registry;
  return registry;
}

bool CommandRegistry::LoadFromBuffer(const std::string& bytes) {
  if (bytes.empty()) return false;
  mBuffers.push_back(bytes);
  return true;
}

}  // namespace arx::uisupport

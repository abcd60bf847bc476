#pragma once
// The application's command registry, loaded from the "CommandRegistry" resource.
#include <map>
#include <string>
#include <vector>

#include "zelcore/Strings.h"

namespace arx::uisupport {

class CommandRegistry {
 public:
  static CommandRegistry& Get();
  // Keeps the registry description and learns its commands, each an element
  // <Command name="Name" id="N"/>; false for an empty buffer.
  bool LoadFromBuffer(const std::string& bytes);
  const std::vector<std::string>& LoadedBuffers() const { return mBuffers; }
  // The id of the command with that name; 0 for a name no description gave.
  int CommandIDForName(const zelcore::UTF16String& name) const;

 private:
  std::vector<std::string> mBuffers;
  std::map<zelcore::UTF16String, int> mIds;
};

}  // namespace arx::uisupport

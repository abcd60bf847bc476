#pragma once
// The application's command registry, loaded from the "CommandRegistry" resource.
#include <map>
#include <string>

#include "zelcore/Strings.h"

namespace arx::uisupport {

class CommandRegistry {
 public:
  static CommandRegistry& Get();
  // Learns the commands of a registry description, each an element <Command name="Name" id="N"/>;
  // false for an empty buffer.
  bool LoadFromBuffer(const std::string& bytes);
  // The id of the command with that name; 0 for a name no description gave.
  int CommandIDForName(const zelcore::UTF16String& name) const;

 private:
  std::map<zelcore::UTF16String, int> mIds;
};

}  // namespace arx::uisupport

#pragma once
// Where the UI framework reads the application's resources, by name and type. The application
// framework's resource manager is one; the UI framework does not know it otherwise.
#include <string>

#include "zelcore/Strings.h"

namespace zelui {

class ResourceReader {
 public:
  virtual ~ResourceReader() = default;
  // Replaces bytes with the resource's content; false when there is no such resource.
  virtual bool Read(const zelcore::UTF16String& name, const zelcore::UTF16String& type, std::string& bytes) const = 0;
};

}  // namespace zelui

#include "FileBytes.h"

#include "zelcore/FileUtils.h"

namespace zelcore::xml {

bool ReadFileBytes(const UTF16String& path, std::string& bytes) {
  return FileUtils::ReadRegularFile(utility::UTF16to8(path), kMaxDocumentBytes, bytes);
}

}  // namespace zelcore::xml

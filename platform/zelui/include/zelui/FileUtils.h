#pragma once
// The UI framework's file operations that involve the platform's file browser.
#include "zelcore/Files.h"

namespace zelui {

struct FileUtils {
  // Shows the file in the platform's file browser.
  static void RevealFile(const zelcore::File& file);
  // Shows the file's folder in the platform's file browser with the file selected.
  static void RevealAndSelectFile(const zelcore::File& file);
};

}  // namespace zelui

#pragma once
// What only tests do with the UI framework stand-in.
#include <string>
#include <vector>

namespace zelui::testing {

// Files shown in the file browser, oldest first: the UTF-8 path and whether it was selected.
struct RevealedFile {
  std::string path;
  bool selected;
};
const std::vector<RevealedFile>& RevealedFiles();
void ResetRevealedFiles();

}  // namespace zelui::testing

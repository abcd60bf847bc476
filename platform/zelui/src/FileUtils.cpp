#include "zelui/FileUtils.h"

#include "zelui/testing.h"

namespace zelui {

namespace {

std::vector<testing::RevealedFile>& Revealed() {
  static std::vector<testing::RevealedFile> revealed;
  return revealed;
}

}  // namespace

// The file browser is outside the process: the stand-in records what it was asked to show.
void FileUtils::RevealFile(const zelcore::File& file) { Revealed().push_back({file.Path().string(), false}); }

void FileUtils::RevealAndSelectFile(const zelcore::File& file) { Revealed().push_back({file.Path().string(), true}); }

namespace testing {

const std::vector<RevealedFile>& RevealedFiles() { return Revealed(); }
void ResetRevealedFiles() { Revealed().clear(); }

}  // namespace testing

}  // namespace zelui

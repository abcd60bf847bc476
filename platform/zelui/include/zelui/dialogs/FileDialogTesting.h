#pragma once
// What only tests do with the file dialogs (through zelui/testing.h): choose what the user
// chooses, and read what each dialog showed.
#include <string>
#include <utility>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/dialogs/FileDialogs.h"

namespace zelui::testing {

// How the user ends the next file dialog: the result (1 chosen, 0 cancelled) and the full paths
// of what was chosen, in order. A dialog gives only what a user could choose: one item unless it
// is an open dialog allowing several, and a result of 1 with nothing chosen is a cancel.
struct FileDialogAnswer {
  int result = dialogs::kFileDialog_Cancelled;
  std::vector<std::string> paths;
  static FileDialogAnswer Chosen(std::vector<std::string> paths) {
    return {dialogs::kFileDialog_Chosen, std::move(paths)};
  }
  static FileDialogAnswer Cancelled() { return {}; }
};
// Answers for the next file dialogs, oldest first; with none left a dialog is cancelled.
void QueueFileDialogAnswer(FileDialogAnswer answer);

// What a file dialog showed when it ran, and how it ended. The parent is for comparison only: it
// may be gone.
struct FileDialogRun {
  dialogs::FileDialogKind kind = dialogs::FileDialogKind::kOpen;
  zelcore::UTF16String title;
  // The start folder's full path; empty when none was set.
  zelcore::UTF16String startFolder;
  dialogs::FileDialogFilterList filters;
  int defaultFilter = 0;
  int flags = 0;
  // The proposed name (save-as only).
  zelcore::UTF16String proposedName;
  const ui::OS_Window* parent = nullptr;
  int result = dialogs::kFileDialog_Cancelled;
  // The full paths the dialog gave back.
  std::vector<std::string> chosen;
};
const std::vector<FileDialogRun>& FileDialogRuns();
// Forgets the runs and the answers not used.
void ResetFileDialogs();

}  // namespace zelui::testing

#pragma once
// What only tests do with the UI framework stand-in: read the files revealed, answer modal dialogs
// and read what they showed.
#include <map>
#include <string>
#include <vector>

#include "zelui/ArchivedDialog.h"
#include "zelui/ui/ControlsTesting.h"
#include "zelui/ui/NodeTesting.h"

namespace zelui::testing {

// Files shown in the file browser, oldest first: the UTF-8 path and whether it was selected.
struct RevealedFile {
  std::string path;
  bool selected;
};
const std::vector<RevealedFile>& RevealedFiles();
void ResetRevealedFiles();


// How the user ends the next modal dialog: the items chosen in its popups (popup name -> item
// text), then OK or cancel.
struct DialogAnswer {
  bool ok = false;
  std::map<zelcore::UTF16String, zelcore::UTF16String> choices;
};
// Answers for the next dialogs, oldest first; with none left a dialog is cancelled.
void QueueDialogAnswer(DialogAnswer answer);

// What a modal dialog showed when it ran, and how it ended.
struct DialogRecord {
  zelcore::UTF16String resourceName, title;
  const zelworkspace::DrawSupplier* supplier = nullptr;
  const ui::OS_Window* parent = nullptr;
  // Names of the buttons set as OK and cancel button (empty when none was set).
  zelcore::UTF16String okButton, cancelButton;
  std::map<zelcore::UTF16String, ui::RectF> rects;
  std::map<zelcore::UTF16String, std::vector<zelcore::UTF16String>> popupItems;
  // Each popup's value when the dialog was shown.
  std::map<zelcore::UTF16String, zelcore::UTF16String> popupValues;
  ui::ModalResult result = ui::kModalCancel;
};
const std::vector<DialogRecord>& ModalDialogs();
// Forgets the dialogs run and the answers not used.
void ResetDialogs();

}  // namespace zelui::testing

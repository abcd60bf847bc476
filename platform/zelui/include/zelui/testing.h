#pragma once
// What only tests do with the UI framework stand-in: read the files revealed, answer modal dialogs
// and read what they showed.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "zelui/ArchivedDialog.h"
#include "zelui/controls/MultiColumnTreeTesting.h"
#include "zelui/datatransfer/DataTransfer.h"
#include "zelui/dialogs/FileDialogTesting.h"
#include "zelui/limner/Limner.h"
#include "zelui/ui/ControlsTesting.h"
#include "zelui/ui/NodeTesting.h"
#include "zelui/ui/PopupTesting.h"

namespace zelui::testing {

// Files shown in the file browser, oldest first: the UTF-8 path and whether it was selected.
struct RevealedFile {
  std::string path;
  bool selected;
};
const std::vector<RevealedFile>& RevealedFiles();
void ResetRevealedFiles();

// Data transfer: the one clipboard, set and read; the answers of the next drags (the drop
// effects, oldest first; with none left a drag is cancelled) and the drags run so far; the custom
// data types registered and the default-cursor flag; received and send data alive.
void SetClipboard(const datatransfer::DataSet& data);
const datatransfer::DataSet& Clipboard();
void QueueDropEffect(int effect);
struct DragRecord {
  datatransfer::DataSet data;
  int allowedEffects = 0;
  int result = 0;
};
const std::vector<DragRecord>& Drags();
const std::vector<zelcore::UTF16String>& CustomDataTypes();
bool DefaultCursorSupport();
int LiveReceiveData();
int LiveSendData();
// Empties the clipboard and forgets drags, queued answers, custom types and the cursor flag.
void ResetDataTransfer();

// Themes (zelui::ui::Theme) alive, the current one included; the names themes were registered
// under, and forgetting them. Monitor information objects alive.
int LiveThemes();
std::vector<zelcore::UTF16String> RegisteredThemeNames();
void ResetThemes();
int LiveMonitorInfos();

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

// Drawing: every line recorded so far ("#2 PaintRect 0,0,10,20 color 1,0,0,1"), oldest first.
const std::vector<std::string>& DrawingLog();
// Drawing objects of the kind alive in the process.
int LiveDrawingObjects(limner::DrawingKind kind);
// The redraw-debug flash delay last set.
std::uint32_t RedrawDebugFlashDelay();

// The node manager as a fresh process has it: no node timers (their run-loop timers stopped),
// timer ids from 1 again, no capture, filter nodes or modal windows, and itself the nodes'
// listener again.
void ResetNodeManager();
// The flag the last EndInputCapture was called with.
bool LastEndInputCaptureFlag();

// A drawing context to lend to scripts: a supplier of its own and a fresh surface of the size.
class LendableContext {
 public:
  explicit LendableContext(int width = 100, int height = 100);
  limner::Limner& Context() { return mContext; }
  limner::SurfaceInterface& Surface() { return *mSurface; }

 private:
  limner::SupplierInterface mSupplier;
  limner::SurfaceP mSurface;
  limner::Limner mContext;
};

}  // namespace zelui::testing

#pragma once
// What only tests do with the controls, windows, dialogs and resources of the UI framework (through
// zelui/testing.h): deliver what the user does, answer modal runs, fill resources and read what
// was displayed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/controls/Controls.h"
#include "zelui/resources/Resources.h"
#include "zelui/ui/OS_Window.h"

namespace zelui::testing {

// A click on the node at the point (its own coordinates): button down, then up, as the platform
// delivers them (InjectMouseEvent), with the modifier keys.
void InjectClick(ui::UI_Node& node, const ui::PointF& where, ui::ModifierFlags modifiers = 0);

// The user clicks the row at the position (0-based) with the modifier keys; false when no row
// lies there (a row height of 0 has none).
bool UserSelectListItem(controls::UI_ListBox& listBox, std::ptrdiff_t position, ui::ModifierFlags modifiers = 0);
// The user clicks the checkbox of the row at the position; false when there is no such row.
bool UserClickItemCheckbox(controls::UI_ListBox& listBox, std::ptrdiff_t position);

// The user drags the splitter's divider so that it proposes this split; returns the split set.
float DragSplitter(controls::UI_SplitterView& splitter, float proposed);

// The user types into a text edit: its text becomes the given one (one step of an interactive
// change, begun first), then the key that ends the typing.
enum class TypingEnd { kReturn, kEscape, kKeepTyping };
void TypeText(controls::UI_TextEdit& edit, const zelcore::UTF16String& text, TypingEnd end);

// The user acts on a tab; the rectangle may be null.
void InjectTabItemAction(controls::UI_TabWell& well, int action, std::ptrdiff_t index, const ui::Rect32* rect);

// What the platform tells a window: its activation changed; a click elsewhere asks a popup to
// close (returns the window's answer); a key meant for the node (null: no node), delivered to
// the window's own keyboard dispatch (returns whether it was handled).
void InjectActivation(ui::OS_Window& window, ui::WindowActivation activation);
bool InjectCloseIfPopup(ui::OS_Window& window);
bool InjectWindowKeyboardEvent(ui::OS_Window& window, ui::UI_Node* target, const ui::KeyboardEvent& event);

// Modal runs of dialogs. Each run takes one answer: OK, cancel, or advance the run-loop clock by
// the seconds (timers due fire, and one may close the dialog); a dialog still open after that, or
// run with no answer queued, is cancelled.
struct ModalAnswer {
  enum Kind { kOk, kCancel, kAdvanceClock };
  Kind kind = kCancel;
  double seconds = 0;
  static ModalAnswer Ok() { return {kOk, 0}; }
  static ModalAnswer Cancel() { return {kCancel, 0}; }
  static ModalAnswer AdvanceClock(double seconds) { return {kAdvanceClock, seconds}; }
};
void QueueModalAnswer(ModalAnswer answer);
// What a run showed and how it ended. The nodes are for comparison only: they may be gone.
struct ModalRunRecord {
  zelcore::UTF16String title;
  const ui::UI_Node* parent = nullptr;
  const ui::UI_Node* okButton = nullptr;
  const ui::UI_Node* cancelButton = nullptr;
  const ui::UI_Node* initialFocus = nullptr;
  // Windows on the modal stack while it ran, the dialog included.
  std::size_t modalDepth = 0;
  int response = -1;
};
const std::vector<ModalRunRecord>& ModalRuns();
// Forgets the runs and the answers not used.
void ResetModalRuns();

// Bytes by name and type held in memory by a resource manager, and forgetting them.
void SetResource(resources::ResourceManager& manager, const zelcore::UTF16String& name,
                 const zelcore::UTF16String& type, const std::string& bytes);
void ClearResources(resources::ResourceManager& manager);
// Forgets the cache's images and makes it give none again for a missing image.
void ClearImages(resources::LimnerImageResourceCache& cache);
// The UI framework's own resource manager and image cache.
void SetUIResource(const zelcore::UTF16String& name, const zelcore::UTF16String& type, const std::string& bytes);
void ClearUIResources();
// With the flag, the cache throws for an image it cannot find instead of giving none.
void SetMissingImagesThrow(resources::LimnerImageResourceCache& cache, bool throws);
// 0 light icons (the default), 1 dark.
void SetIconType(int type);

// Cursors displayed, oldest first: by id (through a resource manager) or from an image.
struct DisplayedCursor {
  bool fromImage = false;
  int cursorId = 0;
  zelcore::UTF16String imageName;
  int hotSpotX = 0, hotSpotY = 0;
};
const std::vector<DisplayedCursor>& DisplayedCursors();
void ResetCursors();

}  // namespace zelui::testing

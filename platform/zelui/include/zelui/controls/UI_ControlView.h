#pragma once
// Control views: a control view tells the functions that asked for it when its value changed; an
// interactive control view also tells them each step of a change the user makes (begin,
// continue, finish, cancel). The text-control part is mixed into the controls that show a label.
#include <functional>
#include <vector>

#include "zelui/ui/Events.h"
#include "zelui/ui/UI_SubView.h"

namespace zelui::controls {

class UI_ControlView;
class UI_InteractiveControlView;

struct UI_ControlMessage {
  UI_ControlView* control = nullptr;
};
using UI_ControlChangedMessage = UI_ControlMessage;

enum InteractiveChange { kBeginChange = 0, kContinueChange = 1, kFinishChange = 2, kCancelChange = 3 };

struct UI_InteractiveControlMessage {
  UI_InteractiveControlView* control = nullptr;
  InteractiveChange change = kBeginChange;
  // The modifier keys held during a continued change.
  ui::ModifierFlags modifiers = 0;
};
using UI_InteractiveControlChangedMessage = UI_InteractiveControlMessage;

class UI_ControlView : public ui::UI_SubView {
 public:
  using ChangedFunction = std::function<void(const UI_ControlMessage& message)>;

  UI_ControlView() = default;

  // The text size of controls that set none.
  static float DefaultTextSize();

  // The function is called on every change of the value, for as long as the control lives.
  void NotifyWhenChanged(ChangedFunction function);
  // Tells every function, in the order they asked, that the value changed.
  void SendValueChangedMessage();

  // A value shown as unknown (a mixed selection, say) until the flag is cleared.
  void SetValueUnknown(bool unknown = true) { mValueUnknown = unknown; }
  bool IsValueUnknown() const { return mValueUnknown; }
  // Whether the focus ring is left undrawn when the control has the keyboard focus.
  void SetSuppressFocusDrawing(bool suppress) { mSuppressFocusDrawing = suppress; }
  bool GetSuppressFocusDrawing() const { return mSuppressFocusDrawing; }

 protected:
  ~UI_ControlView() override;

 private:
  std::vector<ChangedFunction> mChangedFunctions;
  bool mValueUnknown = false;
  bool mSuppressFocusDrawing = false;
};

class UI_InteractiveControlView : public UI_ControlView {
 public:
  using InteractiveChangeFunction = std::function<void(const UI_InteractiveControlMessage& message)>;

  UI_InteractiveControlView() = default;

  bool UI_WantsKeyboardFocus() const override { return mWantsKeyboardFocus; }
  void SetWantsKeyboardFocus(bool wants) { mWantsKeyboardFocus = wants; }

  // The function is called on every step of an interactive change, for as long as the control lives.
  void NotifyWhenChangedInteractively(InteractiveChangeFunction function);
  void BeginInteractiveChange();
  void ContinueInteractiveChange(ui::ModifierFlags modifiers);
  void FinishInteractiveChange();
  void CancelInteractiveChange();

 protected:
  ~UI_InteractiveControlView() override;

 private:
  void SendInteractiveChange(InteractiveChange change, ui::ModifierFlags modifiers);

  std::vector<InteractiveChangeFunction> mInteractiveChangeFunctions;
  bool mWantsKeyboardFocus = true;
};

// The label part of a control that shows text. Font size and alignment are the toolkit's codes,
// kept as set.
class UI_TextControlBase {
 public:
  UI_TextControlBase() = default;
  UI_TextControlBase(const UI_TextControlBase&) = delete;
  UI_TextControlBase& operator=(const UI_TextControlBase&) = delete;
  virtual ~UI_TextControlBase();

  void SetLabelText(const zelcore::UTF16String& text) { mLabelText = text; }
  const zelcore::UTF16String& GetLabelText() const { return mLabelText; }
  void SetFontSizeId(int id) { mFontSizeId = id; }
  int GetFontSizeId() const { return mFontSizeId; }
  void SetTextAlignment(int alignment) { mTextAlignment = alignment; }
  int GetTextAlignment() const { return mTextAlignment; }
  // Where the label is drawn, in the control's own coordinates: the whole control.
  ui::RectF GetLabelTextRect() const;

 private:
  zelcore::UTF16String mLabelText;
  int mFontSizeId = 0;
  int mTextAlignment = 0;
};

}  // namespace zelui::controls

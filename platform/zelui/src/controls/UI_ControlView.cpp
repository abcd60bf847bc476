#include "zelui/controls/UI_ControlView.h"

namespace zelui::controls {

UI_ControlView::~UI_ControlView() = default;

float UI_ControlView::DefaultTextSize() { return 11.0f; }

void UI_ControlView::NotifyWhenChanged(ChangedFunction function) {
  if (function) mChangedFunctions.push_back(std::move(function));
}

// The functions are those that asked before the message went out; each runs while the control
// is held, so a function may drop the last outside reference to it.
void UI_ControlView::SendValueChangedMessage() {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const std::vector<ChangedFunction> functions = mChangedFunctions;
  const UI_ControlMessage message{this};
  for (const ChangedFunction& function : functions) function(message);
}

UI_InteractiveControlView::~UI_InteractiveControlView() = default;

void UI_InteractiveControlView::NotifyWhenChangedInteractively(InteractiveChangeFunction function) {
  if (function) mInteractiveChangeFunctions.push_back(std::move(function));
}

void UI_InteractiveControlView::BeginInteractiveChange() { SendInteractiveChange(kBeginChange, 0); }
void UI_InteractiveControlView::ContinueInteractiveChange(ui::ModifierFlags modifiers) {
  SendInteractiveChange(kContinueChange, modifiers);
}
void UI_InteractiveControlView::FinishInteractiveChange() { SendInteractiveChange(kFinishChange, 0); }
void UI_InteractiveControlView::CancelInteractiveChange() { SendInteractiveChange(kCancelChange, 0); }

void UI_InteractiveControlView::SendInteractiveChange(InteractiveChange change, ui::ModifierFlags modifiers) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const std::vector<InteractiveChangeFunction> functions = mInteractiveChangeFunctions;
  const UI_InteractiveControlMessage message{this, change, modifiers};
  for (const InteractiveChangeFunction& function : functions) function(message);
}

UI_TextControlBase::~UI_TextControlBase() = default;

ui::RectF UI_TextControlBase::GetLabelTextRect() const {
  const auto* control = dynamic_cast<const ui::UI_Node*>(this);
  if (control == nullptr) return {};
  const ui::RectF bounds = control->UI_GetLocalRectF(false);
  return {0, 0, bounds.width, bounds.height};
}

}  // namespace zelui::controls

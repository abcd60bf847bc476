#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "zelui/controls/Controls.h"

namespace zelui::controls {

namespace {

// The whole text as a number, spaces round it allowed; false for anything else, NaN included.
bool ParseNumber(const zelcore::UTF16String& text, double& value) {
  const std::string bytes = zelcore::UTF16to8(text);
  const char* begin = bytes.c_str();
  char* end = nullptr;
  const double parsed = std::strtod(begin, &end);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  if (*end != '\0' || std::isnan(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace

UI_HotTextNumber::~UI_HotTextNumber() = default;

void UI_HotTextNumber::SetValue(double value) {
  mValue = value;
  UpdateStringFromValue();
}

void UI_HotTextNumber::SetText(const zelcore::UTF16String& text, bool invalidate) {
  mText = text;
  if (invalidate) UI_Invalidate();
}

zelcore::UTF16String UI_HotTextNumber::FormatValue(double value) const {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(mDecimalPlaces, 0, 30), value);
  return zelcore::UTF8to16(buffer);
}

UI_TextEdit* UI_HotTextNumber::GetInPlaceEdit() const {
  const ui::UI_NodeContainer& children = UI_GetContainer();
  for (std::ptrdiff_t i = 0; i < children.ChildSize(); ++i)
    if (auto* edit = dynamic_cast<UI_TextEdit*>(children.ChildGet(i))) return edit;
  return nullptr;
}

bool UI_HotTextNumber::IsEditingInPlace() const {
  const UI_TextEdit* edit = GetInPlaceEdit();
  return edit != nullptr && edit->UI_IsShown();
}

void UI_HotTextNumber::Init() { UpdateStringFromValue(); }

void UI_HotTextNumber::BeginInPlaceEdit(bool selectAll, int reason, const zelcore::UTF16String& initialText) {
  RemoveInPlaceEdit(false);
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  const ChangeNotificationScope quiet(*this);
  const boost::intrusive_ptr<UI_TextEdit> edit(new UI_TextEdit(zelcore::UTF16String()));
  const ui::RectF bounds = UI_GetLocalRectF(false);
  edit->UI_SetLocalRectF({0, 0, bounds.width, bounds.height});
  UI_GetContainer().ChildPushBack(edit.get());
  edit->UI_Show(true);
  edit->UI_GainKeyboardFocus(reason);
  if (initialText == kEditFromValue) {
    UpdateEditFromValue();
    edit->SelectAll();
  } else {
    edit->SetValue(initialText);
    if (selectAll) edit->SelectAll();
  }
  ListenToEdit(*edit);
}

void UI_HotTextNumber::ListenToEdit(UI_TextEdit& edit) {
  // The edit may outlive this control (someone else may hold it): it reaches the control only
  // while the control is still its parent, which the parent's death clears.
  const ui::UI_Node* self = this;
  edit.NotifyWhenChangedInteractively([self](const UI_InteractiveControlMessage& message) {
    ui::UI_Node* parent = message.control->UI_GetParentNode();
    auto* control = parent == self ? dynamic_cast<UI_HotTextNumber*>(parent) : nullptr;
    if (control == nullptr) return;
    UI_InteractiveControlChangedMessage copy = message;
    control->TextEditChanged(&copy);
  });
}

void UI_HotTextNumber::UpdateEditFromValue() {
  if (UI_TextEdit* edit = GetInPlaceEdit()) edit->SetValue(FormatValue(mValue));
}

void UI_HotTextNumber::UpdateValueFromEdit() {
  const UI_TextEdit* edit = GetInPlaceEdit();
  double value = 0;
  if (edit == nullptr || !ParseNumber(edit->GetValue(), value)) return;
  value = std::min(std::max(value, mMinValue), mMaxValue);
  if (value != mValue) SetValue(value);
}

void UI_HotTextNumber::UpdateStringFromValue() { SetText(FormatValue(mValue), true); }

void UI_HotTextNumber::TextEditChanged(UI_InteractiveControlChangedMessage* message) {
  if (mChangeNotificationNesting > 0 || message == nullptr) return;
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(this);
  switch (message->change) {
    case kBeginChange:
      BeginInteractiveChange();
      break;
    case kContinueChange:
      ContinueInteractiveChange(message->modifiers);
      break;
    case kFinishChange:
      UpdateValueFromEdit();
      EndInPlaceEdit();
      FinishInteractiveChange();
      FinishedUserChange();
      break;
    case kCancelChange:
      EndInPlaceEdit();
      CancelInteractiveChange();
      break;
  }
}

void UI_HotTextNumber::EndInPlaceEdit() {
  if (UI_TextEdit* edit = GetInPlaceEdit()) edit->UI_Show(false);
  UI_InstallTimer(1.0f, kInPlaceEditTimerID);
  UI_Invalidate();
}

void UI_HotTextNumber::RemoveInPlaceEdit(bool removeTimer) {
  UI_TextEdit* edit = GetInPlaceEdit();
  if (edit != nullptr) UI_GetContainer().ChildRemove(edit);
  if (edit != nullptr || removeTimer) UI_RemoveTimer(kInPlaceEditTimerID, true);
}

bool UI_HotTextNumber::UI_DoTimerNotify(int id) {
  if (id != kInPlaceEditTimerID) return UI_InteractiveControlView::UI_DoTimerNotify(id);
  RemoveInPlaceEdit(true);
  return true;
}

bool UI_HotTextNumber::UI_HandleMouseEvent(ui::UI_Node* target, const ui::MouseEvent& event) {
  if (UI_IsDisabled() || (event.action != ui::kMouseDown && event.action != ui::kMouseUp))
    return UI_InteractiveControlView::UI_HandleMouseEvent(target, event);
  if (event.action == ui::kMouseUp) BeginInPlaceEdit(true, kClickFocusReason, kEditFromValue);
  return true;
}

}  // namespace zelui::controls

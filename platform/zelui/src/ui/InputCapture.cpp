#include "zelui/ui/InputCapture.h"

namespace zelui::ui {

InputCapture::InputCapture(UI_Node* target, const MouseEvent& startEvent) : mTarget(target), mStartEvent(startEvent) {}

InputCapture::~InputCapture() = default;

// A capture of its own handles nothing; its subclasses say what they do.
bool InputCapture::DoMouseEvent(const MouseEvent&) { return false; }
bool InputCapture::DoKeyboardEvent(const KeyboardEvent&) { return false; }
bool InputCapture::DoCursor(const PointF&, ModifierFlags) { return false; }
bool InputCapture::DoTimerNotify(int) { return false; }

}  // namespace zelui::ui

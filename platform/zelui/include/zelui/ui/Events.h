#pragma once
// Mouse and keyboard events of the UI framework, as nodes receive them.
#include <cstdint>

#include "zelcore/Strings.h"
#include "zelui/ui/Geometry.h"

namespace zelui::ui {

// Modifier keys held during an event (bit flags).
using ModifierFlags = std::uint8_t;
enum : ModifierFlags { kModShift = 1, kModControl = 2, kModOption = 4, kModCommand = 8 };

enum MouseAction { kMouseDown = 0, kMouseUp = 1, kMouseMove = 2, kMouseDrag = 3, kMouseWheel = 4 };

struct MouseEvent {
  MouseEvent() = default;
  // All values in the framework's order; platformEvent is the platform's own event, or null for
  // a made-up one.
  MouseEvent(int action, int button, int clickCount, PointF position, ModifierFlags modifiers,
             const void* platformEvent, int wheelDelta, int wheelAxis, float magnification, float rotation,
             int swipeDirection, int phase)
      : action(action), button(button), clickCount(clickCount), position(position), modifiers(modifiers),
        platformEvent(platformEvent), wheelDelta(wheelDelta), wheelAxis(wheelAxis), magnification(magnification),
        rotation(rotation), swipeDirection(swipeDirection), phase(phase) {}

  int action = kMouseDown;
  int button = 0;
  int clickCount = 0;
  // In the coordinates of the node the event is for.
  PointF position;
  ModifierFlags modifiers = 0;
  const void* platformEvent = nullptr;
  int wheelDelta = 0;
  int wheelAxis = 0;
  float magnification = 0;
  float rotation = 0;
  int swipeDirection = 0;
  int phase = 0;
};

enum KeyboardAction : unsigned { kKeyDown = 0, kKeyUp = 1 };

class KeyboardEvent {
 public:
  KeyboardEvent() = default;
  // text is what the key typed (empty for keys that type nothing).
  KeyboardEvent(unsigned action, zelcore::UTF16String text, int keyCode, ModifierFlags modifiers, bool isRepeat)
      : mAction(action), mText(std::move(text)), mKeyCode(keyCode), mModifiers(modifiers), mIsRepeat(isRepeat) {}

  unsigned GetAction() const { return mAction; }
  const zelcore::UTF16String& GetText() const { return mText; }
  int GetKeyCode() const { return mKeyCode; }
  ModifierFlags GetModifiers() const { return mModifiers; }
  bool IsRepeat() const { return mIsRepeat; }

 private:
  unsigned mAction = kKeyDown;
  zelcore::UTF16String mText;
  int mKeyCode = 0;
  ModifierFlags mModifiers = 0;
  bool mIsRepeat = false;
};

}  // namespace zelui::ui

#pragma once
// The application framework's modal alerts: a message, a detail text, an alert type (which buttons
// it offers) and an icon, shown over a parent window until the user answers. What the user
// answers comes from the answers tests queue (arx/testing.h).
#include "zelcore/Strings.h"

namespace zelui::ui {
class OS_Window;
}

namespace arx::uisupport {

class Alert {
 public:
  enum Icon { kIconNone = 0, kIconStop = 1, kIconQuestion = 2, kIconCaution = 3, kIconNote = 4 };
  enum Type {
    kTypeOk = 0,
    kTypeOkCancel = 1,
    kTypeAbortRetryIgnore = 2,
    kTypeYesNoCancel = 3,
    kTypeYesNo = 4,
    kTypeRetryCancel = 5,
    kTypeRetryQuit = 6
  };
  enum Response {
    kResponseOk = 0,
    kResponseCancel = 1,
    kResponseAbort = 2,
    kResponseIgnore = 3,
    kResponseYes = 4,
    kResponseNo = 5,
    kResponseRetry = 6
  };
  // The answer when the user dismisses the alert without choosing (and every answer a test has
  // not scripted).
  static constexpr int kCancelled = kResponseCancel;

  // Shows the alert modally over the parent window (none when null) and returns the user's
  // answer. Type and icon are passed on as given.
  static int Show(int alertType, int alertIcon, const zelcore::UTF16String& message,
                  const zelcore::UTF16String& detail, zelui::ui::OS_Window* parent);
  // An alert with an OK button and the note, stop or caution icon.
  static void ShowNote(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                       zelui::ui::OS_Window* parent);
  static void ShowStop(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                       zelui::ui::OS_Window* parent);
  static void ShowCaution(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                          zelui::ui::OS_Window* parent);
};

}  // namespace arx::uisupport

#pragma once
// The application framework's modal alert: a message, a detail text, an alert type (which buttons
// it offers) and an icon, shown over a parent window until the user answers.
#include "zelcore/Strings.h"

namespace zelworkspace {
class Workspace;
}

namespace arx::uisupport {

class Alert {
 public:
  // The answer when the user dismisses the alert without choosing (and every answer a test has
  // not scripted).
  static constexpr int kCancelled = 0;

  // Shows the alert modally over the main top-level window of parent (none when null) and
  // returns the user's answer.
  static int Show(int alertType, int alertIcon, const zelcore::UTF16String& message,
                  const zelcore::UTF16String& detail, zelworkspace::Workspace* parent);
};

}  // namespace arx::uisupport

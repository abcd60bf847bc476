#pragma once
// The message the application sends when it becomes active or inactive.
#include "arx/messaging/Broadcaster.h"

namespace arx::app {

enum AppActivateStatus { kAppActivated = 0, kAppDeactivated = 1 };

class AppActivationMessage {
 public:
  explicit AppActivationMessage(int status) : mStatus(status) {}
  int GetActivateStatus() const { return mStatus; }

 private:
  int mStatus;
};

using AppActivationBroadcaster = messaging::Broadcaster<const AppActivationMessage&>;

}  // namespace arx::app

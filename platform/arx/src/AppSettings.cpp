// The application's settings and its activation message.
#include "arx/testing.h"

namespace arx::app {

namespace {
int gSaveCount = 0;
}

zelcore::proplist::PropList& AppBase::GetAppSettings() {
  if (!mAppSettings) mAppSettings = zelcore::proplist::PropListRef(new zelcore::proplist::PropList);
  return *mAppSettings;
}

// Settings live in memory only; a save is counted for tests.
void AppBase::SaveAppSettings() { ++gSaveCount; }

}  // namespace arx::app

namespace arx::testing {

void SendAppActivation(app::AppBase& app, int status) {
  app.GetAppActivationNotifier().BroadcastMessage(app::AppActivationMessage(status));
}

int AppSettingsSaveCount() { return app::gSaveCount; }

}  // namespace arx::testing

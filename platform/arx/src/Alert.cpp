#include "arx/uisupport/Alert.h"

#include "arx/testing.h"
#include "zelcore/RecordAndAnswer.h"

namespace arx::uisupport {

namespace {

zelcore::testing::RecordAndAnswer<testing::ShownAlert, int>& Alerts() {
  static zelcore::testing::RecordAndAnswer<testing::ShownAlert, int> alerts(Alert::kCancelled);
  return alerts;
}

}  // namespace

int Alert::Show(int alertType, int alertIcon, const zelcore::UTF16String& message,
                const zelcore::UTF16String& detail, zelworkspace::Workspace* parent) {
  return Alerts().Ask({alertType, alertIcon, zelcore::UTF16to8(message), zelcore::UTF16to8(detail), parent});
}

}  // namespace arx::uisupport

namespace arx::testing {

void QueueAlertAnswer(int answer) { uisupport::Alerts().Queue(answer); }
const std::vector<ShownAlert>& ShownAlerts() { return uisupport::Alerts().Requests(); }
void ResetAlerts() { uisupport::Alerts().Reset(); }

}  // namespace arx::testing

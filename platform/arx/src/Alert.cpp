#include "arx/uisupport/Alert.h"

#include "arx/testing.h"
#include "zelcore/RecordAndAnswer.h"
#include "zelui/ui/OS_Window.h"

namespace arx::uisupport {

namespace {

zelcore::testing::RecordAndAnswer<testing::ShownAlert, int>& Alerts() {
  static zelcore::testing::RecordAndAnswer<testing::ShownAlert, int> alerts(Alert::kCancelled);
  return alerts;
}

}  // namespace

int Alert::Show(int alertType, int alertIcon, const zelcore::UTF16String& message,
                const zelcore::UTF16String& detail, zelui::ui::OS_Window* parent) {
  // The parent is held while the alert is up.
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(parent);
  return Alerts().Ask({alertType, alertIcon, zelcore::UTF16to8(message), zelcore::UTF16to8(detail), parent});
}

void Alert::ShowNote(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                     zelui::ui::OS_Window* parent) {
  Show(kTypeOk, kIconNote, message, detail, parent);
}

void Alert::ShowStop(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                     zelui::ui::OS_Window* parent) {
  Show(kTypeOk, kIconStop, message, detail, parent);
}

void Alert::ShowCaution(const zelcore::UTF16String& message, const zelcore::UTF16String& detail,
                        zelui::ui::OS_Window* parent) {
  Show(kTypeOk, kIconCaution, message, detail, parent);
}

}  // namespace arx::uisupport

namespace arx::testing {

void QueueAlertAnswer(int answer) { uisupport::Alerts().Queue(answer); }
const std::vector<ShownAlert>& ShownAlerts() { return uisupport::Alerts().Requests(); }
void ResetAlerts() { uisupport::Alerts().Reset(); }

}  // namespace arx::testing

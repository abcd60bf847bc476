#include "os/Alert.h"

#include "os/testing.h"
#include "zelcore/RecordAndAnswer.h"

namespace os {

namespace {

// An alert closed without choosing answers as its alternate, cancelling button does.
zelcore::testing::RecordAndAnswer<testing::ShownAlert, int>& Alerts() {
  static zelcore::testing::RecordAndAnswer<testing::ShownAlert, int> alerts(kAlertAlternateReturn);
  return alerts;
}

}  // namespace

std::unique_ptr<Alert> Alert::AlertWithMessageText(const std::string& message, const std::string& defaultButton,
                                                   const std::string& alternateButton,
                                                   const std::string& otherButton,
                                                   const std::string& informativeText) {
  auto alert = std::make_unique<Alert>();
  alert->mMessage = message;
  alert->mInformative = informativeText;
  alert->mButtons[0] = defaultButton.empty() ? "OK" : defaultButton;
  alert->mButtons[1] = alternateButton;
  alert->mButtons[2] = otherButton;
  return alert;
}

int Alert::RunModal() { return Alerts().Ask({mMessage, mInformative, mButtons[0]}); }

namespace testing {

const std::vector<ShownAlert>& ShownAlerts() { return Alerts().Requests(); }
void QueueAlertAnswer(int answer) { Alerts().Queue(answer); }
void ResetAlerts() { Alerts().Reset(); }

}  // namespace testing

}  // namespace os

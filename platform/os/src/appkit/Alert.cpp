#include "os/Alert.h"

#include <deque>
#include <vector>

#include "os/testing.h"

namespace os {

namespace {

struct Alerts {
  std::vector<testing::ShownAlert> shown;
  std::deque<int> answers;
};

Alerts& State() {
  static Alerts alerts;
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

int Alert::RunModal() {
  State().shown.push_back({mMessage, mInformative, mButtons[0]});
  if (State().answers.empty()) return kAlertAlternateReturn;
  const int answer = State().answers.front();
  State().answers.pop_front();
  return answer;
}

namespace testing {

const std::vector<ShownAlert>& ShownAlerts() { return State().shown; }
void QueueAlertAnswer(int answer) { State().answers.push_back(answer); }
void ResetAlerts() { State() = Alerts(); }

}  // namespace testing

}  // namespace os

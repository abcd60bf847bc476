#pragma once
// The platform's modal alert: a message, an informative text and up to three buttons.
#include <memory>
#include <string>

namespace os {

// What RunModal returns: the button that dismissed the alert.
constexpr int kAlertDefaultReturn = 1;
constexpr int kAlertAlternateReturn = 0;
constexpr int kAlertOtherReturn = -1;

class Alert {
 public:
  // Texts are UTF-8; an empty button title means no such button, and an empty default title
  // gives the default "OK" button.
  static std::unique_ptr<Alert> AlertWithMessageText(const std::string& message, const std::string& defaultButton,
                                                     const std::string& alternateButton,
                                                     const std::string& otherButton,
                                                     const std::string& informativeText);
  // Shows the alert and waits until it is dismissed.
  int RunModal();

 private:
  std::string mMessage, mInformative;
  std::string mButtons[3];
};

}  // namespace os

#pragma once
// The running application as the platform sees it: activation, the other applications that
// run, and the main bundle's identity.
#include <map>
#include <string>
#include <vector>

namespace os {

class Application {
 public:
  static Application& Shared();
  // Brings the application to the front; with ignoreOtherApps it does so even when another
  // application is active.
  void ActivateIgnoringOtherApps(bool ignoreOtherApps);
  int ActivationCount() const { return mActivations; }
  // Whether the application object answers the message; of the optional ones only
  // "isMouseKeyboardCaptured" is known, and only when the application offers it.
  bool RespondsToSelector(const std::string& selector) const;
  // Whether the mouse and keyboard are captured; false from an application that does not offer
  // the message.
  bool IsMouseKeyboardCaptured() const { return mAnswersCapture && mCaptured; }

 private:
  friend struct ApplicationAccess;
  int mActivations = 0;
  bool mAnswersCapture = false;
  bool mCaptured = false;
};

struct RunningApplication {
  std::string bundleIdentifier;
  int processIdentifier = 0;
};

// Every running application with that bundle identifier, this one included.
std::vector<RunningApplication> RunningApplicationsWithBundleIdentifier(const std::string& identifier);

// The main bundle's identity: its identifier and the values of its information dictionary.
class Bundle {
 public:
  static const Bundle& Main();

  const std::string& BundleIdentifier() const { return mIdentifier; }
  // False when the dictionary has no value under the key.
  bool InfoValue(const std::string& key, std::string& value) const;

 private:
  friend struct BundleAccess;
  std::string mIdentifier;
  std::map<std::string, std::string> mInfo;
};

}  // namespace os

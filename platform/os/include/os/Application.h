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

 private:
  friend struct ApplicationAccess;
  int mActivations = 0;
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

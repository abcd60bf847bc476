#include "os/Application.h"

#include <unistd.h>

#include <optional>

#include "os/testing.h"

namespace os {

namespace {

// The program's own bundle identity, as its information dictionary gives it.
constexpr const char* kOwnBundleIdentifier = "com.quorvin.Glimmet.application";

Bundle MakeDefaultBundle();

Bundle& MainBundle() {
  static Bundle bundle = MakeDefaultBundle();
  return bundle;
}

// Bundle identifiers of the applications a test says are running; unset: this one alone.
std::optional<std::vector<std::string>>& RunningOverride() {
  static std::optional<std::vector<std::string>> running;
  return running;
}

}  // namespace

struct BundleAccess {
  static std::map<std::string, std::string>& Info(Bundle& bundle) { return bundle.mInfo; }
  static Bundle Make(const std::string& identifier, const std::map<std::string, std::string>& info) {
    Bundle bundle;
    bundle.mIdentifier = identifier;
    bundle.mInfo = info;
    return bundle;
  }
};

struct ApplicationAccess {
  static void Reset() {
    Application& app = Application::Shared();
    app.mActivations = 0;
    app.mAnswersCapture = false;
    app.mCaptured = false;
  }
  static void SetAnswersCapture(bool answers) { Application::Shared().mAnswersCapture = answers; }
  static void SetCaptured(bool captured) { Application::Shared().mCaptured = captured; }
};

namespace {
Bundle MakeDefaultBundle() {
  return BundleAccess::Make(kOwnBundleIdentifier, {{"CFBundleName", "Glimmet"},
                                                   {"CFBundleIdentifier", kOwnBundleIdentifier},
                                                   {"CFBundleVersion", "1.0"}});
}
}  // namespace

Application& Application::Shared() {
  static Application application;
  return application;
}

void Application::ActivateIgnoringOtherApps(bool) { ++mActivations; }

bool Application::RespondsToSelector(const std::string& selector) const {
  return selector == "isMouseKeyboardCaptured" && mAnswersCapture;
}

std::vector<RunningApplication> RunningApplicationsWithBundleIdentifier(const std::string& identifier) {
  std::vector<RunningApplication> found;
  if (!RunningOverride()) {
    if (identifier == MainBundle().BundleIdentifier()) found.push_back({identifier, static_cast<int>(getpid())});
    return found;
  }
  int pid = 1000;
  for (const std::string& running : *RunningOverride()) {
    ++pid;
    if (running == identifier) found.push_back({running, pid});
  }
  return found;
}

const Bundle& Bundle::Main() { return MainBundle(); }

bool Bundle::InfoValue(const std::string& key, std::string& value) const {
  const auto it = mInfo.find(key);
  if (it == mInfo.end()) return false;
  value = it->second;
  return true;
}

namespace testing {

void SetRunningApplications(const std::vector<std::string>& bundleIdentifiers) {
  RunningOverride() = bundleIdentifiers;
}

void SetMainBundle(const std::string& identifier, const std::map<std::string, std::string>& info) {
  MainBundle() = BundleAccess::Make(identifier, info);
}

void SetMainBundleInfoValue(const std::string& key, const std::string& value) { BundleAccess::Info(MainBundle())[key] = value; }

void RemoveMainBundleInfoValue(const std::string& key) { BundleAccess::Info(MainBundle()).erase(key); }

void ResetApplications() {
  RunningOverride().reset();
  MainBundle() = MakeDefaultBundle();
  ApplicationAccess::Reset();
}

int ActivationCount() { return Application::Shared().ActivationCount(); }
void SetAnswersMouseKeyboardCapture(bool answers) { ApplicationAccess::SetAnswersCapture(answers); }
void SetMouseKeyboardCaptured(bool captured) { ApplicationAccess::SetCaptured(captured); }

}  // namespace testing

}  // namespace os

#include "os/Reachability.h"

#include <optional>

#include "os/testing.h"

namespace os {

class SCNetworkReachability {
 public:
  std::string nodename;
};

namespace {

// What tests script; by default every host is reachable without a connection to set up.
struct ReachabilityScript {
  bool refuseReferences = false;
  std::optional<SCNetworkReachabilityFlags> flags = kSCNetworkReachabilityFlagsReachable;
  std::string lastNodename;
  int live = 0;
};

ReachabilityScript& Script() {
  static ReachabilityScript script;
  return script;
}

}  // namespace

SCNetworkReachabilityRef SCNetworkReachabilityCreateWithName(const std::string& nodename) {
  auto& script = Script();
  if (nodename.empty() || script.refuseReferences) return nullptr;
  script.lastNodename = nodename;
  ++script.live;
  return new SCNetworkReachability{nodename};
}

bool SCNetworkReachabilityGetFlags(SCNetworkReachabilityRef target, SCNetworkReachabilityFlags* flags) {
  const auto& script = Script();
  if (target == nullptr || flags == nullptr || !script.flags) return false;
  *flags = *script.flags;
  return true;
}

void SCNetworkReachabilityRelease(SCNetworkReachabilityRef target) {
  if (target == nullptr) return;
  --Script().live;
  delete target;
}

namespace testing {

void SetReachabilityFlags(std::optional<SCNetworkReachabilityFlags> flags) { Script().flags = flags; }
void RefuseReachabilityReferences(bool refuse) { Script().refuseReferences = refuse; }
std::string LastReachabilityHost() { return Script().lastNodename; }
int LiveReachabilityReferences() { return Script().live; }
void ResetReachability() { Script() = ReachabilityScript{}; }

}  // namespace testing

}  // namespace os

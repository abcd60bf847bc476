#include "os/Reachability.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <net/route.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "os/testing.h"

namespace os {

class SCNetworkReachability {
 public:
  std::string nodename;
};

namespace {

// What tests script: whether flags were scripted at all (else the machine answers), and if so
// the flags every reference reads (nullopt: they cannot be read).
struct ReachabilityScript {
  bool refuseReferences = false;
  bool scripted = false;
  std::optional<SCNetworkReachabilityFlags> flags;
  std::string lastNodename;
  int live = 0;
};

ReachabilityScript& Script() {
  static ReachabilityScript script;
  return script;
}

// The interfaces that are up and running, other than the loopback; nullopt when the list
// cannot be had.
std::optional<std::set<std::string>> InterfacesUp() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return std::nullopt;
  std::set<std::string> up;
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    const unsigned flags = entry->ifa_flags;
    if ((flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK)) up.insert(entry->ifa_name);
  }
  freeifaddrs(list);
  return up;
}

unsigned long Hex(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 16); }

// Whether a routing table of the kernel has a usable default route through one of the
// interfaces. The IPv4 table's lines are "Iface Destination Gateway Flags RefCnt Use Metric Mask
// ..." after a header line; the IPv6 table's are "Destination PrefixLength Source SourceLength
// NextHop Metric RefCnt Use Flags Iface", all in hexadecimal. nullopt when the table cannot be
// read.
std::optional<bool> DefaultRouteIPv4(const std::set<std::string>& interfaces) {
  std::ifstream table("/proc/net/route");
  if (!table) return std::nullopt;
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string iface, destination, gateway, flags, refs, use, metric, mask;
    if (!(fields >> iface >> destination >> gateway >> flags >> refs >> use >> metric >> mask)) continue;
    const unsigned long routeFlags = Hex(flags);
    if (destination == "00000000" && mask == "00000000" && (routeFlags & RTF_UP) && !(routeFlags & RTF_REJECT) &&
        interfaces.count(iface) != 0)
      return true;
  }
  return false;
}

std::optional<bool> DefaultRouteIPv6(const std::set<std::string>& interfaces) {
  std::ifstream table("/proc/net/ipv6_route");
  if (!table) return std::nullopt;
  const std::string kAnyAddress(32, '0');
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string destination, prefix, source, sourcePrefix, nextHop, metric, refs, use, flags, iface;
    if (!(fields >> destination >> prefix >> source >> sourcePrefix >> nextHop >> metric >> refs >> use >> flags >>
          iface))
      continue;
    const unsigned long routeFlags = Hex(flags);
    if (destination == kAnyAddress && prefix == "00" && (routeFlags & RTF_UP) && !(routeFlags & RTF_REJECT) &&
        interfaces.count(iface) != 0)
      return true;
  }
  return false;
}

// The machine's own answer, for any host: reachable without a connection to set up when traffic
// can leave the machine, that is when an interface that is up carries a default route. Host names
// are not resolved: a name is as reachable as the network it would be looked up on. nullopt when
// neither the interfaces nor a routing table can be read.
std::optional<SCNetworkReachabilityFlags> MachineFlags() {
  const auto interfaces = InterfacesUp();
  if (!interfaces) return std::nullopt;
  const std::optional<bool> v4 = DefaultRouteIPv4(*interfaces);
  const std::optional<bool> v6 = DefaultRouteIPv6(*interfaces);
  if (!v4 && !v6) return std::nullopt;
  const bool reachable = v4.value_or(false) || v6.value_or(false);
  return reachable ? kSCNetworkReachabilityFlagsReachable : 0;
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
  if (target == nullptr || flags == nullptr) return false;
  const auto& script = Script();
  const std::optional<SCNetworkReachabilityFlags> read = script.scripted ? script.flags : MachineFlags();
  if (!read) return false;
  *flags = *read;
  return true;
}

void SCNetworkReachabilityRelease(SCNetworkReachabilityRef target) {
  if (target == nullptr) return;
  --Script().live;
  delete target;
}

namespace testing {

void SetReachabilityFlags(std::optional<SCNetworkReachabilityFlags> flags) {
  Script().scripted = true;
  Script().flags = flags;
}
void RefuseReachabilityReferences(bool refuse) { Script().refuseReferences = refuse; }
std::string LastReachabilityHost() { return Script().lastNodename; }
int LiveReachabilityReferences() { return Script().live; }
void ResetReachability() { Script() = ReachabilityScript{}; }

}  // namespace testing

}  // namespace os

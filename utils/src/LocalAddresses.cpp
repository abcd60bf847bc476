#include "LocalAddresses.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <memory>

namespace fennick {

namespace {

struct InterfaceListFree {
  void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

}  // namespace

std::vector<std::string> LocalIPv4Addresses() {
  std::vector<std::string> addresses;
  ifaddrs* first = nullptr;
  if (getifaddrs(&first) != 0) return addresses;
  const std::unique_ptr<ifaddrs, InterfaceListFree> list(first);
  for (const ifaddrs* entry = first; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    if (entry->ifa_flags & IFF_LOOPBACK) continue;
    char host[NI_MAXHOST];
    if (getnameinfo(entry->ifa_addr, sizeof(sockaddr_in), host, sizeof host, nullptr, 0, NI_NUMERICHOST) != 0)
      continue;
    addresses.emplace_back(host);
  }
  return addresses;
}

}  // namespace fennick

#pragma once
// Network reachability of a host by name: whether traffic to it can leave the machine now, and
// whether a connection (a dial-up or VPN link) would have to be set up first.
#include <cstdint>
#include <string>

namespace os {

class SCNetworkReachability;
using SCNetworkReachabilityRef = SCNetworkReachability*;

using SCNetworkReachabilityFlags = std::uint32_t;
constexpr SCNetworkReachabilityFlags kSCNetworkReachabilityFlagsTransientConnection = 1u << 0;
constexpr SCNetworkReachabilityFlags kSCNetworkReachabilityFlagsReachable = 1u << 1;
constexpr SCNetworkReachabilityFlags kSCNetworkReachabilityFlagsConnectionRequired = 1u << 2;

// Null for an empty name, or when no reference can be made. The caller owns one reference.
SCNetworkReachabilityRef SCNetworkReachabilityCreateWithName(const std::string& nodename);
// False when the flags cannot be determined; flags is then left alone.
bool SCNetworkReachabilityGetFlags(SCNetworkReachabilityRef target, SCNetworkReachabilityFlags* flags);
void SCNetworkReachabilityRelease(SCNetworkReachabilityRef target);

}  // namespace os

#pragma once
// The machine's own IPv4 addresses.
#include <string>
#include <vector>

namespace fennick {

// The dotted IPv4 address of every interface entry that is not loopback, in the order the system
// lists them; empty when the interface list cannot be read.
std::vector<std::string> LocalIPv4Addresses();

}  // namespace fennick

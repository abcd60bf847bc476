#pragma once
// Publishes the application as one DNS Service Discovery service on the main thread's run loop.
// At most one service is published at a time.
#include <cstdint>
#include <map>
#include <string>

#include "os/NetService.h"

namespace fennick {

// The one published service, null when nothing is published.
extern os::NetServiceRef gRegisteredService;

// The client callback of the published service: a report from the discovery daemon (a failed
// registration, a name collision) withdraws the service; reports of other domains are ignored.
void registerCallBack(os::NetServiceRef service, os::StreamError* error, void* info);

class FennickZeroconf {
 public:
  // The longest TXT record that is published, in encoded bytes.
  static constexpr std::size_t kMaxTXTRecordLength = 1449;

  // Withdraws any published service, then publishes this one under name (the computer's name when
  // empty). A service that cannot be made, registered or given its TXT record is withdrawn; no
  // failure is reported.
  static void start(const std::string& type, const std::string& name, int port,
                    const std::map<std::string, std::string>& txt);
  // Withdraws the published service, if any.
  static void stop();
};

}  // namespace fennick

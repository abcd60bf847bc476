#pragma once
// What only tests do with the OS layer stand-in.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "os/NetService.h"
#include "os/Reachability.h"

namespace os::testing {

// Net services.
// The next NetServiceRegister returns false with this error (in the net-services domain).
void RefuseNextRegistration(std::int32_t error);
// The next registration starts, and then reports this error through the client callback on the
// run loop.
void FailNextRegistration(std::int32_t error, long domain = kStreamErrorDomainNetServices);
struct PublishedService {
  std::string domain, type, name;
  std::int32_t port = 0;
  Data txt;
};
// The services registered and not yet released, oldest first.
std::vector<PublishedService> PublishedServices();
// Services made and not yet released, registered or not.
int LiveNetServices();
// Forgets scripted registration outcomes.
void ResetNetServices();

// Reachability: the flags every reference reads (nullopt: they cannot be read; the default is
// reachable), whether references can be made at all, the host of the last reference made, and how
// many references are alive.
void SetReachabilityFlags(std::optional<SCNetworkReachabilityFlags> flags);
void RefuseReachabilityReferences(bool refuse);
std::string LastReachabilityHost();
int LiveReachabilityReferences();
void ResetReachability();

// The computer's user-visible name, in place of the host name.
void SetMachineName(const std::u16string& name);
void ResetMachineName();

// The main bundle's information dictionary.
void SetMainBundleInfoValue(const std::string& key, const std::u16string& value);
void RemoveMainBundleInfoValue(const std::string& key);
void ResetMainBundleInfo();
// Preferred languages: these, most preferred first, in place of the environment's locale
// settings until ResetPreferredLanguages.
void SetPreferredLanguages(std::vector<std::string> languages);
void ResetPreferredLanguages();

}  // namespace os::testing

#pragma once
// Network services published by DNS Service Discovery: create a service, give it a client
// callback, schedule it on the current thread's run loop (the application's event loop), register
// it, and attach a TXT record encoded from a dictionary. Services are reference counted; the last
// release ends the publication.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace os {

class NetService;
using NetServiceRef = NetService*;

// Error domain of the reports that come from the service discovery daemon.
constexpr long kStreamErrorDomainNetServices = 10;
// A name conflict with a service already on the network.
constexpr std::int32_t kNetServicesCollisionErr = -72001;

struct StreamError {
  long domain = 0;
  std::int32_t error = 0;
};

struct NetServiceClientContext {
  long version = 0;
  void* info = nullptr;
};

// Called on the run loop the service is scheduled on, with the service, the error and the info
// pointer of the client context.
using NetServiceClientCallBack = void (*)(NetServiceRef service, StreamError* error, void* info);

// Bytes of a TXT record.
using Data = std::vector<std::uint8_t>;
// TXT keys to values, both UTF-8.
using TXTDictionary = std::map<std::string, std::string>;

// Null when the type is empty or the port lies outside 0..65535. An empty domain is the default
// domain; name is the user-visible service name. The caller owns one reference.
NetServiceRef NetServiceCreate(const std::string& domain, const std::string& type, const std::string& name,
                               std::int32_t port);
void NetServiceRetain(NetServiceRef service);
void NetServiceRelease(NetServiceRef service);

// A null callback clears the client. The context's info pointer is kept, not the context.
bool NetServiceSetClient(NetServiceRef service, NetServiceClientCallBack callback, const NetServiceClientContext* context);
// Schedules on / removes from the current thread's run loop, in all common modes.
void NetServiceScheduleWithCurrentRunLoop(NetServiceRef service);
void NetServiceUnscheduleFromCurrentRunLoop(NetServiceRef service);
// Starts an asynchronous registration; false (with error set) when it could not start. A later
// failure arrives through the client callback.
bool NetServiceRegister(NetServiceRef service, StreamError* error);

// The DNS-SD encoding of the dictionary: per entry a length byte, then "key=value". Null when an
// entry cannot be encoded: an empty key, a key with "=" or outside printable ASCII, or an entry
// longer than 255 bytes. An empty dictionary gives an empty record.
std::unique_ptr<Data> NetServiceCreateTXTDataWithDictionary(const TXTDictionary& dictionary);
// False for null data.
bool NetServiceSetTXTData(NetServiceRef service, const Data* data);

}  // namespace os

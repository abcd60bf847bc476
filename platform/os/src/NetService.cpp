#include "os/NetService.h"

#include <atomic>
#include <deque>
#include <map>
#include <optional>

#include "os/testing.h"
#include "zelcore/threads/Executor.h"

namespace os {

class NetService {
 public:
  std::uint64_t id = 0;
  std::atomic<int> references{1};
  std::string domain, type, name;
  std::int32_t port = 0;
  NetServiceClientCallBack callback = nullptr;
  void* info = nullptr;
  // The run loop it is scheduled on, as an executor on that loop; null when not scheduled.
  std::shared_ptr<zelcore::threads::Executor> runLoop;
  bool registered = false;
  // A failure the daemon has yet to report through the client callback.
  std::optional<StreamError> pendingReport;
  Data txt;
};

namespace {

struct RegistrationOutcome {
  bool refuse = false;
  StreamError error;
};

// Services are used from the main thread only, as the run loop they are scheduled on is.
struct NetServices {
  std::uint64_t nextId = 1;
  // Every live service by id: work queued on the run loop finds its service here, or finds it gone.
  std::map<std::uint64_t, NetService*> live;
  std::deque<RegistrationOutcome> outcomes;
};

NetServices& Services() {
  static NetServices services;
  return services;
}

NetService* Find(std::uint64_t id) {
  const auto it = Services().live.find(id);
  return it == Services().live.end() ? nullptr : it->second;
}

// Runs on the run loop: the report reaches the client only while the service still lives, is
// scheduled and has a client. The service is kept alive for the call, since a client may release it.
void DeliverReport(std::uint64_t id, StreamError error) {
  NetService* service = Find(id);
  if (service == nullptr || !service->runLoop || service->callback == nullptr) return;
  // A report from the daemon ends the registration; others leave it standing.
  if (error.domain == kStreamErrorDomainNetServices) service->registered = false;
  NetServiceRetain(service);
  service->callback(service, &error, service->info);
  NetServiceRelease(service);
}

void PostPendingReport(NetService* service) {
  if (!service->pendingReport || !service->runLoop) return;
  const StreamError error = *service->pendingReport;
  service->pendingReport.reset();
  const std::uint64_t id = service->id;
  service->runLoop->Post([id, error] { DeliverReport(id, error); });
}

bool IsPrintableKey(const std::string& key) {
  if (key.empty()) return false;
  for (const unsigned char c : key)
    if (c < 0x20 || c > 0x7E || c == '=') return false;
  return true;
}

}  // namespace

NetServiceRef NetServiceCreate(const std::string& domain, const std::string& type, const std::string& name,
                               std::int32_t port) {
  if (type.empty() || port < 0 || port > 65535) return nullptr;
  auto* service = new NetService;
  service->id = Services().nextId++;
  service->domain = domain;
  service->type = type;
  service->name = name;
  service->port = port;
  Services().live.emplace(service->id, service);
  return service;
}

void NetServiceRetain(NetServiceRef service) { ++service->references; }

void NetServiceRelease(NetServiceRef service) {
  if (--service->references > 0) return;
  Services().live.erase(service->id);
  delete service;
}

bool NetServiceSetClient(NetServiceRef service, NetServiceClientCallBack callback, const NetServiceClientContext* context) {
  service->callback = callback;
  service->info = callback != nullptr && context != nullptr ? context->info : nullptr;
  return true;
}

void NetServiceScheduleWithCurrentRunLoop(NetServiceRef service) {
  service->runLoop = zelcore::threads::AdaptCurrentEventLoopAsExecutor(true);
  PostPendingReport(service);
}

void NetServiceUnscheduleFromCurrentRunLoop(NetServiceRef service) { service->runLoop.reset(); }

bool NetServiceRegister(NetServiceRef service, StreamError* error) {
  RegistrationOutcome outcome;
  if (!Services().outcomes.empty()) {
    outcome = Services().outcomes.front();
    Services().outcomes.pop_front();
  }
  if (outcome.refuse) {
    if (error != nullptr) *error = outcome.error;
    return false;
  }
  if (error != nullptr) *error = StreamError{};
  service->registered = true;
  if (outcome.error.error != 0) {
    service->pendingReport = outcome.error;
    PostPendingReport(service);
  }
  return true;
}

std::unique_ptr<Data> NetServiceCreateTXTDataWithDictionary(const TXTDictionary& dictionary) {
  auto data = std::make_unique<Data>();
  for (const auto& [key, value] : dictionary) {
    const std::size_t length = key.size() + 1 + value.size();
    if (!IsPrintableKey(key) || length > 255) return nullptr;
    data->push_back(static_cast<std::uint8_t>(length));
    data->insert(data->end(), key.begin(), key.end());
    data->push_back('=');
    data->insert(data->end(), value.begin(), value.end());
  }
  return data;
}

bool NetServiceSetTXTData(NetServiceRef service, const Data* data) {
  if (data == nullptr) return false;
  service->txt = *data;
  return true;
}

}  // namespace os

namespace os::testing {

void RefuseNextRegistration(std::int32_t error) {
  Services().outcomes.push_back({true, {kStreamErrorDomainNetServices, error}});
}

void FailNextRegistration(std::int32_t error, long domain) { Services().outcomes.push_back({false, {domain, error}}); }

std::vector<PublishedService> PublishedServices() {
  std::vector<PublishedService> published;
  for (const auto& [id, service] : Services().live) {
    if (service->registered)
      published.push_back({service->domain, service->type, service->name, service->port, service->txt});
  }
  return published;
}

int LiveNetServices() { return static_cast<int>(Services().live.size()); }

void ResetNetServices() { Services().outcomes.clear(); }

}  // namespace os::testing

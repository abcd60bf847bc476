#include "ZeroconfPublisher.h"

#include "os/MachineName.h"
#include "zelcore/Strings.h"

namespace fennick {

os::NetServiceRef gRegisteredService = nullptr;

void registerCallBack(os::NetServiceRef service, os::StreamError* error, void*) {
  if (error == nullptr || error->domain != os::kStreamErrorDomainNetServices) return;
  if (service == gRegisteredService) FennickZeroconf::stop();
}

void FennickZeroconf::start(const std::string& type, const std::string& name, int port,
                            const std::map<std::string, std::string>& txt) {
  stop();
  // The computer's user-visible name unless the caller names the service.
  const std::string serviceName = name.empty() ? zelcore::UTF16to8(os::CSCopyMachineName()) : name;
  gRegisteredService = os::NetServiceCreate("", type, serviceName, port);
  if (gRegisteredService != nullptr) {
    const os::NetServiceClientContext context{};
    os::NetServiceSetClient(gRegisteredService, registerCallBack, &context);
    os::NetServiceScheduleWithCurrentRunLoop(gRegisteredService);
    os::StreamError error;
    if (!os::NetServiceRegister(gRegisteredService, &error)) stop();
  }
  if (gRegisteredService == nullptr) return;

  // A record that cannot be encoded, or is too long, means no publication at all.
  const std::unique_ptr<os::Data> data = os::NetServiceCreateTXTDataWithDictionary(txt);
  if (data == nullptr || data->size() > kMaxTXTRecordLength || !os::NetServiceSetTXTData(gRegisteredService, data.get()))
    stop();
}

void FennickZeroconf::stop() {
  if (gRegisteredService == nullptr) return;
  os::NetServiceRef service = gRegisteredService;
  gRegisteredService = nullptr;
  os::NetServiceUnscheduleFromCurrentRunLoop(service);
  os::NetServiceSetClient(service, nullptr, nullptr);
  os::NetServiceRelease(service);
}

}  // namespace fennick

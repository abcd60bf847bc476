#include "ExternalEntityRefusal.h"

#include <libxml/parser.h>

#include <atomic>
#include <mutex>

namespace zelcore::xml {

namespace {

thread_local int refusingScopes = 0;
thread_local bool delegating = false;
std::atomic<xmlExternalEntityLoader> previousLoader{nullptr};
std::mutex installMutex;

xmlParserInputPtr RefusingLoader(const char* url, const char* id, xmlParserCtxtPtr context) {
  // A loader installed after ours that chains back to it must not loop.
  if (refusingScopes > 0 || delegating) return nullptr;
  const xmlExternalEntityLoader previous = previousLoader.load();
  if (previous == nullptr) return nullptr;
  delegating = true;
  xmlParserInputPtr input = previous(url, id, context);
  delegating = false;
  return input;
}

// The loader is process-wide; put ours back if someone replaced it.
void InstallRefusingLoader() {
  std::lock_guard<std::mutex> lock(installMutex);
  const xmlExternalEntityLoader current = xmlGetExternalEntityLoader();
  if (current == RefusingLoader) return;
  previousLoader.store(current);
  xmlSetExternalEntityLoader(RefusingLoader);
}

}  // namespace

ExternalEntityRefusal::ExternalEntityRefusal() {
  InstallRefusingLoader();
  ++refusingScopes;
}

ExternalEntityRefusal::~ExternalEntityRefusal() { --refusingScopes; }

}  // namespace zelcore::xml

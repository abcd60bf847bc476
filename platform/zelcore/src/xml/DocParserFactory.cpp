#include "zelcore/xml/DocParserFactory.h"

#include <mutex>
#include <utility>

namespace zelcore::xml {

namespace {

// Shared so that a parser can be made outside the lock while another thread
// replaces the factory.
struct FactorySlot {
  std::mutex mutex;
  std::shared_ptr<DocParserFactory> factory;
};

FactorySlot& Slot() {
  static FactorySlot slot;
  return slot;
}

std::shared_ptr<DocParserFactory> CurrentFactory() {
  FactorySlot& slot = Slot();
  std::lock_guard<std::mutex> lock(slot.mutex);
  return slot.factory;
}

}  // namespace

DocParserFactory::~DocParserFactory() = default;

void SetParserFactory(std::unique_ptr<DocParserFactory> factory) {
  std::shared_ptr<DocParserFactory> replaced;
  {
    FactorySlot& slot = Slot();
    std::lock_guard<std::mutex> lock(slot.mutex);
    replaced = std::exchange(slot.factory, std::shared_ptr<DocParserFactory>(std::move(factory)));
  }
  // The previous factory dies here, outside the lock.
}

std::unique_ptr<AbstractDocParser> GetParser(std::unique_ptr<AbstractParseHandler>& handler) {
  std::shared_ptr<DocParserFactory> factory = CurrentFactory();
  if (!factory) return nullptr;
  return factory->GetParser(handler);
}

std::unique_ptr<AbstractDocParser> GetParser(std::unique_ptr<AbstractParseHandler>&& handler) {
  return GetParser(handler);
}

}  // namespace zelcore::xml

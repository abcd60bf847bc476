#include "zelcore/threads/Executor.h"

#include <cstdint>
#include <mutex>
#include <utility>

namespace zelcore::threads {

namespace {

// The installed poster and its generation: each installation is a new event loop, so an executor
// made for an earlier one never posts into a later one.
struct EventLoopSlot {
  std::mutex mutex;
  EventLoopPoster poster;
  std::uint64_t generation = 0;
};

EventLoopSlot& Slot() {
  static EventLoopSlot slot;
  return slot;
}

class EventLoopExecutor : public Executor {
 public:
  explicit EventLoopExecutor(std::uint64_t generation) : mGeneration(generation) {}

  bool Post(Work work) override {
    EventLoopSlot& slot = Slot();
    // The lock is held while posting, so the application object cannot go away mid-post.
    std::lock_guard<std::mutex> lock(slot.mutex);
    if (!slot.poster || slot.generation != mGeneration) return false;
    slot.poster(std::move(work));
    return true;
  }

 private:
  const std::uint64_t mGeneration;
};

}  // namespace

void SetEventLoopPoster(EventLoopPoster poster) {
  EventLoopSlot& slot = Slot();
  std::lock_guard<std::mutex> lock(slot.mutex);
  slot.poster = std::move(poster);
  ++slot.generation;
}

std::shared_ptr<Executor> AdaptCurrentEventLoopAsExecutor(bool) {
  EventLoopSlot& slot = Slot();
  std::lock_guard<std::mutex> lock(slot.mutex);
  return std::make_shared<EventLoopExecutor>(slot.generation);
}

}  // namespace zelcore::threads

#pragma once
// Executors: objects that accept a callable and run it later somewhere else. The one the host
// uses runs work on the application's event loop; work may be handed to it from any thread.
#include <functional>
#include <memory>

namespace zelcore::threads {

using Work = std::function<void()>;

class Executor {
 public:
  virtual ~Executor() = default;
  // Queues work; returns false when the executor's target is gone and the work was dropped.
  virtual bool Post(Work work) = 0;
};

// An executor on the event loop of the running application. Work posted to it runs on that loop's
// thread, on a later turn. Once that application's loop is gone (its application object was
// destroyed, or a new one replaced it), posted work is dropped.
// queueAlways: work is queued even when posted from the loop's own thread (the only mode here).
std::shared_ptr<Executor> AdaptCurrentEventLoopAsExecutor(bool queueAlways);

// How work reaches the running application's event loop; installed by the application framework
// when its application object is made, and cleared (null) when it goes. May be called from any
// thread: a post in progress finishes before the poster is replaced.
using EventLoopPoster = std::function<void(Work)>;
void SetEventLoopPoster(EventLoopPoster poster);

}  // namespace zelcore::threads

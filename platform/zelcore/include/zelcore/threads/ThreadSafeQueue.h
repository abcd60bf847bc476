#pragma once
// A first-in first-out queue of owned items that any thread may push to and pop from.
#include <deque>
#include <memory>
#include <mutex>
#include <utility>

namespace zelcore::threads {

template <typename T>
class ThreadSafeQueue {
 public:
  ThreadSafeQueue() = default;
  ThreadSafeQueue(const ThreadSafeQueue&) = delete;
  ThreadSafeQueue& operator=(const ThreadSafeQueue&) = delete;

  // Takes ownership of the item; items still queued are deleted with the queue.
  void Push(std::unique_ptr<T> item) {
    std::lock_guard<std::mutex> lock(mMutex);
    mItems.push_back(std::move(item));
  }

  // The front item, or null at once when the queue is empty: the test and the pop are one step,
  // so two consumers never take the same item.
  std::unique_ptr<T> TryPop() {
    std::lock_guard<std::mutex> lock(mMutex);
    if (mItems.empty()) return nullptr;
    std::unique_ptr<T> item = std::move(mItems.front());
    mItems.pop_front();
    return item;
  }

  bool Empty() const {
    std::lock_guard<std::mutex> lock(mMutex);
    return mItems.empty();
  }

 private:
  mutable std::mutex mMutex;
  std::deque<std::unique_ptr<T>> mItems;
};

}  // namespace zelcore::threads

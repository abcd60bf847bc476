#pragma once
// Messages from a broadcaster to the listeners registered with it. Each side keeps a list of the
// other. A listener removed while a message is being delivered is blanked and skipped, and the
// list is tidied once delivery ends; a listener that goes leaves every broadcaster it was on; a
// broadcaster that goes first detaches its listeners.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "zelcore/Assert.h"

namespace arx::messaging {

template <typename Message>
class Broadcaster;

template <typename Message>
class Listener {
 public:
  Listener() = default;
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  virtual ~Listener() {
    while (!mBroadcasters.empty()) mBroadcasters.back()->RemoveListener(this);
  }

  virtual void ListenToMessage(Message message) = 0;

  bool IsListeningTo(const Broadcaster<Message>& broadcaster) const {
    return std::find(mBroadcasters.begin(), mBroadcasters.end(), &broadcaster) != mBroadcasters.end();
  }

 private:
  friend class Broadcaster<Message>;
  std::vector<Broadcaster<Message>*> mBroadcasters;
};

template <typename Message>
class Broadcaster {
 public:
  Broadcaster() = default;
  Broadcaster(const Broadcaster&) = delete;
  Broadcaster& operator=(const Broadcaster&) = delete;
  virtual ~Broadcaster() {
    for (Listener<Message>* listener : mListeners)
      if (listener) Forget(*listener);
  }

  void AddListener(Listener<Message>* inListener) {
    if (std::find(mListeners.begin(), mListeners.end(), inListener) != mListeners.end()) {
      static bool sSiteDisabled = false;
      zelcore::BreakAfterAssertDialog(sSiteDisabled,
                                      "std::find(mListeners.begin(),mListeners.end(),inListener) == mListeners.end()",
                                      "", __FILE__, __LINE__, __PRETTY_FUNCTION__);
      return;
    }
    mListeners.push_back(inListener);
    inListener->mBroadcasters.push_back(this);
  }

  void RemoveListener(Listener<Message>* inListener) {
    const auto it = std::find(mListeners.begin(), mListeners.end(), inListener);
    if (it == mListeners.end() || inListener == nullptr) {
      static bool sSiteDisabled = false;
      zelcore::BreakAfterAssertDialog(sSiteDisabled,
                                      "std::find(mListeners.begin(),mListeners.end(),inListener) != mListeners.end()",
                                      "", __FILE__, __LINE__, __PRETTY_FUNCTION__);
      return;
    }
    if (mDispatching > 0) {
      *it = nullptr;
      mNeedsTidy = true;
    } else {
      mListeners.erase(it);
    }
    Forget(*inListener);
  }

  // Delivers the message to the listeners registered when delivery starts.
  void BroadcastMessage(Message message) {
    ++mDispatching;
    const std::size_t count = mListeners.size();
    for (std::size_t i = 0; i < count && i < mListeners.size(); ++i)
      if (Listener<Message>* listener = mListeners[i]) listener->ListenToMessage(message);
    if (--mDispatching == 0 && mNeedsTidy) {
      mListeners.erase(std::remove(mListeners.begin(), mListeners.end(), nullptr), mListeners.end());
      mNeedsTidy = false;
    }
  }

  std::size_t ListenerCount() const {
    return static_cast<std::size_t>(std::count_if(mListeners.begin(), mListeners.end(),
                                                  [](const Listener<Message>* l) { return l != nullptr; }));
  }

 private:
  void Forget(Listener<Message>& listener) {
    auto& list = listener.mBroadcasters;
    const auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) list.erase(it);
  }

  std::vector<Listener<Message>*> mListeners;
  int mDispatching = 0;
  bool mNeedsTidy = false;
};

}  // namespace arx::messaging

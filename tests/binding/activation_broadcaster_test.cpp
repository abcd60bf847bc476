// The application framework's broadcaster, as the activation listener relies on it: listeners
// removed or added during a delivery, a listener that outlives its broadcaster, a double add.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "arx/messaging/Broadcaster.h"
#include "zelcore/testing.h"

namespace {

using Broadcaster = arx::messaging::Broadcaster<int>;

struct Recorder : arx::messaging::Listener<int> {
  explicit Recorder(std::vector<int>& log, int id) : log(log), id(id) {}
  void ListenToMessage(int message) override {
    log.push_back(id * 100 + message);
    if (onMessage) onMessage();
  }
  std::vector<int>& log;
  int id;
  std::function<void()> onMessage;
};

}  // namespace

TEST(ActivationBroadcaster, ListenerRemovedDuringDeliveryIsSkippedAndTidiedAway) {
  std::vector<int> log;
  Broadcaster broadcaster;
  Recorder first(log, 1);
  auto second = std::make_unique<Recorder>(log, 2);
  Recorder third(log, 3);
  broadcaster.AddListener(&first);
  broadcaster.AddListener(second.get());
  broadcaster.AddListener(&third);
  first.onMessage = [&] { second.reset(); };  // the listener's destructor leaves the broadcaster
  broadcaster.BroadcastMessage(1);
  EXPECT_EQ(log, (std::vector<int>{101, 301}));
  EXPECT_EQ(broadcaster.ListenerCount(), 2u);
  first.onMessage = nullptr;
  broadcaster.BroadcastMessage(2);
  EXPECT_EQ(log, (std::vector<int>{101, 301, 102, 302}));
}

TEST(ActivationBroadcaster, ListenerAddedDuringDeliveryHearsTheNextMessage) {
  std::vector<int> log;
  Broadcaster broadcaster;
  Recorder first(log, 1);
  Recorder late(log, 2);
  broadcaster.AddListener(&first);
  first.onMessage = [&] {
    if (!late.IsListeningTo(broadcaster)) broadcaster.AddListener(&late);
  };
  broadcaster.BroadcastMessage(1);
  broadcaster.BroadcastMessage(2);
  EXPECT_EQ(log, (std::vector<int>{101, 102, 202}));
}

TEST(ActivationBroadcaster, BroadcasterThatGoesFirstDetachesItsListeners) {
  std::vector<int> log;
  Recorder listener(log, 1);
  {
    Broadcaster broadcaster;
    broadcaster.AddListener(&listener);
    EXPECT_TRUE(listener.IsListeningTo(broadcaster));
  }
  // The listener's destructor must not reach the broadcaster that is gone (AddressSanitizer).
  Broadcaster other;
  other.AddListener(&listener);
  other.BroadcastMessage(5);
  EXPECT_EQ(log, (std::vector<int>{105}));
}

TEST(ActivationBroadcaster, AddingTwiceIsReportedAndDeliversOnce) {
  zelcore::testing::ResetAssertions();
  std::vector<int> log;
  Broadcaster broadcaster;
  Recorder listener(log, 1);
  broadcaster.AddListener(&listener);
  broadcaster.AddListener(&listener);
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition,
            "std::find(mListeners.begin(),mListeners.end(),inListener) == mListeners.end()");
  broadcaster.BroadcastMessage(1);
  EXPECT_EQ(log, (std::vector<int>{101}));
  broadcaster.RemoveListener(&listener);
  broadcaster.RemoveListener(&listener);
  EXPECT_EQ(zelcore::testing::Assertions().size(), 2u);
  EXPECT_FALSE(listener.IsListeningTo(broadcaster));
}

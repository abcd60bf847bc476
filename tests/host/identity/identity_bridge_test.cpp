// The identity bridge across its two threads: the library answers on its own thread while the
// test's main loop runs what the bridge posts to it. Outcomes arrive exactly once, in order, and
// never reach a state that has been closed.
#include <gtest/gtest.h>

#include <deque>
#include <mutex>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "UlmLibLua.h"
#include "ulmlib/testing.h"
#include "zelcore/threads/Executor.h"
#include "zellua/binding/LuaRef.h"

namespace {

namespace ut = ulmlib::testing;
using zelcore::threads::Work;

// The texts onFetchAccessToken received, as "status:data".
std::vector<std::string> gReceived;

int RecordOutcome(lua_State* L) {
  gReceived.push_back(std::to_string(luaL_checkinteger(L, 1)) + ":" + luaL_checkstring(L, 2));
  return 0;
}

// The test thread's event loop: work posted from any thread waits here until Pump runs it.
class MainLoop {
 public:
  MainLoop() {
    zelcore::threads::SetEventLoopPoster([this](Work work) {
      std::lock_guard<std::mutex> lock(mMutex);
      mWork.push_back(std::move(work));
    });
  }
  ~MainLoop() { zelcore::threads::SetEventLoopPoster(nullptr); }

  // Runs the work posted so far; returns how much ran.
  int Pump() {
    std::deque<Work> work;
    {
      std::lock_guard<std::mutex> lock(mMutex);
      work.swap(mWork);
    }
    for (Work& w : work) w();
    return static_cast<int>(work.size());
  }

  // Lets the library answer everything, then runs work until none is left.
  void PumpUntilIdle() {
    do ut::WaitUntilIdle();
    while (Pump() > 0);
  }

 private:
  std::mutex mMutex;
  std::deque<Work> mWork;
};

lua_State* OpenState() {
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  luaopen_ulmliblua(L);
  lua_settop(L, 0);
  InitLua(L);
  lua_register(L, "onFetchAccessToken", RecordOutcome);
  return L;
}

void CloseState(lua_State* L) {
  zellua::binding::MarkStateClosed(L);
  lua_close(L);
}

// Calls ulmliblua.ulmLibLogin() and returns its result ("nil" for nil).
std::string Login(lua_State* L) {
  lua_getglobal(L, "ulmliblua");
  lua_getfield(L, -1, "ulmLibLogin");
  if (lua_pcall(L, 0, 1, 0) != 0) return std::string("error: ") + lua_tostring(L, -1);
  const std::string result = lua_isnil(L, -1) ? "nil" : lua_tostring(L, -1);
  lua_settop(L, 0);
  return result;
}

class IdentityBridge : public ::testing::Test {
 protected:
  // One user is signed in; a token request gets what a test queued, else it fails.
  void SetUp() override {
    ut::Reset();
    ut::SetAccountIds({"user"});
    gReceived.clear();
    L = OpenState();
  }
  void TearDown() override {
    ut::Reset();
    loop.PumpUntilIdle();
    if (L != nullptr) CloseState(L);
  }

  MainLoop loop;
  lua_State* L = nullptr;
};

// 1,000 logins while the library answers on its thread and the main loop runs concurrently:
// every answer arrives once, in order.
TEST_F(IdentityBridge, ThousandLoginsLoseAndDoubleNothing) {
  constexpr int kLogins = 1000;
  std::vector<std::string> expected;
  for (int i = 0; i < kLogins; ++i) {
    const std::string n = std::to_string(i);
    ut::SetAccountIds({"user-" + n});
    ut::QueueTokenAnswer({0, 0, "token-" + n, false});
    ASSERT_EQ(Login(L), "0,") << i;
    expected.push_back("0:token-" + n);
    loop.Pump();
  }
  loop.PumpUntilIdle();
  EXPECT_EQ(gReceived.size(), expected.size());
  EXPECT_EQ(gReceived, expected);
  EXPECT_EQ(ut::TokenRequests().size(), static_cast<std::size_t>(kLogins));
}

// Chains of retries started from the library's thread: each login delivers exactly its last try.
TEST_F(IdentityBridge, RetryChainsDeliverOneOutcomeEach) {
  constexpr int kLogins = 300;
  std::vector<std::string> expected;
  for (int i = 0; i < kLogins; ++i) {
    const std::string n = std::to_string(i);
    ut::SetAccountIds({"a-" + n, "b-" + n, "c-" + n});
    ut::QueueTokenAnswer({0, 1, "first-" + n, false});
    if (i % 2 == 0) {
      ut::QueueTokenAnswer({0, 0, "token-" + n, false});
      expected.push_back("0:token-" + n);
    } else {
      ut::QueueTokenAnswer({0, 2, "second-" + n, false});
      ut::QueueTokenAnswer({0, 3, "third-" + n, false});
      expected.push_back("3:third-" + n);
    }
    ASSERT_EQ(Login(L), "0,") << i;
    // A later login refills the ids a running chain takes from, so chains do not overlap here.
    ut::WaitUntilIdle();
    loop.Pump();
  }
  loop.PumpUntilIdle();
  EXPECT_EQ(gReceived, expected);
}

// An answer that comes from the library's thread after the state was closed is dropped, never
// pushed into the closed state; a new state works. The state is marked closed first, as the host
// does right before lua_close, so that a push would still reach the recording handler.
TEST_F(IdentityBridge, LateAnswerAfterCloseIsDropped) {
  ut::HoldAnswers(true);
  ASSERT_EQ(Login(L), "0,");
  zellua::binding::MarkStateClosed(L);
  ut::HoldAnswers(false);
  loop.PumpUntilIdle();
  EXPECT_TRUE(gReceived.empty());
  lua_close(L);
  L = nullptr;

  L = OpenState();
  ut::QueueTokenAnswer({0, 0, "token", false});
  ASSERT_EQ(Login(L), "0,");
  loop.PumpUntilIdle();
  EXPECT_EQ(gReceived, std::vector<std::string>{"0:token"});
}

// An outcome queued for a closed state does not reach the state opened after it.
TEST_F(IdentityBridge, OutcomeQueuedForAnEarlierStateIsNotDeliveredToTheNext) {
  ASSERT_EQ(Login(L), "0,");
  ut::WaitUntilIdle();
  CloseState(L);
  L = OpenState();
  loop.PumpUntilIdle();
  EXPECT_TRUE(gReceived.empty());
}

// InitLua again with the same state only replaces the executor: a queued outcome still arrives.
TEST_F(IdentityBridge, InitAgainWithTheSameStateKeepsQueuedOutcomes) {
  ASSERT_EQ(Login(L), "0,");
  ut::WaitUntilIdle();
  InitLua(L);
  loop.PumpUntilIdle();
  EXPECT_EQ(gReceived.size(), 1u);
}

// The dispatch leaves the main state's stack as it found it, whatever the handler does.
TEST_F(IdentityBridge, DispatchLeavesTheStackAsFound) {
  for (const char* handler : {"onFetchAccessToken = nil", "onFetchAccessToken = 42",
                              "onFetchAccessToken = function() error('handler failed') end",
                              "onFetchAccessToken = function(s, d) return s, d, 'more' end"}) {
    ASSERT_EQ(luaL_dostring(L, handler), 0) << handler;
    ASSERT_EQ(Login(L), "0,") << handler;
    lua_pushstring(L, "caller's slot");
    loop.PumpUntilIdle();
    EXPECT_EQ(lua_gettop(L), 1) << handler;
    EXPECT_STREQ(lua_tostring(L, 1), "caller's slot") << handler;
  }
  EXPECT_TRUE(gReceived.empty());
}

// A globals table that raises on an unknown name (a "strict" script) while no handler is defined:
// the dispatch runs from the event loop, outside any Lua call, so the error must not escape it.
// That outcome is dropped; a later one reaches the handler once it is defined.
TEST_F(IdentityBridge, RaisingGlobalsLookupDropsOnlyThatOutcome) {
  ASSERT_EQ(luaL_dostring(L, "onFetchAccessToken = nil "
                             "setmetatable(_G, { __index = function(_, name) error('undefined ' .. name) end })"),
            0);
  ASSERT_EQ(Login(L), "0,");
  lua_pushstring(L, "caller's slot");
  loop.PumpUntilIdle();
  EXPECT_TRUE(gReceived.empty());
  EXPECT_EQ(lua_gettop(L), 1);
  lua_settop(L, 0);

  lua_register(L, "onFetchAccessToken", RecordOutcome);
  ut::QueueTokenAnswer({0, 0, "token", false});
  ASSERT_EQ(Login(L), "0,");
  loop.PumpUntilIdle();
  EXPECT_EQ(gReceived, std::vector<std::string>{"0:token"});
}

}  // namespace

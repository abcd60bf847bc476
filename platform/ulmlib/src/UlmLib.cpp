#include "ulmlib/UlmLib.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "ulmlib/testing.h"
#include "zelcore/RecordAndAnswer.h"

namespace ulmlib {

namespace {

using testing::TokenAnswer;
using testing::TokenRequest;

struct PendingAnswer {
  UlmAccessTokenCallback callback;
  std::int32_t status;
  std::string data;
  bool nullData;
};

// The library's state and its answering thread. Calls come from any thread; callbacks run on the
// answering thread with no lock held, so a callback may start the next request.
class Library {
 public:
  ~Library() {
    {
      std::lock_guard<std::mutex> lock(mMutex);
      mStopping = true;
      // The process is ending: requests not yet answered are dropped.
      mInFlight -= static_cast<int>(mAnswers.size());
      mAnswers.clear();
    }
    mWake.notify_all();
    if (mThread.joinable()) mThread.join();
  }

  UlmRef CreateRef(const char* host) {
    std::lock_guard<std::mutex> lock(mMutex);
    ThrowIfScripted();
    mRefs.emplace_back(host != nullptr ? host : "");
    return static_cast<UlmRef>(mRefs.size());
  }

  std::int32_t FetchAccounts(char** data) {
    std::lock_guard<std::mutex> lock(mMutex);
    ThrowIfScripted();
    if (mAccountsCode == 0 && mAccountData && data != nullptr) {
      *data = new char[mAccountData->size() + 1];
      std::memcpy(*data, mAccountData->c_str(), mAccountData->size() + 1);
      ++mUnreleased;
    }
    return mAccountsCode;
  }

  void ReleaseData(char** data) {
    if (data == nullptr || *data == nullptr) return;
    std::lock_guard<std::mutex> lock(mMutex);
    delete[] *data;
    *data = nullptr;
    --mUnreleased;
  }

  std::int32_t FetchAccessToken(TokenRequest request, UlmAccessTokenCallback callback) {
    std::lock_guard<std::mutex> lock(mMutex);
    ThrowIfScripted();
    const TokenAnswer answer = mTokens.Ask(std::move(request));
    if (answer.startCode != 0) return answer.startCode;
    mAnswers.push_back({callback, answer.status, answer.data, answer.nullData});
    ++mInFlight;
    if (!mThread.joinable()) mThread = std::thread([this] { Answer(); });
    mWake.notify_all();
    return 0;
  }

  void HoldAnswers(bool held) {
    {
      std::lock_guard<std::mutex> lock(mMutex);
      mHeld = held;
    }
    mWake.notify_all();
  }

  void WaitUntilIdle() {
    std::unique_lock<std::mutex> lock(mMutex);
    mIdle.wait(lock, [this] { return mInFlight == 0; });
  }

  // Test scripting, under the lock.
  template <typename Change>
  auto Script(Change change) {
    std::lock_guard<std::mutex> lock(mMutex);
    return change(*this);
  }

  void ResetScripts() {
    mAccountsCode = 0;
    mAccountData = testing::AccountXML({});
    mTokens.Reset();
    mThrow = false;
    mRefs.clear();
  }

  // Nobody is signed in on this machine unless a test says so, and a token request nobody
  // answered fails.
  std::int32_t mAccountsCode = 0;
  std::optional<std::string> mAccountData = testing::AccountXML({});
  zelcore::testing::RecordAndAnswer<TokenRequest, TokenAnswer> mTokens{
      TokenAnswer{0, testing::kUnansweredTokenStatus, testing::kUnansweredTokenText}};
  bool mThrow = false;
  std::vector<std::string> mRefs;
  int mUnreleased = 0;

 private:
  void ThrowIfScripted() const {
    if (mThrow) throw testing::LibraryFailure();
  }

  void Answer() {
    std::unique_lock<std::mutex> lock(mMutex);
    for (;;) {
      mWake.wait(lock, [this] { return mStopping || (!mHeld && !mAnswers.empty()); });
      if (mStopping) return;
      PendingAnswer answer = std::move(mAnswers.front());
      mAnswers.pop_front();
      lock.unlock();
      if (answer.callback != nullptr) answer.callback(answer.status, answer.nullData ? nullptr : answer.data.c_str());
      lock.lock();
      if (--mInFlight == 0) mIdle.notify_all();
    }
  }

  std::mutex mMutex;
  std::condition_variable mWake;
  std::condition_variable mIdle;
  std::deque<PendingAnswer> mAnswers;
  int mInFlight = 0;
  bool mHeld = false;
  bool mStopping = false;
  std::thread mThread;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

}  // namespace ulmlib

using ulmlib::TheLibrary;

UlmRef Ulm_createRefEx(std::int32_t* error, const char* endpointHost) {
  if (error != nullptr) *error = 0;
  return TheLibrary().CreateRef(endpointHost);
}

std::int32_t Ulm_fetchAccounts(UlmRef, const char*, char** data) { return TheLibrary().FetchAccounts(data); }

std::int32_t Ulm_releaseData(UlmRef, std::int32_t, char** data) {
  TheLibrary().ReleaseData(data);
  return 0;
}

std::int32_t Ulm_fetchAccessToken(UlmRef ref, const char* clientId, const char* clientSecret, const char* userId,
                                  const char* deviceToken, const char* scopes, UlmAccessTokenCallback callback) {
  using ulmlib::Text;
  return TheLibrary().FetchAccessToken(
      {ref, Text(clientId), Text(clientSecret), Text(userId), Text(deviceToken), Text(scopes)}, callback);
}

namespace ulmlib::testing {

std::string AccountXML(const std::vector<std::string>& userIds) {
  std::string xml = "<accounts>";
  for (const std::string& id : userIds) xml += "<account><userId>" + id + "</userId></account>";
  return xml + "</accounts>";
}

void SetAccounts(std::int32_t code, std::optional<std::string> data) {
  TheLibrary().Script([&](Library& l) {
    l.mAccountsCode = code;
    l.mAccountData = std::move(data);
  });
}

void SetAccountIds(const std::vector<std::string>& userIds) { SetAccounts(0, AccountXML(userIds)); }

void QueueTokenAnswer(const TokenAnswer& answer) {
  TheLibrary().Script([&](Library& l) { l.mTokens.Queue(answer); });
}

void ThrowFromCalls(bool enabled) {
  TheLibrary().Script([&](Library& l) { l.mThrow = enabled; });
}

std::vector<TokenRequest> TokenRequests() {
  return TheLibrary().Script([](Library& l) { return l.mTokens.Requests(); });
}

std::vector<std::string> CreatedRefs() {
  return TheLibrary().Script([](Library& l) { return l.mRefs; });
}

int UnreleasedData() {
  return TheLibrary().Script([](Library& l) { return l.mUnreleased; });
}

void HoldAnswers(bool held) { TheLibrary().HoldAnswers(held); }

void WaitUntilIdle() { TheLibrary().WaitUntilIdle(); }

void Reset() {
  TheLibrary().HoldAnswers(false);
  TheLibrary().WaitUntilIdle();
  TheLibrary().Script([](Library& l) { l.ResetScripts(); });
}

}  // namespace ulmlib::testing

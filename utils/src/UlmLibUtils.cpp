#include "UlmLibUtils.h"

#include <memory>

extern "C" {
#include <lua.h>
}

#include "ResponseFormatter.h"
#include "ulmlib/UlmLib.h"
#include "zelcore/threads/Executor.h"
#include "zelcore/threads/ThreadSafeQueue.h"
#include "zellua/binding/LuaRef.h"

namespace ulmliblua {

namespace {

constexpr const char* kClientId = "QuorvinVeyra1";
constexpr const char* kClientSecret = "5e2a7b90-1c4d-4f3e-8b6a-0d9c2e7f4a13";
constexpr const char* kScopes = "QuorvinID,openid,sao.veyra";
constexpr const char* kDeviceToken = "";
// The identity service's login endpoint of this deployment.
constexpr const char* kEndpointHost = "login.identity.quorvin.example";

constexpr const char* kUserIdOpenTag = "<userId>";
constexpr const char* kUserIdCloseTag = "</userId>";

// One outcome on its way from the library's thread to the main loop.
struct UlmCallbackItem {
  std::int32_t status;
  std::string data;
};

// The library reference, made on the first request from whichever thread comes first.
std::mutex sRefMutex;
UlmRef m_UlmRef = 0;

UserIdQueue sUserIds;
zelcore::threads::ThreadSafeQueue<UlmCallbackItem> incomingUlmQueue;

// Main thread only: calls the global "onFetchAccessToken" of the main state with an outcome; does
// nothing once that state is closed.
zellua::binding::LuaRef sOutcomeHandler;

// Read by the library's thread, replaced by the main thread: always through atomic operations.
std::shared_ptr<zelcore::threads::Executor> sExecutor;

UlmRef CreateUlmRef() {
  std::lock_guard<std::mutex> lock(sRefMutex);
  if (m_UlmRef == 0) {
    std::int32_t error = 0;
    m_UlmRef = Ulm_createRefEx(&error, kEndpointHost);
  }
  return m_UlmRef;
}

void PostDispatch() {
  const std::shared_ptr<zelcore::threads::Executor> executor = std::atomic_load(&sExecutor);
  if (executor) executor->Post([] { UlmLibUtils::DispatchUlmCallback(); });
}

}  // namespace

void UserIdQueue::Replace(std::vector<std::string> ids) {
  std::lock_guard<std::mutex> lock(mMutex);
  mIds.assign(std::make_move_iterator(ids.begin()), std::make_move_iterator(ids.end()));
}

std::optional<std::string> UserIdQueue::TryPopFront() {
  std::lock_guard<std::mutex> lock(mMutex);
  if (mIds.empty()) return std::nullopt;
  std::string id = std::move(mIds.front());
  mIds.pop_front();
  return id;
}

bool UserIdQueue::Empty() const {
  std::lock_guard<std::mutex> lock(mMutex);
  return mIds.empty();
}

UserIdQueue& UlmLibUtils::UserIds() { return sUserIds; }

void UlmLibUtils::InitLuaThreadState(lua_State* L) {
  // A new state drops what was queued for the earlier one; the same state keeps its outcomes.
  // The handler is read when an outcome arrives, inside the protected call: reading the global may
  // raise too (a metatable on the globals that refuses unknown names), and the dispatch runs from
  // the event loop, where no Lua caller would catch the error.
  const bool sameState = sOutcomeHandler.IsValid() && sOutcomeHandler.State() == zellua::binding::MainState(L);
  if (!sameState) {
    sOutcomeHandler =
        zellua::binding::GlobalHookRef(L, "onFetchAccessToken", zellua::binding::HookValues::kFunctionsOnly);
    while (incomingUlmQueue.TryPop()) {
    }
  }
  std::atomic_store(&sExecutor, zelcore::threads::AdaptCurrentEventLoopAsExecutor(true));
}

std::string UlmLibUtils::FetchAccounts() {
  std::string result;
  try {
    const UlmRef ref = CreateUlmRef();
    char* data = nullptr;
    const std::int32_t code = Ulm_fetchAccounts(ref, kClientId, &data);
    if (code != 0) {
      result = ResponseFormatter::GetFormattedResponse(
          code, "Unable to retrieve account information (Note: this may not be an error)");
    } else if (data != nullptr) {
      result = ResponseFormatter::GetFormattedResponse(0, data);
      Ulm_releaseData(ref, 0, &data);
      data = nullptr;
    } else {
      result = ResponseFormatter::GetFormattedResponse(0, "Returned accountData is empty");
    }
  } catch (...) {
    result.clear();
  }
  return result;
}

void UlmLibUtils::FetchUserAccountGuids(UserIdQueue& ids) {
  const std::string accounts = FetchAccounts();
  std::vector<std::string> found;
  std::size_t position = 0;
  for (;;) {
    std::string id = ExtractDataFromXML(accounts, kUserIdOpenTag, kUserIdCloseTag, position);
    if (position == std::string::npos) break;
    if (!id.empty()) found.push_back(std::move(id));
  }
  ids.Replace(std::move(found));
}

UlmLibUtils::TokenStart UlmLibUtils::FetchAccessTokenForNextId() {
  const std::optional<std::string> id = sUserIds.TryPopFront();
  if (!id) return {};
  TokenStart start = StartAccessToken(id->c_str());
  start.tried = true;
  return start;
}

std::string UlmLibUtils::FetchAccessToken(const char* userId) { return StartAccessToken(userId).text; }

UlmLibUtils::TokenStart UlmLibUtils::StartAccessToken(const char* userId) {
  TokenStart start;
  try {
    const UlmRef ref = CreateUlmRef();
    const std::int32_t code =
        Ulm_fetchAccessToken(ref, kClientId, kClientSecret, userId, kDeviceToken, kScopes, FetchAccessTokenCallbackFn);
    start.started = code == 0;
    start.text = code != 0 ? ResponseFormatter::GetFormattedResponse(code, "Error returned while fetching access token")
                           : ResponseFormatter::GetFormattedResponse(0, "");
  } catch (...) {
    start.started = false;
    start.text.clear();
  }
  return start;
}

void UlmLibUtils::DispatchUlmCallback() {
  // An answer that comes after the state was closed is dropped, and so is one whose handler is
  // missing, not a function or fails; the stack is left as it was.
  while (const std::unique_ptr<UlmCallbackItem> item = incomingUlmQueue.TryPop()) {
    sOutcomeHandler.Call([&item](lua_State* L) {
      lua_pushinteger(L, item->status);
      lua_pushlstring(L, item->data.data(), item->data.size());
      return 2;
    });
  }
}

std::string UlmLibUtils::ExtractDataFromXML(const std::string& text, const std::string& openTag,
                                            const std::string& closeTag, std::size_t& position) {
  const std::size_t open = text.find(openTag, position);
  const std::size_t start = open == std::string::npos ? open : open + openTag.size();
  const std::size_t close = start == std::string::npos ? start : text.find(closeTag, start);
  if (close == std::string::npos) {
    position = std::string::npos;
    return "";
  }
  position = close;
  return text.substr(start, close - start);
}

void FetchAccessTokenCallbackFn(std::int32_t status, const char* data) {
  // Only the last try of a chain reaches Lua: a failure with ids left starts the next request.
  // When that request cannot be started, this outcome is the chain's last and is delivered.
  if (status != 0 && UlmLibUtils::FetchAccessTokenForNextId().started) return;
  incomingUlmQueue.Push(std::make_unique<UlmCallbackItem>(UlmCallbackItem{status, data != nullptr ? data : ""}));
  PostDispatch();
}

}  // namespace ulmliblua

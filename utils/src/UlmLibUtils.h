#pragma once
// The native side of sign-in: drives the identity library, keeps the user ids still to try, and
// carries each outcome from the library's thread to the main event loop, where the Lua global
// "onFetchAccessToken" receives it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct lua_State;

namespace ulmliblua {

// User ids still to try, front first. Shared by the main thread (a login fills it) and the
// library's thread (a retry takes from it); each operation is one locked step.
class UserIdQueue {
 public:
  void Replace(std::vector<std::string> ids);
  // Takes the front id; nullopt when there is none.
  std::optional<std::string> TryPopFront();
  bool Empty() const;

 private:
  mutable std::mutex mMutex;
  std::deque<std::string> mIds;
};

class UlmLibUtils {
 public:
  // What starting a token request gave: whether an id was there to try, whether the library
  // started the request, and the result text (code, comma, message; empty when the library raised).
  struct TokenStart {
    bool tried = false;
    bool started = false;
    std::string text;
  };

  // Remembers the main Lua state and makes a new executor on the current (main) event loop.
  // Outcomes still queued for an earlier state are dropped; called again with the same state, it
  // only replaces the executor.
  static void InitLuaThreadState(lua_State* L);

  static std::string FetchAccounts();
  static void FetchUserAccountGuids(UserIdQueue& ids);
  static TokenStart FetchAccessTokenForNextId();
  static std::string FetchAccessToken(const char* userId);
  // Runs on the main loop: hands every queued outcome to "onFetchAccessToken".
  static void DispatchUlmCallback();
  // The text between the open and the close tag, searched from position on; position is left
  // where the close tag begins, or npos (with "" returned) when either tag is missing.
  static std::string ExtractDataFromXML(const std::string& text, const std::string& openTag,
                                        const std::string& closeTag, std::size_t& position);

  static UserIdQueue& UserIds();

 private:
  static TokenStart StartAccessToken(const char* userId);
};

// The library's answer to a token request, on the library's thread.
void FetchAccessTokenCallbackFn(std::int32_t status, const char* data);

}  // namespace ulmliblua

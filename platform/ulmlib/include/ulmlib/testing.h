#pragma once
// What only tests do with the identity library stand-in: script accounts, token answers and
// failures, read the requests, and wait for the library's thread.
//
// Unscripted, nobody is signed in: the account data lists no account, and a token request that
// was given no answer starts and then fails with kUnansweredTokenStatus and kUnansweredTokenText.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulmlib::testing {

constexpr std::int32_t kUnansweredTokenStatus = 1;
constexpr const char* kUnansweredTokenText = "no access token for this user";

// The error every call raises while ThrowFromCalls is set.
struct LibraryFailure : std::runtime_error {
  LibraryFailure() : std::runtime_error("identity library failure") {}
};

// The account data as the library returns it: each user id inside "<userId>" and "</userId>".
std::string AccountXML(const std::vector<std::string>& userIds);
// What Ulm_fetchAccounts answers: its code, and its data (nullopt: the pointer stays null).
void SetAccounts(std::int32_t code, std::optional<std::string> data);
void SetAccountIds(const std::vector<std::string>& userIds);

// One token request's answer: a non-zero startCode refuses the request at once (no callback);
// otherwise the callback gets status and data on the library's thread (a null pointer for data
// when nullData is set).
struct TokenAnswer {
  std::int32_t startCode = 0;
  std::int32_t status = 0;
  std::string data;
  bool nullData = false;
};
// Answers for the next token requests, in the order the requests come; once they are used up,
// requests fail (kUnansweredTokenStatus).
void QueueTokenAnswer(const TokenAnswer& answer);

// Every library call raises LibraryFailure while set.
void ThrowFromCalls(bool enabled);

struct TokenRequest {
  std::int32_t ref;
  std::string clientId, clientSecret, userId, deviceToken, scopes;
};
std::vector<TokenRequest> TokenRequests();
// The endpoint hosts references were made for, in order.
std::vector<std::string> CreatedRefs();
// Account data handed out and not yet released.
int UnreleasedData();

// While held, the library's thread answers nothing; released, it answers what has waited, in order.
void HoldAnswers(bool held);

// Blocks until every started request has been answered and its callback has returned. Answers
// must not be held.
void WaitUntilIdle();
// Releases held answers, waits for the library's thread, then restores the unscripted answers and clears the records.
void Reset();

}  // namespace ulmlib::testing

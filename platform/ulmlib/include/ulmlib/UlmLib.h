#pragma once
// The identity client library: a reference to the identity service, the accounts known on this
// machine, and access tokens requested asynchronously. Token answers arrive on a thread of the
// library's own.
#include <cstdint>

using UlmRef = std::int32_t;

// Called exactly once per started token request, on the library's thread: status 0 is success;
// data is the token text, or the error text, NUL-terminated.
using UlmAccessTokenCallback = void (*)(std::int32_t status, const char* data);

// A reference to the service at the endpoint host; *error is set to a non-zero code on failure,
// when the result is 0.
UlmRef Ulm_createRefEx(std::int32_t* error, const char* endpointHost);

// The account data (XML text) of the client on this machine. Returns 0 on success and then may
// set *data to text that the caller frees with Ulm_releaseData; non-zero is an error code.
std::int32_t Ulm_fetchAccounts(UlmRef ref, const char* clientId, char** data);

// Frees data the library returned and sets *data to null.
std::int32_t Ulm_releaseData(UlmRef ref, std::int32_t flags, char** data);

// Starts an access-token request for the user; returns 0 when it was started (the callback then
// follows), or an error code (and no callback).
std::int32_t Ulm_fetchAccessToken(UlmRef ref, const char* clientId, const char* clientSecret, const char* userId,
                                  const char* deviceToken, const char* scopes, UlmAccessTokenCallback callback);

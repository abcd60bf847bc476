// Test controls for OpenSSL's random generator: scripted bytes (so that an initialisation vector
// can be fixed) and failures, through a random method installed in place of the default one.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/rand.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "TestControls.h"

namespace {

std::string gScripted;  // handed out first, then the default generator takes over
int gFailureCode = 1;   // what every call returns when it is not 1

int ScriptedBytes(unsigned char* out, int count) {
  if (gFailureCode != 1) return gFailureCode;
  const std::size_t taken = std::min(gScripted.size(), static_cast<std::size_t>(count));
  std::memcpy(out, gScripted.data(), taken);
  gScripted.erase(0, taken);
  if (taken == static_cast<std::size_t>(count)) return 1;
  return RAND_OpenSSL()->bytes(out + taken, count - static_cast<int>(taken));
}

int Status() { return 1; }

const RAND_METHOD kScriptedMethod = {nullptr, ScriptedBytes, nullptr, nullptr, ScriptedBytes, Status};

// scriptRandomBytes(bytes): the next random bytes drawn are these.
int scriptRandomBytes(lua_State* L) {
  std::size_t length = 0;
  const char* bytes = luaL_checklstring(L, 1, &length);
  gScripted.append(bytes, length);
  RAND_set_rand_method(&kScriptedMethod);
  return 0;
}

// failRandomBytes(code): every draw fails with code (0 or -1, as OpenSSL reports failures);
// failRandomBytes() restores the default generator.
int failRandomBytes(lua_State* L) {
  if (lua_isnoneornil(L, 1)) {
    gFailureCode = 1;
    gScripted.clear();
    RAND_set_rand_method(nullptr);
    return 0;
  }
  gFailureCode = static_cast<int>(luaL_checkinteger(L, 1));
  RAND_set_rand_method(&kScriptedMethod);
  return 0;
}

const luaL_Reg kFunctions[] = {
    {"scriptRandomBytes", scriptRandomBytes}, {"failRandomBytes", failRandomBytes}, {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

#include "SecurityLua.h"

#include <climits>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "Crypto.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"

namespace fennick {

namespace {

using zellua::binding::PushNilAndMessage;

constexpr int kDefaultIterations = 1000;
// Larger requests are refused rather than allocated.
constexpr long long kMaxRandomBytes = 1 << 20;

constexpr const char* kShortKey = "key shorter than 32 bytes";
constexpr const char* kNoRandomBytes = "unable to generate random bytes";

const unsigned char* Bytes(const char* text) { return reinterpret_cast<const unsigned char*>(text); }

// Reads (key, bytes) as AESEncrypt and AESDecrypt read them and returns what use(key, bytes)
// pushed. Too few arguments, a nil key, bytes that must hold an IV and do not hold more than one
// block, and a key shorter than 32 bytes give nil and a message instead, in that order; a key or
// bytes that are neither strings nor numbers raise the argument error.
template <typename Use>
int WithAesArguments(lua_State* L, bool bytesHoldIv, Use use) {
  if (lua_gettop(L) < 2) return PushNilAndMessage(L, "not enough parameters, expected 2");
  if (lua_isnil(L, 1)) return PushNilAndMessage(L, "key was nil");
  std::size_t keyLength = 0;
  const char* key = luaL_checklstring(L, 1, &keyLength);
  std::size_t length = 0;
  const char* bytes = luaL_checklstring(L, 2, &length);
  if (bytesHoldIv && length <= crypto::kAesBlockBytes) return PushNilAndMessage(L, "cipher text not long enough");
  if (keyLength < crypto::kAesKeyBytes) return PushNilAndMessage(L, kShortKey);
  return use(Bytes(key), std::string_view(bytes, length));
}

// VySecurity.AESEncrypt(key, text) → IV ‖ cipher text. The first 32 bytes of the key are used.
int lua_aesEncrypt(lua_State* L) {
  return WithAesArguments(L, false, [L](const unsigned char* key, std::string_view text) {
    unsigned char iv[crypto::kAesBlockBytes];
    if (!crypto::RandomBytes(iv, sizeof iv)) return PushNilAndMessage(L, kNoRandomBytes);
    const auto cipherText = crypto::Aes256CbcEncrypt(key, iv, text);
    if (!cipherText) return PushNilAndMessage(L, "encryption failed");
    std::string result(reinterpret_cast<const char*>(iv), sizeof iv);
    result += *cipherText;
    lua_pushlstring(L, result.data(), result.size());
    return 1;
  });
}

// VySecurity.AESDecrypt(key, IV ‖ cipher text) → plain text.
int lua_aesDecrypt(lua_State* L) {
  return WithAesArguments(L, true, [L](const unsigned char* key, std::string_view data) {
    const auto plainText = crypto::Aes256CbcDecrypt(key, Bytes(data.data()), data.substr(crypto::kAesBlockBytes));
    if (!plainText) return PushNilAndMessage(L, "decryption failed");
    lua_pushlstring(L, plainText->data(), plainText->size());
    return 1;
  });
}

// VySecurity.PBKDF2KeyGen(password, salt [, iterations]) → 32-byte key. A third argument that is
// not a number counts as absent.
int lua_pbkdf2KeyGen(lua_State* L) {
  if (lua_gettop(L) < 2) return PushNilAndMessage(L, "not enough parameters, expected at least 2");
  std::size_t passwordLength = 0;
  const char* password = luaL_checklstring(L, 1, &passwordLength);
  std::size_t saltLength = 0;
  const char* salt = luaL_checklstring(L, 2, &saltLength);
  long long iterations = kDefaultIterations;
  if (lua_gettop(L) >= 3 && lua_isnumber(L, 3)) iterations = zellua::binding::CheckInteger<long long>(L, 3);
  if (iterations < 1 || iterations > INT_MAX) return PushNilAndMessage(L, "invalid value for number of iterations");

  const auto key = crypto::Pbkdf2HmacSha1(std::string_view(password, passwordLength),
                                          std::string_view(salt, saltLength), static_cast<int>(iterations));
  if (!key) return PushNilAndMessage(L, "unable to derive key");
  lua_pushlstring(L, key->data(), key->size());
  return 1;
}

// VySecurity.RandomBytes(count) → count random bytes, at most 1 MiB.
int lua_randomBytes(lua_State* L) {
  if (lua_gettop(L) < 1) return PushNilAndMessage(L, "not enough paramaters, expected 1");
  const long long count = zellua::binding::CheckInteger<long long>(L, 1);
  if (count <= 0 || count > kMaxRandomBytes) return PushNilAndMessage(L, "invalid value for number of bytes");

  std::string bytes(static_cast<std::size_t>(count), '\0');
  if (!crypto::RandomBytes(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()))
    return PushNilAndMessage(L, kNoRandomBytes);
  lua_pushlstring(L, bytes.data(), bytes.size());
  return 1;
}

// VySecurity.CombineBytes(...) → every argument (strings, or numbers as their text) joined in
// order.
int lua_combineRawBytes(lua_State* L) {
  const int count = lua_gettop(L);
  if (count < 1) return PushNilAndMessage(L, "not enough paramaters, expected at least one");
  for (int i = 1; i <= count; ++i) luaL_checklstring(L, i, nullptr);
  lua_concat(L, count);
  return 1;
}

const luaL_Reg kSecurityFunctions[] = {
    {"AESEncrypt", lua_aesEncrypt},
    {"AESDecrypt", lua_aesDecrypt},
    {"PBKDF2KeyGen", lua_pbkdf2KeyGen},
    {"RandomBytes", lua_randomBytes},
    {"CombineBytes", lua_combineRawBytes},
    {nullptr, nullptr},
};

}  // namespace

int luaopen_securitylua(lua_State* L) {
  zellua::binding::OpenModule(L, "VySecurity", kSecurityFunctions);
  lua_pop(L, 1);
  return 0;
}

}  // namespace fennick

// Test controls for the core framework stand-in: assertions shown, property lists alive, the
// keychain's items and lock.
#include <string>

#include "TestControls.h"
#include "zelcore/Locale.h"
#include "zelcore/testing.h"

namespace {

// The conditions of the assertion dialogs shown so far, as an array of strings.
int assertions(lua_State* L) {
  const auto& records = zelcore::testing::Assertions();
  lua_createtable(L, static_cast<int>(records.size()), 0);
  int index = 0;
  for (const auto& record : records) {
    lua_pushlstring(L, record.condition.data(), record.condition.size());
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int resetAssertions(lua_State*) {
  zelcore::testing::ResetAssertions();
  return 0;
}

int livePropListCount(lua_State* L) {
  lua_pushinteger(L, zelcore::testing::LivePropListCount());
  return 1;
}

int setKeychainLocked(lua_State* L) {
  zelcore::testing::SetKeychainLocked(lua_toboolean(L, 1) != 0);
  return 0;
}

// The stored password of an item as UTF-8 (read past the lock), or nothing when there is none.
int keychainItem(lua_State* L) {
  const char* firstText = luaL_checkstring(L, 1);
  const char* secondText = luaL_checkstring(L, 2);
  const zelcore::UTF16String first = zelcore::UTF8to16(firstText);
  const zelcore::UTF16String second = zelcore::UTF8to16(secondText);
  zelcore::UTF16String password;
  if (!zelcore::testing::KeychainItem(first, second, password)) return 0;
  const std::string text = zelcore::UTF16to8(password);
  lua_pushlstring(L, text.data(), text.size());
  return 1;
}

// Sets the application language the core framework reports (UTF-8 in, UTF-16 inside).
int setApplicationLanguage(lua_State* L) {
  const char* language = luaL_checkstring(L, 1);
  zelcore::Locale::Initialize(zelcore::UTF8to16(language));
  return 0;
}

const luaL_Reg kFunctions[] = {{"setApplicationLanguage", setApplicationLanguage},
                               {"assertions", assertions},
                               {"resetAssertions", resetAssertions},
                               {"livePropListCount", livePropListCount},
                               {"setKeychainLocked", setKeychainLocked},
                               {"keychainItem", keychainItem},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

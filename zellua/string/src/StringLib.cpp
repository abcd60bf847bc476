// "zelString": string operations over UTF-8 Lua strings. Functions whose names end in "B" count
// positions in bytes (1-based). Names the library reserves without an operation take any
// arguments and give no values.
#include "zellua/string/StringLib.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "zelcore/Localizer.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::string {

namespace {

const char* const kZelLuaStringClassName = "zelString";

// Raises "<function>: <what>" as a Lua error, without a position prefix.
int RaiseError(lua_State* L, const char* function, const char* what) {
  lua_pushfstring(L, "%s: %s", function, what);
  return lua_error(L);
}

int Length(std::size_t length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

using utility::PushUTF8;
using utility::WideText;

// A pattern compiled, or a Lua error (through the trampoline) naming the function: a bad pattern,
// or a match that overruns the engine's limits (complexity, memory, recursion).
template <typename Work>
auto WithRegex(const char* function, Work work) -> decltype(work()) {
  try {
    return work();
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string(function) + ": " + e.what());
  }
}

int Unimplemented(lua_State*) { return 0; }

int GetCharB(lua_State* L) {
  std::size_t length = 0;
  const char* s = luaL_checklstring(L, 1, &length);
  luaL_checkinteger(L, 2);
  const int pos = GetOptionalOneBasedPos(L, 2, Length(length), "GetCharB", 1);
  lua_pushlstring(L, s + pos - 1, 1);
  return 1;
}

// The byte at the optional position (argument 2), classified in the process locale; bytes from
// 0x80 up belong to no class. An empty string without a position reads its terminating NUL.
template <int (*Classify)(int)>
int ClassifyByte(lua_State* L, const char* function) {
  std::size_t length = 0;
  const char* s = luaL_checklstring(L, 1, &length);
  const int pos = GetOptionalOneBasedPos(L, 2, Length(length), function, 1);
  const auto byte = static_cast<unsigned char>(s[pos - 1]);
  lua_pushboolean(L, byte < 0x80 && Classify(byte) != 0);
  return 1;
}

int IsSpaceB(lua_State* L) { return ClassifyByte<std::isspace>(L, "IsSpaceB"); }
int IsAlphaB(lua_State* L) { return ClassifyByte<std::isalpha>(L, "IsAlphaB"); }

int Localize(lua_State* L) {
  std::size_t length = 0;
  const char* key = luaL_checklstring(L, 1, &length);
  if (length == 0) return 0;
  return PushUTF8(L, zelcore::config::Localize(key));
}

int ReplaceInString(lua_State* L) {
  if (lua_gettop(L) < 2) return 0;
  std::size_t length = 0;
  const char* templateText = luaL_checklstring(L, 1, &length);
  if (length == 0) return 0;
  luaL_checklstring(L, 2, &length);
  if (length == 0) return 0;
  // Every replacement is checked before any text is converted.
  int last = 2;
  while (!lua_isnoneornil(L, last + 1)) luaL_checklstring(L, ++last, nullptr);
  std::vector<zelcore::UTF16String> replacements;
  for (int i = 2; i <= last; ++i) replacements.push_back(WideText(lua_tostring(L, i)));
  return PushUTF8(L, zelcore::utility::ReplaceInString(WideText(templateText), replacements));
}

int SubstringB(lua_State* L) {
  static const char* const kBadCount = "Bad character count, must be >= 0";
  std::size_t length = 0;
  const char* s = luaL_checklstring(L, 1, &length);
  luaL_checktype(L, 2, LUA_TNUMBER);
  const auto start = binding::ClampToInteger<long long>(lua_tonumber(L, 2));
  if (start == 0) return RaiseError(L, "SubstringB", kBadCount);
  long long count = 0;
  if (!lua_isnoneornil(L, 3)) {
    luaL_checktype(L, 3, LUA_TNUMBER);
    count = binding::ClampToInteger<long long>(lua_tonumber(L, 3));
    if (count < 0) return RaiseError(L, "SubstringB", kBadCount);
  }
  const auto n = static_cast<long long>(length);
  // A negative start counts from the end, as positions do: -1 is the last byte.
  long long first = start > 0 ? start - 1 : n + start;
  if (first > n - 1) first = n - 1;
  if (first < 0) first = 0;
  const long long available = n - first;
  const long long take = count == 0 || count > available ? available : count;
  lua_pushlstring(L, s + first, static_cast<std::size_t>(take));
  return 1;
}

int Trim(lua_State* L) {
  const char* text = luaL_checkstring(L, 1);
  const char* end = text + std::strlen(text);
  static const boost::regex kLeading("\\A[\\s]*");
  static const boost::regex kTrailing("[\\s]*\\z");
  const char* first = text;
  const char* last = end;
  WithRegex("Trim", [&] {
    boost::cmatch match;
    if (boost::regex_search(text, end, match, kLeading)) first = match[0].second;
    if (boost::regex_search(first, end, match, kTrailing)) last = match[0].first;
    return 0;
  });
  lua_pushlstring(L, first, static_cast<std::size_t>(last - first));
  return 1;
}

int MatchB(lua_State* L) {
  std::size_t length = 0, patternLength = 0;
  const char* s = luaL_checklstring(L, 1, &length);
  const char* pattern = luaL_checklstring(L, 2, &patternLength);
  const int start = GetOptionalOneBasedPos(L, 3, Length(length), "MatchB", 1);
  const char* subject = s + start - 1;
  long long matchStart = 0, matchEnd = 0;
  const bool found = WithRegex("MatchB", [&] {
    const boost::regex expression(pattern, pattern + patternLength);
    boost::cmatch match;
    if (!boost::regex_search(subject, subject + std::strlen(subject), match, expression)) return false;
    matchStart = start + match.position(std::size_t{0});
    matchEnd = matchStart + match.length(0);
    return true;
  });
  if (!found) {
    lua_pushnil(L);
    return 1;
  }
  lua_pushinteger(L, static_cast<lua_Integer>(matchStart));
  lua_pushinteger(L, static_cast<lua_Integer>(matchEnd));
  return 2;
}

int ReplaceB(lua_State* L) {
  std::size_t length = 0, patternLength = 0, formatLength = 0;
  const char* s = luaL_checklstring(L, 1, &length);
  const char* pattern = luaL_checklstring(L, 2, &patternLength);
  const char* format = luaL_checklstring(L, 3, &formatLength);
  const int start = GetOptionalOneBasedPos(L, 4, Length(length), "ReplaceB", 1);
  bool all = true;
  if (!lua_isnoneornil(L, 5)) {
    luaL_checktype(L, 5, LUA_TBOOLEAN);
    all = lua_toboolean(L, 5) != 0;
  }
  const std::string output = WithRegex("ReplaceB", [&] {
    const boost::regex expression(pattern, pattern + patternLength);
    std::string out(s, static_cast<std::size_t>(start - 1));
    const auto flags = all ? boost::format_default : boost::format_first_only;
    boost::regex_replace(std::back_inserter(out), s + start - 1, s + length, expression,
                         std::string(format, formatLength), flags);
    return out;
  });
  lua_pushstring(L, output.c_str());
  return 1;
}

int Compare(lua_State* L) {
  const char* a = luaL_checkstring(L, 1);
  const char* b = luaL_checkstring(L, 2);
  lua_pushinteger(L, std::strcmp(a, b));
  return 1;
}

template <void (*Map)(zelcore::UTF16String&)>
int MapCase(lua_State* L) {
  const char* text = luaL_checkstring(L, 1);
  zelcore::UTF16String wide = WideText(text);
  Map(wide);
  return PushUTF8(L, wide);
}

int UTF8to16(lua_State* L) {
  const char* text = luaL_checkstring(L, 1);
  const zelcore::UTF16String wide = WideText(text);
  lua_pushlstring(L, reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
  return 1;
}

int UTF16to8(lua_State* L) {
  std::size_t length = 0;
  const char* bytes = luaL_checklstring(L, 1, &length);
  zelcore::UTF16String wide;
  for (std::size_t i = 0; i + 1 < length; i += 2) {
    char16_t unit;
    std::memcpy(&unit, bytes + i, sizeof unit);
    if (unit == 0) break;
    wide.push_back(unit);
  }
  return PushUTF8(L, wide);
}

const luaL_Reg kFunctions[] = {
    {"GetChar", Unimplemented},
    {"GetCharB", GetCharB},
    {"GetCharBytePos", Unimplemented},
    {"GetCharPosB", Unimplemented},
    {"GetLength", Unimplemented},
    {"IsStringAscii", Unimplemented},
    {"IsAscii", Unimplemented},
    {"IsAsciiB", Unimplemented},
    {"IsSpace", Unimplemented},
    {"IsSpaceB", IsSpaceB},
    {"IsAlpha", Unimplemented},
    {"IsAlphaB", IsAlphaB},
    {"IsPunct", Unimplemented},
    {"IsPunctB", Unimplemented},
    {"IsNumber", Unimplemented},
    {"IsNumberB", Unimplemented},
    {"IsControl", Unimplemented},
    {"IsControlB", Unimplemented},
    {"IsUpper", Unimplemented},
    {"IsUpperB", Unimplemented},
    {"IsLower", Unimplemented},
    {"IsLowerB", Unimplemented},
    {"Localize", Localize},
    {"ReplaceInString", ReplaceInString},
    {"Substring", Unimplemented},
    {"SubstringB", SubstringB},
    {"Trim", Trim},
    {"TrimLeft", Unimplemented},
    {"TrimRight", Unimplemented},
    {"Match", Unimplemented},
    {"MatchB", MatchB},
    {"Replace", Unimplemented},
    {"ReplaceB", ReplaceB},
    {"Compare", Compare},
    {"ToUpper", MapCase<zelcore::utility::ToUpperCase>},
    {"ToLower", MapCase<zelcore::utility::ToLowerCase>},
    {"UTF8to16", UTF8to16},
    {"UTF16to8", UTF16to8},
    {nullptr, nullptr}};

}  // namespace

int GetOptionalOneBasedPos(lua_State* L, int index, int length, const char* functionName, int defaultPos) {
  if (lua_gettop(L) < index) return defaultPos;
  if (index < 0) index = lua_gettop(L) + index + 1;
  if (index < 0) index = 0;
  ZELLUA_ASSERT(index && "Invalid stack index", defaultPos);
  if (lua_isnil(L, index)) return defaultPos;
  luaL_checktype(L, index, LUA_TNUMBER);
  long long pos = binding::ClampToInteger<int>(lua_tonumber(L, index));
  if (pos < 0) pos = static_cast<long long>(length) + pos + 1;
  if (pos < 1 || pos > length) return RaiseError(L, functionName, "Invalid stack position");
  return static_cast<int>(pos);
}

int luaopen_zelluaStrings(lua_State* L) {
  lua_checkstack(L, 2);
  binding::ModuleSpec spec;
  spec.className = kZelLuaStringClassName;
  spec.functions = kFunctions;
  return binding::OpenModule(L, spec);
}

}  // namespace zellua::string

extern "C" int luaopen_zellua_zelString(lua_State* L) { return zellua::string::luaopen_zelluaStrings(L); }

#include "FileUtilsLua.h"

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "AppendToFile.h"
#include "LuaFailure.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"
#include "zelui/FileUtils.h"
#include "zellua/binding/Protected.h"

namespace fennick {

namespace {

constexpr const char* kExpectedOne = "not enough parameters, expected 1";
constexpr const char* kEmptyPath = "empty path string";
constexpr char16_t kFileNameReplacement = 45;  // "-"

using PushFailure = int (*)(lua_State*, const char*);

// The path argument at index, checked as every path function checks it: false (with the failure
// results pushed through fail) when it is missing or empty.
bool GetPath(lua_State* L, int index, PushFailure fail, std::string_view& path, int& results) {
  if (lua_gettop(L) < index) {
    results = fail(L, kExpectedOne);
    return false;
  }
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  if (length == 0) {
    results = fail(L, kEmptyPath);
    return false;
  }
  path = std::string_view(text, length);
  return true;
}

std::filesystem::path PathOf(std::string_view path) { return std::filesystem::path(std::string(path)); }
zelcore::File FileAt(std::string_view path) { return zelcore::File(PathOf(path)); }

// VyFileUtils.getDocumentsPath() → the user's documents folder.
int lua_getDocumentsPath(lua_State* L) {
  const std::string path = zelcore::UTF16to8(zelcore::Dir::DocumentsDir().FullPath());
  if (path.empty()) return PushNilAndMessage(L, "unable to retreive path to Documents");
  lua_pushlstring(L, path.data(), path.size());
  return 1;
}

// VyFileUtils.createDirectory(path) → whether the folder exists afterwards.
int lua_createDirectory(lua_State* L) {
  std::string_view path;
  int results = 0;
  if (!GetPath(L, 1, PushFalseAndMessage, path, results)) return results;
  lua_pushboolean(L, zelcore::FileUtils::EnsureDirectoryExists(zelcore::Dir(PathOf(path))));
  return 1;
}

int lua_deleteFile(lua_State* L) {
  std::string_view path;
  int results = 0;
  if (!GetPath(L, 1, PushNilAndMessage, path, results)) return results;
  zelcore::FileUtils::RemoveFile(FileAt(path));
  return 0;
}

int lua_revealAndSelectFile(lua_State* L) {
  std::string_view path;
  int results = 0;
  if (!GetPath(L, 1, PushNilAndMessage, path, results)) return results;
  zelui::FileUtils::RevealAndSelectFile(FileAt(path));
  return 0;
}

int lua_revealFile(lua_State* L) {
  std::string_view path;
  int results = 0;
  if (!GetPath(L, 1, PushNilAndMessage, path, results)) return results;
  zelui::FileUtils::RevealFile(FileAt(path));
  return 0;
}

// VyFileUtils.replaceIllegalFileNameCharacters(name) → the name with "-" for every character that
// may not stand in a file name. Reads the last argument.
int lua_ReplaceIllegalFileNameCharacters(lua_State* L) {
  const int last = lua_gettop(L);
  if (last < 1) return PushNilAndMessage(L, kExpectedOne);
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, last, &length);
  zelcore::UTF16String name = zelcore::UTF8to16(std::string(text, length));
  zelcore::FileUtils::ReplaceIllegalFileNameCharacters(name, kFileNameReplacement);
  const std::string result = zelcore::UTF16to8(name);
  lua_pushlstring(L, result.data(), result.size());
  return 1;
}

// VyFileUtils.appendBytesToFile(path, bytes): appends to a file that exists; nothing otherwise.
int lua_AppendBytesToFile(lua_State* L) {
  if (lua_gettop(L) < 2) return PushNilAndMessage(L, "not enough parameters, expected 2");
  std::string_view path;
  int results = 0;
  if (!GetPath(L, 1, PushNilAndMessage, path, results)) return results;
  std::size_t length = 0;
  const char* bytes = luaL_checklstring(L, 2, &length);
  AppendBytesToExistingFile(std::string(path), std::string_view(bytes, length));
  return 0;
}

// VyFileUtils.createFile(path): an empty file; an existing one is left as it is. Reads the last
// argument.
int lua_createFile(lua_State* L) {
  std::string_view path;
  int results = 0;
  if (!GetPath(L, lua_gettop(L) > 0 ? lua_gettop(L) : 1, PushNilAndMessage, path, results)) return results;
  zelcore::FileUtils::CreateNewFile(FileAt(path));
  return 0;
}

const luaL_Reg kFileUtilsFunctions[] = {
    {"getDocumentsPath", zellua::binding::Protected<lua_getDocumentsPath>},
    {"createDirectory", zellua::binding::Protected<lua_createDirectory>},
    {"deleteFile", zellua::binding::Protected<lua_deleteFile>},
    {"revealAndSelectFile", zellua::binding::Protected<lua_revealAndSelectFile>},
    {"revealFile", zellua::binding::Protected<lua_revealFile>},
    {"replaceIllegalFileNameCharacters", zellua::binding::Protected<lua_ReplaceIllegalFileNameCharacters>},
    {"appendBytesToFile", zellua::binding::Protected<lua_AppendBytesToFile>},
    {"createFile", zellua::binding::Protected<lua_createFile>},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace fennick

int luaopen_fileutilslua(lua_State* L) {
  luaL_register(L, "VyFileUtils", fennick::kFileUtilsFunctions);
  return 1;
}

#include "FileUtilsLua.h"

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "AppendToFile.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"
#include "zelui/FileUtils.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"

namespace fennick {

namespace {

constexpr const char* kExpectedOne = "not enough parameters, expected 1";
constexpr const char* kEmptyPath = "empty path string";
constexpr char16_t kFileNameReplacement = 45;  // "-"

using zellua::binding::PushFalseAndMessage;
using zellua::binding::PushNilAndMessage;
using PushFailure = int (*)(lua_State*, const char*);

std::filesystem::path PathOf(std::string_view path) { return std::filesystem::path(std::string(path)); }
zelcore::File FileAt(std::string_view path) { return zelcore::File(PathOf(path)); }

// Reads the path argument at index as every path function reads it and returns what use(path)
// pushed; a missing argument or an empty path gives the failure results through fail instead, a
// path that is neither a string nor a number the argument error.
template <typename Use>
int WithPath(lua_State* L, int index, PushFailure fail, Use use) {
  if (lua_gettop(L) < index) return fail(L, kExpectedOne);
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  if (length == 0) return fail(L, kEmptyPath);
  return use(std::string_view(text, length));
}

// The functions that take the file at a path and give no results: nil and a message for a missing
// or empty path. The path is the argument at index.
template <typename Act>
int WithFile(lua_State* L, int index, Act act) {
  return WithPath(L, index, PushNilAndMessage, [&act](std::string_view path) {
    act(FileAt(path));
    return 0;
  });
}

// VyFileUtils.getDocumentsPath() → the user's documents folder.
int lua_getDocumentsPath(lua_State* L) {
  const std::string path = zelcore::UTF16to8(zelcore::Dir::DocumentsDir().FullPath());
  if (path.empty()) return PushNilAndMessage(L, "unable to retreive path to Documents");
  lua_pushlstring(L, path.data(), path.size());
  return 1;
}

// VyFileUtils.createDirectory(path) → whether the folder exists afterwards.
int lua_createDirectory(lua_State* L) {
  return WithPath(L, 1, PushFalseAndMessage, [L](std::string_view path) {
    lua_pushboolean(L, zelcore::FileUtils::EnsureDirectoryExists(zelcore::Dir(PathOf(path))));
    return 1;
  });
}

int lua_deleteFile(lua_State* L) { return WithFile(L, 1, zelcore::FileUtils::RemoveFile); }
int lua_revealAndSelectFile(lua_State* L) { return WithFile(L, 1, zelui::FileUtils::RevealAndSelectFile); }
int lua_revealFile(lua_State* L) { return WithFile(L, 1, zelui::FileUtils::RevealFile); }

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
  return WithPath(L, 1, PushNilAndMessage, [L](std::string_view path) {
    std::size_t length = 0;
    const char* bytes = luaL_checklstring(L, 2, &length);
    AppendBytesToExistingFile(std::string(path), std::string_view(bytes, length));
    return 0;
  });
}

// VyFileUtils.createFile(path): an empty file; an existing one is left as it is. Reads the last
// argument.
int lua_createFile(lua_State* L) {
  return WithFile(L, lua_gettop(L) > 0 ? lua_gettop(L) : 1, zelcore::FileUtils::CreateNewFile);
}

const luaL_Reg kFileUtilsFunctions[] = {
    {"getDocumentsPath", lua_getDocumentsPath},
    {"createDirectory", lua_createDirectory},
    {"deleteFile", lua_deleteFile},
    {"revealAndSelectFile", lua_revealAndSelectFile},
    {"revealFile", lua_revealFile},
    {"replaceIllegalFileNameCharacters", lua_ReplaceIllegalFileNameCharacters},
    {"appendBytesToFile", lua_AppendBytesToFile},
    {"createFile", lua_createFile},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace fennick

int luaopen_fileutilslua(lua_State* L) {
  return zellua::binding::OpenModule(L, "VyFileUtils", fennick::kFileUtilsFunctions);
}

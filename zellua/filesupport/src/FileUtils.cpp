// "FileUtils": file-system operations over the core framework's files and folders. Paths cross as
// UTF-8 and are read up to their first NUL byte. A framework error (a folder that cannot be read
// or deleted) becomes a Lua error.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"
#include "zelui/FileUtils.h"
#include "zellua/binding/Module.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::filesupport {

namespace {

const char* const kZelLuaOSFileUtilsMetaTableName = "zellua.filesupport.FileUtils";
const char* const kZelLuaOSFileUtilsClassName = "FileUtils";

// 1970-01-01 00:00:00 as a framework time.
const zelcore::Time kEpochTime{boost::gregorian::date(1970, 1, 1)};

std::string Utf8(const zelcore::UTF16String& text) { return zelcore::UTF16to8(text); }

// The path argument at index, up to its first NUL byte.
std::filesystem::path PathArgument(lua_State* L, int index) {
  const char* text = luaL_checkstring(L, index);
  return std::filesystem::path(Utf8(utility::WideText(text)));
}

// The index of the last argument: the path of the functions that take it from the top of the
// stack. With no arguments at all, the missing first one is reported.
int LastArgument(lua_State* L) { return lua_gettop(L) > 0 ? lua_gettop(L) : 1; }

int PushPath(lua_State* L, const zelcore::UTF16String& path) { return utility::PushUTF8(L, path); }

// Microseconds since 1970-01-01 as decimal text; a special time as its stored value.
int PushTime(lua_State* L, const zelcore::Time& time) {
  std::ostringstream text;
  text << (time - kEpochTime).ticks();
  const std::string digits = text.str();
  lua_pushlstring(L, digits.data(), digits.size());
  return 1;
}

// Stores the full path of every entry of the walk at 1, 2, 3 ... of the table on top.
template <typename Iterator>
void StoreFullPaths(lua_State* L, Iterator it) {
  int index = 0;
  for (; !it.AtEnd(); ++it) {
    PushPath(L, it->FullPath());
    lua_rawseti(L, -2, ++index);
  }
}

int DirIsLocked(lua_State* L) {
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  // An empty path names no folder; it must not become a file in "/".
  if (length == 0) {
    lua_pushboolean(L, true);
    return 1;
  }
  std::string name(text, length);
  if (name.back() != '/') name.push_back('/');
  name += "glimmet_text.XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd >= 0) {
    ::close(fd);
    ::unlink(name.c_str());
  }
  lua_pushboolean(L, fd < 0);
  return 1;
}

int FileIsReadOnly(lua_State* L) {
  lua_pushboolean(L, zelcore::File(PathArgument(L, 1)).IsReadOnly());
  return 1;
}

int DirExists(lua_State* L) {
  lua_pushboolean(L, zelcore::Dir(PathArgument(L, 1)).Exists());
  return 1;
}

int FileExists(lua_State* L) {
  lua_pushboolean(L, zelcore::File(PathArgument(L, 1)).Exists());
  return 1;
}

int FileModifiedTime(lua_State* L) { return PushTime(L, zelcore::File(PathArgument(L, 1)).Modified()); }

int DirModifiedTime(lua_State* L) { return PushTime(L, zelcore::Dir(PathArgument(L, 1)).Modified()); }

int EnsureDirectory(lua_State* L) {
  const zelcore::Dir dir(PathArgument(L, LastArgument(L)));
  bool made = true;
  if (!dir.Exists()) {
    try {
      dir.Create();
    } catch (...) {
      made = false;
    }
  }
  lua_pushboolean(L, made);
  return 1;
}

int GetDirectoriesInDirectory(lua_State* L) {
  const zelcore::Dir dir(PathArgument(L, LastArgument(L)));
  lua_checkstack(L, 2);
  lua_newtable(L);
  if (dir.Exists()) StoreFullPaths(L, dir.BeginSubdirs(false));
  return 1;
}

int GetFilesInDirectory(lua_State* L) {
  const zelcore::Dir dir(PathArgument(L, LastArgument(L)));
  lua_checkstack(L, 2);
  lua_newtable(L);
  if (dir.Exists()) StoreFullPaths(L, dir.BeginFiles(false));
  return 1;
}

int DeleteFile(lua_State* L) {
  const zelcore::File file(PathArgument(L, LastArgument(L)));
  if (file.Exists()) file.Delete();
  return 0;
}

int DeleteDir(lua_State* L) {
  const zelcore::Dir dir(PathArgument(L, LastArgument(L)));
  if (dir.Exists()) dir.Delete();
  return 0;
}

int GetTempDir(lua_State* L) { return PushPath(L, zelcore::Dir::TempDir().FullPath()); }
int GetUserHomeDir(lua_State* L) { return PushPath(L, zelcore::commondirs::CurrentUserDir().FullPath()); }
int GetUserDesktopDir(lua_State* L) { return PushPath(L, zelcore::commondirs::UserDesktopDir().FullPath()); }
int GetUserDocumentsDir(lua_State* L) { return PushPath(L, zelcore::commondirs::UserDocumentsDir().FullPath()); }

int GetChildren(lua_State* L) {
  if (lua_gettop(L) != 1) return 0;
  const zelcore::Dir dir(PathArgument(L, 1));
  if (!dir.Exists()) return 0;
  lua_newtable(L);
  StoreFullPaths(L, zelcore::RecursiveFileIterator(dir, true));
  return 1;
}

int GetChildrenOfType(lua_State* L) {
  if (lua_gettop(L) != 2) return 0;
  luaL_checkstring(L, 1);
  const char* typesText = luaL_checkstring(L, 2);
  const zelcore::Dir dir(PathArgument(L, 1));
  // The extensions between the ";" separators, empty ones included.
  std::vector<std::string> types;
  const std::string list(typesText, std::strlen(typesText));
  for (std::size_t begin = 0;;) {
    const std::size_t end = list.find(';', begin);
    types.push_back(list.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
    if (end == std::string::npos) break;
    begin = end + 1;
  }
  if (!dir.Exists()) return 0;
  lua_newtable(L);
  int index = 0;
  for (zelcore::RecursiveFileIterator it(dir, true); !it.AtEnd(); ++it) {
    std::string extension = Utf8(it->GetExtension(true));
    if (!extension.empty()) extension.erase(0, 1);
    bool wanted = types.empty();
    for (const std::string& type : types) {
      if (type == extension) {
        wanted = true;
        break;
      }
    }
    if (!wanted) continue;
    PushPath(L, it->FullPath());
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int RevealAndSelectFile(lua_State* L) {
  zelui::FileUtils::RevealAndSelectFile(zelcore::File(PathArgument(L, 1)));
  return 0;
}

int SimpleAppendStringToFile(lua_State* L) {
  luaL_checkstring(L, 1);
  const char* text = luaL_checkstring(L, 2);
  zelcore::utility::FileUtils::SimpleAppendStringToFile(zelcore::File(PathArgument(L, 1)),
                                                        std::string(text, std::strlen(text)));
  return 0;
}

const luaL_Reg kFunctions[] = {{"DirIsLocked", DirIsLocked},
                               {"FileIsReadOnly", FileIsReadOnly},
                               {"DirExists", DirExists},
                               {"FileExists", FileExists},
                               {"FileModifiedTime", FileModifiedTime},
                               {"EnsureDirectory", EnsureDirectory},
                               {"GetDirectoriesInDirectory", GetDirectoriesInDirectory},
                               {"GetFilesInDirectory", GetFilesInDirectory},
                               {"DeleteFile", DeleteFile},
                               {"DirModifiedTime", DirModifiedTime},
                               {"DeleteDir", DeleteDir},
                               {"GetTempDir", GetTempDir},
                               {"GetUserHomeDir", GetUserHomeDir},
                               {"GetUserDesktopDir", GetUserDesktopDir},
                               {"GetUserDocumentsDir", GetUserDocumentsDir},
                               {"GetChildren", GetChildren},
                               {"GetChildrenOfType", GetChildrenOfType},
                               {"RevealAndSelectFile", RevealAndSelectFile},
                               {"SimpleAppendStringToFile", SimpleAppendStringToFile},
                               {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::filesupport

extern "C" int luaopen_zellua_filesupport_FileUtils(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::filesupport::kZelLuaOSFileUtilsMetaTableName;
  spec.className = zellua::filesupport::kZelLuaOSFileUtilsClassName;
  spec.functions = zellua::filesupport::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

// "OSReceiveData": data offered by the clipboard or by a drop. A userdata owns its data and
// deletes it when collected, unless native code that lent the data took it back; data released
// or taken back gives no values.
#include <vector>

#include "zelui/datatransfer/DataTransfer.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Userdata.h"
#include "zellua/datatransfer/ReceiveData.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::datatransfer {

const char* const kZelLuaOSReceiveDataMetaTableName = "zellua.datatransfer.OSReceiveData";

namespace {

const char* const kZelLuaOSReceiveDataClassName = "OSReceiveData";

using zelui::datatransfer::OS_ReceiveDataBase;

// A new proxy with the metatable, holding nothing yet, so that a failure before the data is
// stored leaves a harmless block for the collector.
OSReceiveDataProxy* PushEmptyProxy(lua_State* L) {
  return binding::PushEmptyBlock<OSReceiveDataProxy>(L, kZelLuaOSReceiveDataMetaTableName);
}

using utility::PushUTF8;
using utility::WideText;

template <typename Entry>
void PushFullPaths(lua_State* L, const std::vector<Entry>& entries) {
  lua_createtable(L, static_cast<int>(entries.size()), 0);
  int index = 0;
  for (const Entry& entry : entries) {
    PushUTF8(L, entry.FullPath());
    lua_rawseti(L, -2, ++index);
  }
}

int NewClipboardReceiveData(lua_State* L) {
  OSReceiveDataProxy* proxy = PushEmptyProxy(L);
  proxy->data = new zelui::datatransfer::OS_ClipboardReceiveData;
  proxy->owned = 1;
  return 1;
}

int Gc(lua_State* L) {
  OSReceiveDataProxy* proxy = zellua_checkOSReceiveData(L, 1);
  OS_ReceiveDataBase* data = proxy->data;
  const bool owned = proxy->owned != 0;
  proxy->data = nullptr;
  if (owned) delete data;
  return 0;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaOSReceiveDataClassName, zellua_checkOSReceiveData(L, 1)->data);
}

int DataAvailable(lua_State* L) {
  OSReceiveDataProxy* proxy = zellua_checkOSReceiveData(L, 1);
  const char* type = luaL_checkstring(L, 2);
  if (proxy->data == nullptr) return 0;
  lua_pushboolean(L, proxy->data->DataAvailable(WideText(type)));
  return 1;
}

int GetAsString(lua_State* L) {
  OSReceiveDataProxy* proxy = zellua_checkOSReceiveData(L, 1);
  const char* type = luaL_checkstring(L, 2);
  if (proxy->data == nullptr) return 0;
  return PushUTF8(L, proxy->data->GetAsString(WideText(type)));
}

int GetAsText(lua_State* L) {
  OSReceiveDataProxy* proxy = zellua_checkOSReceiveData(L, 1);
  if (proxy->data == nullptr) return 0;
  return PushUTF8(L, proxy->data->GetAsText());
}

int GetAsFiles(lua_State* L) {
  OSReceiveDataProxy* proxy = zellua_checkOSReceiveData(L, 1);
  if (proxy->data == nullptr) return 0;
  std::vector<zelcore::File> files;
  std::vector<zelcore::Dir> folders;
  proxy->data->GetAsFiles(files, folders);
  lua_checkstack(L, 4);
  PushFullPaths(L, files);
  PushFullPaths(L, folders);
  return 2;
}

const luaL_Reg kMethods[] = {{"__gc", Gc},
                             {"__tostring", ToString},
                             {"DataAvailable", DataAvailable},
                             {"GetAsString", GetAsString},
                             {"GetAsText", GetAsText},
                             {"GetAsFiles", GetAsFiles},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"NewClipboardReceiveData", NewClipboardReceiveData}, {nullptr, nullptr}};

}  // namespace

OSReceiveDataProxy* zellua_checkOSReceiveData(lua_State* L, int index) {
  return binding::CheckUserdata<OSReceiveDataProxy>(L, index, kZelLuaOSReceiveDataMetaTableName);
}

int PushReceiveDataToLua(lua_State* L, OS_ReceiveDataBase* data, OSReceiveDataProxy** outProxy) {
  luaL_getmetatable(L, kZelLuaOSReceiveDataMetaTableName);
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!opened) {
    luaopen_zellua_datatransfer_OSReceiveData(L);
    lua_pop(L, 1);
  }
  OSReceiveDataProxy* proxy = PushEmptyProxy(L);
  proxy->data = data;
  proxy->owned = 1;
  if (outProxy != nullptr) *outProxy = proxy;
  return 1;
}

void ReleaseReceiveData(OSReceiveDataProxy* proxy) {
  if (proxy != nullptr) proxy->data = nullptr;
}

ReceiveDataLoan::ReceiveDataLoan(lua_State* L, OS_ReceiveDataBase& data) {
  PushReceiveDataToLua(L, &data, &mProxy);
  mAnchor = binding::LuaRef(L, -1);
}

ReceiveDataLoan::~ReceiveDataLoan() {
  // Once the state is closed the proxy is gone with it; otherwise it is still anchored here.
  if (mAnchor.IsValid()) ReleaseReceiveData(mProxy);
  mAnchor.Release();
}

}  // namespace zellua::datatransfer

extern "C" int luaopen_zellua_datatransfer_OSReceiveData(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::datatransfer::kZelLuaOSReceiveDataMetaTableName;
  spec.methods[0] = zellua::datatransfer::kMethods;
  spec.className = zellua::datatransfer::kZelLuaOSReceiveDataClassName;
  spec.functions = zellua::datatransfer::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}

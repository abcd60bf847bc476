// "OSSendData": data the application puts on the clipboard or drags. A userdata always owns its
// send data; Release (or collection) deletes it, and a released one gives no values.
#include <string>

#include "zelui/datatransfer/DataTransfer.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Userdata.h"
#include "zellua/zellua.h"
#include "utility/src/LuaText.h"

namespace zellua::datatransfer {

namespace {

const char* const kZelLuaOSSendDataMetaTableName = "zellua.datatransfer.OSSendData";
const char* const kZelLuaOSSendDataClassName = "OSSendData";

using zelui::datatransfer::OS_SendData;

struct SendDataBlock {
  OS_SendData* data;
};

SendDataBlock* zellua_checkOSSendData(lua_State* L) {
  return binding::CheckUserdata<SendDataBlock>(L, 1, kZelLuaOSSendDataMetaTableName);
}

using utility::WideText;

int PushNew(lua_State* L, OS_SendData::Purpose purpose) {
  auto* block = binding::PushEmptyBlock<SendDataBlock>(L, kZelLuaOSSendDataMetaTableName);
  block->data = new OS_SendData(purpose);
  return 1;
}

int NewSendData(lua_State* L) { return PushNew(L, OS_SendData::Purpose::kDrag); }

int NewClipboardSendData(lua_State* L) { return PushNew(L, OS_SendData::Purpose::kClipboard); }

int Release(lua_State* L) {
  SendDataBlock* block = zellua_checkOSSendData(L);
  OS_SendData* data = block->data;
  block->data = nullptr;
  delete data;
  return 0;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaOSSendDataClassName, zellua_checkOSSendData(L)->data);
}

int PutAsString(lua_State* L) {
  SendDataBlock* block = zellua_checkOSSendData(L);
  const char* type = luaL_checkstring(L, 2);
  const char* value = luaL_checkstring(L, 3);
  if (block->data != nullptr) block->data->PutAsString(WideText(type), WideText(value));
  return 0;
}

int PutText(lua_State* L) {
  SendDataBlock* block = zellua_checkOSSendData(L);
  const char* text = luaL_checkstring(L, 2);
  if (block->data != nullptr) block->data->PutText(WideText(text));
  return 0;
}

int DoDragAndDrop(lua_State* L) {
  SendDataBlock* block = zellua_checkOSSendData(L);
  const int allowed = binding::CheckInteger<int>(L, 2);
  if (block->data == nullptr) return 0;
  lua_pushinteger(L, block->data->DoDragAndDrop(allowed));
  return 1;
}

int PutOnClipboard(lua_State* L) {
  SendDataBlock* block = zellua_checkOSSendData(L);
  if (block->data != nullptr) block->data->PutOnClipboard();
  return 0;
}

const luaL_Reg kMethods[] = {{"__gc", Release},
                             {"__tostring", ToString},
                             {"Release", Release},
                             {"PutAsString", PutAsString},
                             {"PutText", PutText},
                             {"DoDragAndDrop", DoDragAndDrop},
                             {"PutOnClipboard", PutOnClipboard},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {
    {"NewSendData", NewSendData}, {"NewClipboardSendData", NewClipboardSendData}, {nullptr, nullptr}};

const binding::IntConstant kConstants[] = {{"DropEffectNone", zelui::datatransfer::kDropEffectNone},
                                           {"DropEffectCopy", zelui::datatransfer::kDropEffectCopy},
                                           {"DropEffectMove", zelui::datatransfer::kDropEffectMove},
                                           {"DropEffectLink", zelui::datatransfer::kDropEffectLink},
                                           {nullptr, 0}};

void SetTypeName(lua_State* L, const char* field, const zelcore::UTF16String& type) {
  const std::string utf8 = zelcore::UTF16to8(type);
  lua_pushlstring(L, utf8.data(), utf8.size());
  lua_setfield(L, -2, field);
}

}  // namespace

}  // namespace zellua::datatransfer

extern "C" int luaopen_zellua_datatransfer_OSSendData(lua_State* L) {
  namespace dt = zellua::datatransfer;
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = dt::kZelLuaOSSendDataMetaTableName;
  spec.methods[0] = dt::kMethods;
  spec.className = dt::kZelLuaOSSendDataClassName;
  spec.functions = dt::kFunctions;
  spec.constants = dt::kConstants;
  zellua::binding::OpenModule(L, spec);
  dt::SetTypeName(L, "DropFilesType", zelui::datatransfer::kFileListDataType);
  dt::SetTypeName(L, "DropUnicodeTextType", zelui::datatransfer::kUnicodeTextDataType);
  return 1;
}

#pragma once
// Received clipboard and drop data in Lua ("zellua.datatransfer.OSReceiveData"), and how native
// code lends the data it receives to a Lua callback.
#include <cstdint>

extern "C" {
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"

namespace zelui::datatransfer {
class OS_ReceiveDataBase;
}

namespace zellua::datatransfer {

extern const char* const kZelLuaOSReceiveDataMetaTableName;  // "zellua.datatransfer.OSReceiveData"

// The userdata: whether it owns the data (1; every proxy is made owned) and the data, null once
// released or taken back.
struct OSReceiveDataProxy {
  std::int32_t owned;
  zelui::datatransfer::OS_ReceiveDataBase* data;
};

// Pushes an owned proxy over the data and returns 1; hands back the proxy when asked. Collecting
// the proxy deletes the data unless it was taken back first (ReleaseReceiveData). Data pushed
// before any script required the module still gets the module's methods.
int PushReceiveDataToLua(lua_State* L, zelui::datatransfer::OS_ReceiveDataBase* data,
                         OSReceiveDataProxy** outProxy = nullptr);

// Takes the data back: clears the proxy's pointer without deleting the data.
void ReleaseReceiveData(OSReceiveDataProxy* proxy);

// The proxy at index (the auxiliary library's argument error for any other value).
OSReceiveDataProxy* zellua_checkOSReceiveData(lua_State* L, int index);

// Lends data the caller keeps to Lua for the length of a scope: pushes a proxy over it, keeps the
// proxy from being collected while the scope lasts, and takes the data back when the scope ends
// however it ends. A proxy that Lua kept afterwards gives no values and deletes nothing.
//
//   zellua::datatransfer::ReceiveDataLoan loan(L, data);   // the proxy is on top of the stack
//   ... call the Lua function with it ...
class ReceiveDataLoan {
 public:
  ReceiveDataLoan(lua_State* L, zelui::datatransfer::OS_ReceiveDataBase& data);
  ~ReceiveDataLoan();
  ReceiveDataLoan(const ReceiveDataLoan&) = delete;
  ReceiveDataLoan& operator=(const ReceiveDataLoan&) = delete;

  OSReceiveDataProxy* Proxy() const { return mProxy; }

 private:
  OSReceiveDataProxy* mProxy = nullptr;
  binding::LuaRef mAnchor;
};

}  // namespace zellua::datatransfer

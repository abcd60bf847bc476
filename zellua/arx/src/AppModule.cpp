// "App": the application object for scripts (settings, commands, the end of the event loop) and
// the callbacks on the application's activation. Application userdata borrow the one application
// object; one that outlived the application it was made for acts as a null one.
#include "AppActivationListener.h"
#include "arx/app/App.h"
#include "arx/uisupport/CommandHandler.h"
#include "arx/uisupport/SyntheticCmdMgr.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/Userdata.h"
#include "zellua/core/PropListLua.h"
#include "zellua/uisupport/UISupport.h"
#include "zellua/zellua.h"

namespace zellua::arx {

namespace {

using ::arx::app::App;
using ::arx::uisupport::SyntheticCmdMgr;

const char* const kZelLuaArxAppMetaTableName = "zellua.arx.App";
const char* const kZelLuaArxAppClassName = "App";

App** zellua_checkArxApp(lua_State* L) { return binding::CheckUserdata<App*>(L, 1, kZelLuaArxAppMetaTableName); }

// The application a userdata holds while it is still the running one, else null.
App* LiveApp(App** block) {
  App* app = *block;
  return app != nullptr && app == App::GetApp() ? app : nullptr;
}

int GetApp(lua_State* L) {
  *binding::PushEmptyBlock<App*>(L, kZelLuaArxAppMetaTableName) = App::GetApp();
  return 1;
}

int AddAppActivationCallback(lua_State* L) {
  LuaAppActivationListener* listener = LuaAppActivationListener::Current();
  if (listener == nullptr) return 0;
  return listener->addActivationCallback(L);
}

int RemoveAppActivationCallback(lua_State* L) {
  if (LuaAppActivationListener* listener = LuaAppActivationListener::Current()) listener->removeActivationCallback(L);
  return 0;
}

int ToString(lua_State* L) { return binding::PushTypeAndAddress(L, "aRxApp", zellua_checkArxApp(L)); }

int GetAppSettings(lua_State* L) {
  App* app = LiveApp(zellua_checkArxApp(L));
  if (app == nullptr) return 0;
  return core::PushPropListToLua(L, app->GetAppSettings());
}

int SaveAppSettings(lua_State* L) {
  if (App* app = LiveApp(zellua_checkArxApp(L))) app->SaveAppSettings();
  return 0;
}

int PostCommand(lua_State* L) {
  App** block = zellua_checkArxApp(L);
  const int id = binding::CheckInteger<int>(L, 2);
  if (LiveApp(block) == nullptr) return 0;
  ::arx::uisupport::CommandHandlerBase::CallCommandChain(id);
  return 0;
}

int EndEventLoop(lua_State* L) {
  if (App* app = LiveApp(zellua_checkArxApp(L))) app->EndEventLoop();
  return 0;
}

int IsSyntheticCmdID(lua_State* L) {
  App** block = zellua_checkArxApp(L);
  const int id = binding::CheckInteger<int>(L, 2);
  if (LiveApp(block) == nullptr) return 0;
  lua_pushboolean(L, SyntheticCmdMgr::IsSyntheticCmdID(id));
  return 1;
}

int ReserveCmd(lua_State* L) {
  if (LiveApp(zellua_checkArxApp(L)) == nullptr) return 0;
  lua_pushinteger(L, SyntheticCmdMgr::ReserveCmd());
  return 1;
}

int ReserveCmdRange(lua_State* L) {
  App** block = zellua_checkArxApp(L);
  const int count = binding::CheckInteger<int>(L, 2);
  if (LiveApp(block) == nullptr) return 0;
  lua_pushinteger(L, SyntheticCmdMgr::ReserveCmdRange(count));
  return 1;
}

int GetMainMenu(lua_State* L) {
  App* app = LiveApp(zellua_checkArxApp(L));
  if (app == nullptr) return 0;
  const zelui::utility::OS_MenuP menu = zelui::utility::CreateOSMenuFromPlatformMenu(app->GetMainMenu());
  return utility::PushOSMenuToLua(L, menu);
}

const luaL_Reg kMethods[] = {
    {"__tostring", ToString},
    {"GetAppSettings", GetAppSettings},
    {"SaveAppSettings", SaveAppSettings},
    {"PostCommand", PostCommand},
    {"EndEventLoop", EndEventLoop},
    {"GetMainMenu", GetMainMenu},
    {"IsSyntheticCmdID", IsSyntheticCmdID},
    {"ReserveCmd", ReserveCmd},
    {"ReserveCmdRange", ReserveCmdRange},
    {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"GetApp", GetApp},
                               {"AddAppActivationCallback", AddAppActivationCallback},
                               {"RemoveAppActivationCallback", RemoveAppActivationCallback},
                               {nullptr, nullptr}};

int OpenAppModule(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaArxAppMetaTableName;
  spec.methods[0] = kMethods;
  spec.className = kZelLuaArxAppClassName;
  spec.functions = kFunctions;
  binding::OpenModule(L, spec);
  for (const char* const* event = LuaAppActivationListener::sAppActivationEvents; *event; ++event) {
    lua_pushstring(L, *event);
    lua_setfield(L, -2, *event);
  }
  LuaAppActivationListener::MakeCurrent(new LuaAppActivationListener(L));
  return 1;
}

}  // namespace

}  // namespace zellua::arx

extern "C" int luaopen_zellua_arx_app(lua_State* L) { return zellua::binding::Protected<zellua::arx::OpenAppModule>(L); }

#include "UtilitiesLua.h"

#include <boost/asio/ip/host_name.hpp>
#include <boost/uuid/random_generator.hpp>
#include <boost/uuid/uuid_io.hpp>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "LocalAddresses.h"
#include "arx/app/App.h"
#include "arx/uisupport/Alert.h"
#include "os/Application.h"
#include "os/MachineName.h"
#include "os/Reachability.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

namespace {

using zellua::binding::PushNilAndMessage;

constexpr std::size_t kMaxMachineNameBytes = 255;
constexpr std::size_t kMaxBuildNumberBytes = 31;
// The host whose reachability stands for being connected to the internet.
constexpr const char* kReachabilityHost = "example.com";

// The longest beginning of text of at most limit bytes that ends on a character boundary of
// UTF-8, so that no character is ever cut in two.
std::string CutAtCharacterBoundary(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

void PushString(lua_State* L, const std::string& text) { lua_pushlstring(L, text.data(), text.size()); }

// utilitieslua.getUUID() → a random (version 4) UUID in lower-case hexadecimal with hyphens. The
// generator, a Mersenne Twister seeded from the system's random source, is made for each call.
int lua_getUUID(lua_State* L) {
  boost::uuids::random_generator_mt19937 generator;
  PushString(L, boost::uuids::to_string(generator()));
  return 1;
}

// utilitieslua.getHostname() → the machine's host name; nil and a message when it cannot be read.
int lua_getHostname(lua_State* L) {
  boost::system::error_code error;
  const std::string name = boost::asio::ip::host_name(error);
  if (error) return PushNilAndMessage(L, "unable to retrieve host name");
  PushString(L, name);
  return 1;
}

// utilitieslua.getMachineName() → the user-visible computer name, at most 255 bytes of UTF-8.
int lua_getMachineName(lua_State* L) {
  PushString(L, CutAtCharacterBoundary(zelcore::UTF16to8(os::CSCopyMachineName()), kMaxMachineNameBytes));
  return 1;
}

// utilitieslua.getLocalAddresses() → { "192.168.1.20", ... }: the IPv4 addresses of the
// interfaces that are not loopback.
int lua_getLocalAddresses(lua_State* L) {
  const std::vector<std::string> addresses = LocalIPv4Addresses();
  lua_createtable(L, static_cast<int>(addresses.size()), 0);
  int index = 0;
  for (const std::string& address : addresses) {
    PushString(L, address);
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

// utilitieslua.getBuildNumber() → the bundle's "CFBundleVersion", at most 31 bytes (cut on a
// character boundary); empty when the bundle has none.
int lua_getBuildNumber(lua_State* L) {
  std::string version;
  if (!os::Bundle::Main().InfoValue("CFBundleVersion", version)) version.clear();
  PushString(L, CutAtCharacterBoundary(version, kMaxBuildNumberBytes));
  return 1;
}

// utilitieslua.isConnected() → true when the internet host is reachable without a connection that
// has to be set up first.
int lua_getIsConnected(lua_State* L) {
  bool connected = false;
  if (os::SCNetworkReachabilityRef target = os::SCNetworkReachabilityCreateWithName(kReachabilityHost)) {
    os::SCNetworkReachabilityFlags flags = 0;
    if (os::SCNetworkReachabilityGetFlags(target, &flags))
      connected = (flags & os::kSCNetworkReachabilityFlagsReachable) != 0 &&
                  (flags & os::kSCNetworkReachabilityFlagsConnectionRequired) == 0;
    os::SCNetworkReachabilityRelease(target);
  }
  lua_pushboolean(L, connected);
  return 1;
}

// utilitieslua.messageBox(type, icon, message, detail) → the alert's answer. Any other number of
// arguments shows nothing and returns nothing.
int lua_messageBox(lua_State* L) {
  if (lua_gettop(L) != 4) return 0;
  const int type = zellua::binding::CheckInteger<int>(L, 1);
  const int icon = zellua::binding::CheckInteger<int>(L, 2);
  const char* message = luaL_checkstring(L, 3);
  const char* detail = luaL_checkstring(L, 4);
  arx::app::App* app = arx::app::App::GetApp();
  zelworkspace::Workspace* workspace = app ? app->GetWorkspace() : nullptr;
  const int answer = arx::uisupport::Alert::Show(type, icon, zelcore::UTF8to16(message), zelcore::UTF8to16(detail),
                                                 workspace ? workspace->GetMainTopLevelWindow() : nullptr);
  lua_pushinteger(L, answer);
  return 1;
}

const luaL_Reg kUtilitiesFunctions[] = {
    {"getUUID", lua_getUUID},
    {"getHostname", lua_getHostname},
    {"getMachineName", lua_getMachineName},
    {"getLocalAddresses", lua_getLocalAddresses},
    {"getBuildNumber", lua_getBuildNumber},
    {"isConnected", lua_getIsConnected},
    {"messageBox", lua_messageBox},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace fennick

int luaopen_utilitieslua(lua_State* L) {
  return zellua::binding::OpenModule(L, "utilitieslua", fennick::kUtilitiesFunctions);
}

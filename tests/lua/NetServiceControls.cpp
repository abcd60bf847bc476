// Test controls for the net-service layer: make the next registration fail, read what is published.
#include <cstdint>

#include "TestControls.h"
#include "os/testing.h"

namespace {

// Net services: the next registration is refused at once, or fails later through the run loop
// (code, optional error domain); publishedService() gives the count of published services and the
// first one's type, name, port and TXT record bytes; liveNetServices() counts the services not yet
// released, published or not.
int refuseNextRegistration(lua_State* L) {
  os::testing::RefuseNextRegistration(static_cast<std::int32_t>(luaL_checkinteger(L, 1)));
  return 0;
}
int failNextRegistration(lua_State* L) {
  os::testing::FailNextRegistration(static_cast<std::int32_t>(luaL_checkinteger(L, 1)),
                                    luaL_optinteger(L, 2, os::kStreamErrorDomainNetServices));
  return 0;
}
int publishedService(lua_State* L) {
  const auto services = os::testing::PublishedServices();
  lua_pushinteger(L, static_cast<lua_Integer>(services.size()));
  if (services.empty()) return 1;
  const auto& s = services.front();
  lua_pushstring(L, s.type.c_str());
  lua_pushstring(L, s.name.c_str());
  lua_pushinteger(L, s.port);
  lua_pushlstring(L, reinterpret_cast<const char*>(s.txt.data()), s.txt.size());
  return 5;
}

int liveNetServices(lua_State* L) {
  lua_pushinteger(L, os::testing::LiveNetServices());
  return 1;
}

const luaL_Reg kFunctions[] = {{"refuseNextRegistration", refuseNextRegistration},
                               {"failNextRegistration", failNextRegistration},
                               {"publishedService", publishedService},
                               {"liveNetServices", liveNetServices},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

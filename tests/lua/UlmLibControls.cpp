// Test controls for the identity library stand-in: script its accounts and token answers, hold or
// wait for its answering thread, and read the requests it received.
#include <cstdint>
#include <string>
#include <vector>

#include "TestControls.h"
#include "ulmlib/testing.h"

namespace {

namespace ut = ulmlib::testing;

std::int32_t CheckCode(lua_State* L, int index) { return static_cast<std::int32_t>(luaL_checkinteger(L, index)); }

// ulmAccounts({ids...}) makes the account data name these user ids; ulmAccounts(code [, data])
// sets the fetch's code and its data (nil: the data pointer stays null).
int ulmAccounts(lua_State* L) {
  if (lua_istable(L, 1)) {
    std::vector<std::string> ids;
    for (int i = 1; i <= static_cast<int>(lua_objlen(L, 1)); ++i) {
      lua_rawgeti(L, 1, i);
      ids.emplace_back(luaL_checkstring(L, -1));
      lua_pop(L, 1);
    }
    ut::SetAccountIds(ids);
    return 0;
  }
  const std::int32_t code = CheckCode(L, 1);
  if (lua_isnoneornil(L, 2))
    ut::SetAccounts(code, std::nullopt);
  else
    ut::SetAccounts(code, std::string(luaL_checkstring(L, 2)));
  return 0;
}

// ulmQueueAnswer{start = code, status = code, data = text, nullData = bool}: the next token
// request's answer; every field may be left out.
int ulmQueueAnswer(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  ut::TokenAnswer answer;
  lua_getfield(L, 1, "start");
  answer.startCode = static_cast<std::int32_t>(luaL_optinteger(L, -1, 0));
  lua_getfield(L, 1, "status");
  answer.status = static_cast<std::int32_t>(luaL_optinteger(L, -1, 0));
  lua_getfield(L, 1, "data");
  answer.data = luaL_optstring(L, -1, "");
  lua_getfield(L, 1, "nullData");
  answer.nullData = lua_toboolean(L, -1) != 0;
  ut::QueueTokenAnswer(answer);
  return 0;
}

int ulmHoldAnswers(lua_State* L) {
  ut::HoldAnswers(lua_toboolean(L, 1) != 0);
  return 0;
}

int ulmThrowFromCalls(lua_State* L) {
  ut::ThrowFromCalls(lua_toboolean(L, 1) != 0);
  return 0;
}

int ulmWaitUntilIdle(lua_State*) {
  ut::WaitUntilIdle();
  return 0;
}

void SetField(lua_State* L, const char* name, const std::string& value) {
  lua_pushlstring(L, value.data(), value.size());
  lua_setfield(L, -2, name);
}

// The token requests so far, oldest first: {ref, clientId, clientSecret, userId, deviceToken, scopes}.
int ulmRequests(lua_State* L) {
  const std::vector<ut::TokenRequest> requests = ut::TokenRequests();
  lua_createtable(L, static_cast<int>(requests.size()), 0);
  int i = 0;
  for (const ut::TokenRequest& request : requests) {
    lua_createtable(L, 0, 6);
    lua_pushinteger(L, request.ref);
    lua_setfield(L, -2, "ref");
    SetField(L, "clientId", request.clientId);
    SetField(L, "clientSecret", request.clientSecret);
    SetField(L, "userId", request.userId);
    SetField(L, "deviceToken", request.deviceToken);
    SetField(L, "scopes", request.scopes);
    lua_rawseti(L, -2, ++i);
  }
  return 1;
}

// The endpoint hosts references were made for, in order.
int ulmCreatedRefs(lua_State* L) {
  const std::vector<std::string> hosts = ut::CreatedRefs();
  lua_createtable(L, static_cast<int>(hosts.size()), 0);
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    lua_pushlstring(L, hosts[i].data(), hosts[i].size());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

int ulmUnreleasedData(lua_State* L) {
  lua_pushinteger(L, ut::UnreleasedData());
  return 1;
}

// Releases held answers, waits for the library's thread, restores the unscripted answers and
// clears the records (requests and references made).
int ulmReset(lua_State*) {
  ut::Reset();
  return 0;
}

const luaL_Reg kFunctions[] = {{"ulmAccounts", ulmAccounts},
                               {"ulmQueueAnswer", ulmQueueAnswer},
                               {"ulmHoldAnswers", ulmHoldAnswers},
                               {"ulmThrowFromCalls", ulmThrowFromCalls},
                               {"ulmWaitUntilIdle", ulmWaitUntilIdle},
                               {"ulmRequests", ulmRequests},
                               {"ulmCreatedRefs", ulmCreatedRefs},
                               {"ulmUnreleasedData", ulmUnreleasedData},
                               {"ulmReset", ulmReset},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace

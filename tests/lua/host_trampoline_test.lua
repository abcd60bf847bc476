-- Every function of the host's modules and of the application object runs through the exception
-- trampoline, so that a C++ exception in its body becomes a Lua error instead of crossing into Lua.
local T = require "testlib"

local methods = getmetatable(App.GetApp())

T.cases("registered without a wrapper of their own", {
  { "VySecurity.CombineBytes", VySecurity.CombineBytes },
  { "zeroconf.stop", zeroconf.stop },
  { "App.GetApp", App.GetApp },
  { "App:IsSyntheticCmdID", methods.IsSyntheticCmdID },
  { "App:ReserveCmd", methods.ReserveCmd },
  { "App:ReserveCmdRange", methods.ReserveCmdRange },
}, function(case)
  T.eq(type(case[2]), "function", case[1])
  T.ok(glimmet_test.runsThroughTrampoline(case[2]), case[1])
end)

T.test("every function of the host's tables and every application method", function()
  local tables = { "VyAppUtils", "VySecurity", "VyStringUtils", "VyFileUtils", "utilitieslua", "zeroconf",
                   "ulmliblua", "App" }
  local seen = 0
  local function check(where, t)
    for name, f in pairs(t) do
      if type(f) == "function" then
        T.ok(glimmet_test.runsThroughTrampoline(f), where .. "." .. name)
        seen = seen + 1
      end
    end
  end
  for _, name in ipairs(tables) do check(name, _G[name]) end
  check("App methods", methods)
  T.ok(seen >= 40, "functions seen: " .. seen)
end)

T.finish()

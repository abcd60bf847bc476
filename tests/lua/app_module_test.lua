-- The application object for scripts: its userdata, settings, synthetic command ids, command
-- posting and the end of the event loop.
local T = require "testlib"
require "zellua.proplist"

T.test("application userdata", function()
  local first, second = App.GetApp(), App.GetApp()
  local mt = debug.getregistry()["zellua.arx.App"]
  T.eq(getmetatable(first), mt, "metatable")
  T.eq(mt.__index, mt, "own __index")
  T.eq(mt.__gc, nil, "never destroyed from Lua")
  T.eq(getmetatable(first:GetMainMenu()), debug.getregistry()["zellua.OSMenu"], "the main menu is an OS menu")
  T.ok(tostring(first):match("^aRxApp%(0x%x+%)$"), tostring(first))
  T.ok(tostring(first) ~= tostring(second), "each userdata prints its own address")
end)

T.cases("methods check their self", {
  { name = "GetAppSettings" }, { name = "SaveAppSettings" }, { name = "EndEventLoop" }, { name = "ReserveCmd" },
  { name = "PostCommand" }, { name = "IsSyntheticCmdID" }, { name = "ReserveCmdRange" }, { name = "__tostring" },
}, function(case)
  local method = getmetatable(App.GetApp())[case.name]
  for _, self in ipairs({ {}, PropList.NewPropList() }) do
    local ok, err = pcall(method, self, 1)
    T.eq(ok, false)
    T.ok(err:find("bad argument #1", 1, true) and err:find("zellua.arx.App", 1, true), err)
  end
end)

T.test("the settings are a lent property list that collection never destroys", function()
  local settings = App.GetApp():GetAppSettings()
  collectgarbage("collect")
  local before = glimmet_test.livePropListCount()
  T.eq(getmetatable(settings), debug.getregistry()["zellua.core.PropList"], "a property list")
  settings:SetStringValue("app_test_key", "kept")
  settings:SetFloatValue("app_test_number", 3)
  settings = nil
  collectgarbage("collect")
  collectgarbage("collect")
  T.eq(glimmet_test.livePropListCount(), before, "the list lives on")
  local again = App.GetApp():GetAppSettings()
  T.eq(again:GetStringValue("app_test_key"), "kept")
  T.eq(again:GetFloatValue("app_test_number"), 3)
  T.ok(again:RemoveValue("app_test_key") and again:RemoveValue("app_test_number"), "removed again")
end)

T.test("SaveAppSettings saves once per call", function()
  local before = glimmet_test.appSettingsSaveCount()
  T.eq(select("#", App.GetApp():SaveAppSettings()), 0, "no values")
  App.GetApp():SaveAppSettings()
  T.eq(glimmet_test.appSettingsSaveCount(), before + 2)
end)

T.test("synthetic command ids", function()
  local app = App.GetApp()
  local id = app:ReserveCmd()
  T.eq(type(id), "number")
  T.eq(app:IsSyntheticCmdID(id), true, "a reserved id")
  local first = app:ReserveCmdRange(5)
  T.eq(first, id + 1, "a range follows")
  T.eq(app:IsSyntheticCmdID(first + 4), true, "the range's last id")
  T.eq(app:IsSyntheticCmdID(first + 5), false, "not yet reserved")
  T.eq(app:IsSyntheticCmdID(1), false, "an ordinary command")
  T.eq(app:ReserveCmd(), first + 5, "the next id follows the range")
  T.eq(app:IsSyntheticCmdID(0 / 0), false, "NaN is no id")
  local ok, err = pcall(app.ReserveCmdRange, app, "many")
  T.eq(ok, false)
  T.ok(err:find("bad argument #2", 1, true), err)
end)

T.test("PostCommand offers the command to the command chain", function()
  glimmet_test.resetChainedCommands()
  local app = App.GetApp()
  T.eq(select("#", app:PostCommand(12345)), 0, "no values")
  app:PostCommand(35004) -- the application's own console toggle
  app:PostCommand(35004)
  local chained = glimmet_test.chainedCommands()
  T.eq(#chained, 3)
  T.eq(chained[1].id, 12345)
  T.eq(chained[1].handled, false, "nobody takes an unknown id")
  T.eq(chained[2].id, 35004)
  T.eq(chained[2].handled, true, "the application handles its own command")
  local ok, err = pcall(app.PostCommand, app)
  T.eq(ok, false)
  T.ok(err:find("bad argument #2", 1, true), err)
end)

-- EndEventLoop ends the loop before its first idle turn: an idle turn after it is a failure.
glimmet_test.report(T.passed, T.failed)
function fennick_DoIdleLoop()
  print("FAIL an idle turn ran after EndEventLoop")
  glimmet_test.report(T.passed, T.failed + 1)
end
T.eq(select("#", App.GetApp():EndEventLoop()), 0, "EndEventLoop gives no values")

-- OS menus, alerts, the input box and command attachments from Lua.
local T = require "testlib"
local G = glimmet_test
require "geometry"

local function count(...) return select("#", ...) end

-- Before the module is opened, the main menu still gets the menu type with its __gc.
local mainMenu = App.GetApp():GetMainMenu()
T.test("the main menu before the module is opened", function()
  T.eq(type(mainMenu:Size()), "number", "size")
  T.ok(tostring(mainMenu):match("^OSMenu%("), "OSMenu type")
end)

require "zellua.OSMenu"
require "zellua.uisupport.Alert"
require "zellua.zelCmdAttachment"
require "zellua.zelcontrols"

T.test("building a menu", function()
  local menu = OSMenu.CreateOSMenu()
  local sub = OSMenu.CreateOSMenu()
  sub:AppendItem("Inner", 21)
  menu:AppendItem("First", 11)
  menu:AppendSeparator(0)
  menu:AppendItem("Sub", sub)
  menu:AppendItem("Sub with id", 13, sub)
  menu:AppendItem(12345, 14)  -- a number reads as its text
  T.eq(menu:Size(), 5)
  T.eq(menu:IsItemSeparator(1), true)
  T.eq(menu:IsItemSeparator(0), false)
  T.eq(menu:GetItemSubMenu(2):Size(), 1, "submenu")
  T.eq(count(menu:GetItemSubMenu(0)), 0, "no submenu")
  T.ok(not pcall(menu.Size, {}), "foreign self")
end)

T.test("a menu never holds itself", function()
  local menu = OSMenu.CreateOSMenu()
  local sub = OSMenu.CreateOSMenu()
  menu:AppendItem("Sub", sub)
  menu:AppendItem("Self", menu)
  sub:AppendItem("Parent", menu)
  sub:AppendItem("Plain", 5)
  sub:SetItemIDSubMenu(5, menu)
  T.eq(menu:Size(), 1, "self refused")
  T.eq(sub:Size(), 1, "ancestor refused")
  T.eq(count(sub:GetItemSubMenu(0)), 0, "no cycle through the id")
end)

-- Enabling by the flag rule: the flag counts only with exactly three arguments.
T.cases("SetItemEnabled flag rule", {
  { name = "two arguments", args = {}, want = "enabled" },
  { name = "three, false", args = { false }, n = 1, want = "disabled" },
  { name = "three, nil", args = { nil }, n = 1, want = "disabled" },
  { name = "four", args = { nil, 5 }, n = 2, want = "enabled" },
}, function(case)
  local menu = OSMenu.CreateOSMenu()
  menu:AppendItem("A", 1)
  menu:AppendItem("B", 2)
  menu:SetItemEnabled(1, false)
  menu:SetItemEnabled(1, unpack(case.args, 1, case.n or 0))
  -- Only an enabled item can be chosen from a popup.
  G.resetAlerts()
  G.queueMenuChoice(2)
  local node = zelcontrols.NewSubView()
  local chosen = OSMenu.UI_DoPopupMenu(menu, node, { left = 0, top = 0, width = 10, height = 10 })
  T.eq(chosen == 2 and "enabled" or "disabled", case.want)
end)

T.test("a released menu does nothing", function()
  local menu = OSMenu.CreateOSMenu()
  menu:AppendItem("A", 1)
  menu:Release()
  T.eq(count(menu:Size()), 0)
  T.eq(count(menu:GetItemSubMenu(0)), 0)
  menu:AppendItem("B", 2)
  menu:SetItemChecked(0)
  menu:Release()
  T.eq(tostring(menu):match("%((.*)%)") ~= nil, true)
  G.resetAlerts()
  T.eq(OSMenu.UI_DoContextMenu(menu, zelcontrols.NewSubView(), { x = 1, y = 2 }), 0, "nothing shown")
end)

T.test("a context menu answers the queued choice", function()
  local menu = OSMenu.CreateOSMenu()
  menu:AppendItem("A", 7)
  G.resetAlerts()
  G.queueMenuChoice(7)
  T.eq(OSMenu.UI_DoContextMenu(menu, zelcontrols.NewSubView(), { x = 1, y = 2 }), 7)
  T.eq(OSMenu.UI_DoContextMenu(menu, zelcontrols.NewSubView(), { x = 1, y = 2 }), 0, "empty queue dismisses")
  T.ok(not pcall(OSMenu.UI_DoContextMenu, menu, {}, { x = 1, y = 2 }), "bad control")
end)

T.test("Alert has its 19 integer fields", function()
  local n = 0
  for k, v in pairs(Alert) do
    if type(v) == "number" then n = n + 1 end
  end
  T.eq(n, 19)
  T.eq(Alert.TypeRetryQuit, 6)
  T.eq(Alert.ResponseRetry, 6)
  T.eq(Alert.IconNote, 4)
end)

T.test("alerts: counts, texts, answers and the main window as parent", function()
  G.resetAlerts()
  T.eq(count(Alert.ShowNote("one")), 0, "one argument shows nothing")
  T.eq(Alert.ShowNote("Note", "detail"), true)
  T.eq(Alert.ShowStop("Stop", 5), true)
  T.eq(Alert.ShowCaution("Caution", {}), true)
  G.queueAlertAnswer(Alert.ResponseYes)
  T.eq(Alert.Show(Alert.TypeYesNo, Alert.IconQuestion, "Sure?", ""), Alert.ResponseYes)
  T.eq(Alert.Show(Alert.TypeYesNo, Alert.IconQuestion, "Again?", ""), Alert.ResponseCancel, "unscripted")
  T.eq(count(Alert.Show(1, 2, "three")), 0)
  local shown = G.shownAlerts()
  T.eq(#shown, 5)
  T.eq(shown[2].message .. "/" .. shown[2].detail, "Stop/5")
  T.eq(shown[3].detail, "", "a table reads as empty")
  T.eq(shown[1].overWorkspace, true, "over the main window")
end)

T.test("silenced alerts show nothing", function()
  G.resetAlerts()
  G.silenceAlerts(true)
  local n = count(Alert.ShowNote("a", "b")) + count(Alert.Show(0, 0, "a", "b")) + count(Alert.SimpleInputBox("a", "b", "c"))
  G.silenceAlerts(false)
  T.eq(n, 0)
  T.eq(#G.shownAlerts(), 0)
  T.eq(#G.shownInputBoxes(), 0)
end)

T.test("input box accepted and cancelled", function()
  G.resetAlerts()
  G.queueInputBox(true, "typed")
  local ok, text = Alert.SimpleInputBox("Title", "Prompt", 42)
  T.eq(ok, true)
  T.eq(text, "typed")
  T.eq(count(Alert.SimpleInputBox("Title", "Prompt", "start")), 1, "cancelled: false alone")
  T.eq(Alert.SimpleInputBox("Title", "Prompt", "start"), false)
  T.eq(G.shownInputBoxes()[1], "Title/Prompt/42")
end)

T.cases("command attachment enablement", {
  { name = "disabled", result = { isHandled = true, isEnabled = false }, want = "true false false start" },
  { name = "text", result = { isHandled = true, isEnabled = true, isChecked = true, newDisplayString = "New" },
    want = "true true true New" },
  { name = "not handled", result = { isHandled = false }, want = "default" },
  { name = "raises", raise = true, want = "default" },
}, function(case)
  local id = 36000 + #case.name
  zelCmdAttachment.registerCmdAttachment {
    doCmdEnable = function(self, cmd)
      if cmd ~= id then return nil end
      if case.raise then error("raised") end
      return case.result
    end,
  }
  local a = G.appEnablement(id)
  local got = table.concat({ tostring(a.handled), tostring(a.enabled), tostring(a.checked), a.text }, " ")
  if case.want == "default" then
    T.ok(got ~= "true false false start" and a.text == "start", "left to the default: " .. got)
  else
    T.eq(got, case.want)
  end
end)

T.test("an attachment runs a posted command without disturbing the caller's stack", function()
  local ran
  zelCmdAttachment.registerCmdAttachment {
    doCmdHandle = function(self, cmd)
      if cmd == 36500 then ran = cmd return { isHandled = true } end
    end,
  }
  T.eq(count(zelCmdAttachment.registerCmdAttachment({}, 2)), 0, "two arguments: nothing")
  local before = "x"
  App.GetApp():PostCommand(36500)
  T.eq(ran, 36500)
  T.eq(before, "x")
end)

T.finish()

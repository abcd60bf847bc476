-- The workspace from Lua: the library's rules, creators and proxies, Lua-backed panels answering
-- the workspace's hooks, and tools tabs with their toolbar proxies.
local T = require "testlib"
local G = glimmet_test
require "geometry"

local function count(...) return select("#", ...) end
local function pack(...) return { n = select("#", ...), ... } end

require "zellua.zelWorkspace"
require "zellua.zelTabPanel"
require "zellua.zelToolBar"
require "zellua.zelCmdAttachment"

local W = zelWorkspace

-- Registers a tab type whose creation function records its proxy; returns the table of proxies.
local function tabType(name, isToolbar, body)
  local made = {}
  local register = isToolbar and W.RegisterToolbarCreator or W.RegisterTabCreator
  register(name, name .. " title", function(proxy)
    made[#made + 1] = proxy
    if body then body(proxy) end
  end)
  return made
end

local function open(name)
  W.CreateTab(name, { left = 0, top = 0, width = 60, height = 40 })
  return W.FindFirstTabByType(name)
end

T.test("libraries hold exactly their functions and names", function()
  local n = 0
  for _ in pairs(W) do n = n + 1 end
  T.eq(n, 17, "zelWorkspace functions")
  for _, lib in ipairs { zelTabPanel, zelToolBar } do
    local names = 0
    for k, v in pairs(lib) do
      T.eq(v, k, "name field")
      names = names + 1
    end
    T.eq(names, 9, "operation names")
  end
  T.eq(zelTabPanel.cmdHandler, "cmdHandler")
end)

T.cases("library rules", {
  { name = "RegisterTabCreator with two arguments", call = function() return W.RegisterTabCreator("x", "y") end, n = 0 },
  { name = "ToggleTabState with none", call = function() return W.ToggleTabState() end, n = 0 },
  { name = "CreateTab with none", call = function() return W.CreateTab() end, n = 0 },
  { name = "TabIsShown unknown type", call = function() return W.TabIsShown("nothing") end, n = 2 },
  { name = "TabIsShown two arguments", call = function() return W.TabIsShown("a", "b") end, n = 0 },
  { name = "HasStaticElement 0", call = function() return W.HasStaticElement(0) end, n = 0 },
  { name = "HasStaticElement 1", call = function() return W.HasStaticElement(1) end, n = 1 },
  { name = "HasStaticElement 4", call = function() return W.HasStaticElement(4) end, n = 1 },
  { name = "HasStaticElement 5", call = function() return W.HasStaticElement(5) end, n = 0 },
  { name = "FindTabByID unknown", call = function() return W.FindTabByID(987654) end, n = 0 },
  { name = "GetMainTLWBounds", call = function() return W.GetMainTLWBounds() end, n = 1 },
  { name = "GetMainTLW", call = function() return W.GetMainTLW() end, n = 1 },
  { name = "GetSupplierFromMainTLW", call = function() return W.GetSupplierFromMainTLW() end, n = 1 },
}, function(case)
  local results = pack(case.call())
  T.eq(results.n, case.n, "values")
  if case.name:match("^TabIsShown") and results.n == 2 then
    T.eq(type(results[1]) .. type(results[2]), "booleanboolean")
  end
end)

T.test("without a workspace every function reports it and gives nothing", function()
  G.resetAssertions()
  G.forgetWorkspace()
  local n = count(W.TabIsShown("x")) + count(W.GetMainTLWBounds()) + count(W.HasStaticElement(1))
  G.restoreWorkspace()
  T.eq(n, 0)
  local asserted = G.assertions()
  T.eq(#asserted, 3, "reports")
  T.eq(asserted[1], "NULL != sWorkspace")
end)

T.test("a replaced creator: the newest function makes the tab", function()
  local first = tabType("replaced")
  local second = tabType("replaced")
  local proxy = open("replaced")
  T.eq(#first, 0, "old creator")
  T.eq(#second, 1, "new creator")
  T.eq(proxy:GetName(), "replaced title")
  T.eq(proxy:GetTabType(), "replaced")
  W.CloseTabByTabId(proxy:GetID())
end)

T.test("a creation function that raises or re-registers its type", function()
  tabType("raising", false, function() error("boom") end)
  local proxy = open("raising")
  T.ok(proxy, "panel made despite the error")
  W.CloseTabByTabId(proxy:GetID())

  local later = {}
  tabType("reregistering", false, function()
    tabType("reregistering", false, function(p) later[#later + 1] = p end)
  end)
  local first = open("reregistering")
  T.ok(first, "panel of the replaced creator")
  W.CloseTabByTabId(first:GetID())
  local second = open("reregistering")
  T.eq(#later, 1, "the new creator serves the type")
  W.CloseTabByTabId(second:GetID())
end)

T.test("proxies kept from the creation call and after the tab is gone", function()
  local made = tabType("kept")
  local proxy = open("kept")
  local fromCreation = made[1]
  T.eq(fromCreation:GetID(), proxy:GetID(), "same panel")
  T.ok(fromCreation:canBindZelOperations(), "creation proxy finds the panel by id")
  T.ok(tostring(proxy):match("^zelTabPanel%(") and not tostring(proxy):match("NULL") and not tostring(proxy):match("%(0x0%)"), "live address")
  local id = proxy:GetID()
  W.CloseTabByTabId(id)
  collectgarbage()
  T.eq(proxy:GetID(), id, "id kept")
  T.eq(count(proxy:GetName()), 0, "no name")
  T.eq(proxy:canBindZelOperations(), false)
  T.eq(tostring(proxy), tostring(fromCreation), "both dead")
  T.ok(tostring(proxy):match("%(0x0%)") or tostring(proxy):match("nil") or tostring(proxy):match("NULL"), "null address: " .. tostring(proxy))
end)

T.test("bindZelOperation with an unknown name ignores argument 3", function()
  tabType("binding")
  local proxy = open("binding")
  T.eq(proxy:bindZelOperation("notAnOperation", 12), false)
  T.ok(not pcall(proxy.bindZelOperation, proxy, "cmdHandler", 12), "a known name needs a function")
  T.ok(not pcall(proxy.GetID, {}), "foreign self")
  W.CloseTabByTabId(proxy:GetID())
end)

T.cases("cmdHandler results", {
  { name = "true", value = true, handled = true },
  { name = "1", value = 1, handled = false },
  { name = "yes", value = "yes", handled = false },
  { name = "nil", value = nil, handled = false },
  { name = "error", raise = true, handled = false },
}, function(case)
  tabType("commands")
  local proxy = open("commands")
  local seen
  proxy:bindZelOperation("cmdHandler", function() error("replaced") end)
  proxy:bindZelOperation("cmdHandler", function(id)
    seen = id
    if case.raise then error("raised") end
    return case.value
  end)
  T.eq(G.panelCommand(proxy:GetID(), 4711), case.handled, "handled")
  T.eq(seen, 4711, "command id")
  W.CloseTabByTabId(proxy:GetID())
end)

T.cases("cmdEnablement tables", {
  { name = "disabled", result = { isHandled = true, isEnabled = false }, want = "true false false start" },
  { name = "number text", result = { isHandled = true, isEnabled = true, isChecked = 1, newDisplayString = 12 },
    want = "true true true 12" },
  { name = "not handled", result = { isHandled = false, isEnabled = true }, want = "false true true start" },
  { name = "not a table", result = true, want = "false true true start" },
}, function(case)
  tabType("enablement")
  local proxy = open("enablement")
  proxy:bindZelOperation("cmdEnablement", function() return case.result end)
  local a = G.panelEnablement(proxy:GetID(), 7)
  T.eq(table.concat({ tostring(a.handled), tostring(a.enabled), tostring(a.checked), a.text }, " "), case.want)
  W.CloseTabByTabId(proxy:GetID())
end)

T.test("a command posted while Lua runs reaches the focused tab and leaves the stack", function()
  tabType("focused")
  local proxy = open("focused")
  W.SetFocusedTabPanel(proxy:GetID())
  T.eq(W.GetFocusedTabPanel():GetID(), proxy:GetID(), "focused")
  local got
  proxy:bindZelOperation("cmdHandler", function(id) got = id return true end)
  local a, b = "a", "b"
  App.GetApp():PostCommand(4242)
  T.eq(got, 4242, "handled by the tab")
  T.eq(a .. b, "ab", "locals intact")
  W.CloseTabByTabId(proxy:GetID())
end)

T.test("a cmdHandler that closes its own tab finishes", function()
  tabType("selfclosing")
  local proxy = open("selfclosing")
  local after
  proxy:bindZelOperation("cmdHandler", function()
    W.CloseTabByTabId(proxy:GetID())
    after = proxy:GetTabType()
    return true
  end)
  T.eq(G.panelCommand(proxy:GetID(), 1), true)
  T.eq(after, nil, "the closed tab is not found by id")
end)

T.test("drawing: refused rectangle, empty intersection, uiDraw and children", function()
  tabType("drawn")
  local proxy = open("drawn")
  local draws = 0
  proxy:bindZelOperation("uiDraw", function(context) draws = draws + 1 T.ok(context, "context") end)
  local log, own = G.drawPanel(proxy:GetID(), { refuse = true })
  T.eq(draws, 0, "refused: no uiDraw")
  T.eq(own, 0, "refused: no children")
  T.ok(not log:match("PaintRect"), "refused: no fill")
  log, own = G.drawPanel(proxy:GetID())
  T.eq(draws, 1, "drawn")
  T.eq(own, 1, "children drawn")
  T.ok(log:match("PaintRect"), "filled: " .. log)
  log, own = G.drawPanel(proxy:GetID(), { clip = { 500, 500, 10, 10 } })
  T.ok(not log:match("PaintRect"), "empty intersection: no fill")
  W.CloseTabByTabId(proxy:GetID())
end)

T.test("mouse, size, timers, orientation, flyout and snap sizes", function()
  tabType("hooks")
  local proxy = open("hooks")
  local id = proxy:GetID()
  T.eq(G.firePanel(id, "mouse"), false, "unbound mouse: the framework decides")
  proxy:bindZelOperation("uiMouseEvent", function() error("raised") end)
  T.eq(G.firePanel(id, "mouse"), true, "bound mouse: always handled")
  local size
  T.eq(proxy:bindZelOperation("uiSizeChanged", function(r) size = r.width .. "x" .. r.height end), true)
  G.firePanel(id, "size", 0, 0, 30, 40)
  T.eq(size, "30x40")
  local ticks = 0
  local timer = proxy:installTimer(1, function() ticks = ticks + 1 end)
  T.ok(timer and timer > 0, "timer id")
  T.eq(G.firePanel(id, "timer", timer), true)
  T.eq(ticks, 1)
  T.eq(G.firePanel(id, "timer", timer + 1000), false, "foreign timer goes to the default")
  proxy:removeTimer(timer)
  T.eq(G.firePanel(id, "timer", timer), false, "removed")
  local vertical, item
  proxy:bindZelOperation("orientationChanged", function(v) vertical = v end)
  proxy:bindZelOperation("populateFlyout", function(menu) menu:AppendItem("One", 1) end)
  proxy:bindZelOperation("doFlyoutCommand", function(i) item = i end)
  G.firePanel(id, "orientation", true)
  T.eq(vertical, true)
  T.eq(G.firePanel(id, "flyout"), 1, "flyout filled")
  G.firePanel(id, "flyoutCommand", 3)
  T.eq(item, 3)
  proxy:addSnapSize { x = 10.5, y = 20.4 }
  proxy:addSnapSize { x = 1, y = 2 }
  T.eq(G.firePanel(id, "snapSizes"), "11,20 1,2")
  proxy:clearSnapSizes()
  T.eq(G.firePanel(id, "snapSizes"), "")
  W.CloseTabByTabId(id)
end)

T.test("tabDestroyed: the proxy answers during the call, nothing is added, nothing after", function()
  tabType("dying")
  local proxy = open("dying")
  local id = proxy:GetID()
  local kept, during
  proxy:bindZelOperation("tabDestroyed", function(p)
    kept = p
    during = { p:GetID(), p:GetName(), p:GetTabType(),
               tostring(p:bindZelOperation("cmdHandler", function() end)),
               tostring((p:installTimer(1, function() end))), tostring(p:installAttachment({})) }
  end)
  W.CloseTabByTabId(id)
  collectgarbage()
  for _, p in ipairs(G.livePanels()) do T.ok(p.id ~= id, "still alive: held " .. tostring(p.held)) end
  T.eq(table.concat(during, " "), id .. " dying title dying false nil false")
  T.eq(count(kept:GetName()), 0, "after the call")
end)

T.test("toolbar: tools, enabling rows, duplicates, the callback and the popup", function()
  local made = tabType("tools", true)
  local tab = open("tools")
  local id = tab:GetID()
  T.eq(count(tab:GetAsToolbar()), 0, "a proxy found by type holds no tools tab")
  local bar = made[1]:GetAsToolbar()
  T.ok(bar, "toolbar proxy")
  T.eq(count(W.FindFirstTabByType("tools"):GetAsNode()), 1, "as node")
  bar:AddTool(1, "One", "missing-image")
  bar:AddSeparator()
  bar:AddTool(2, "Two", "missing-image")
  bar:AddTool(2, "Two again", "missing-image")
  bar:AddTool(3, "Three")  -- three arguments: nothing
  T.eq(G.toolButtons(id), "1 | 2 2")
  -- The second button of id 2 replaced the first in the tool map: only it is reached by id.
  bar:SetAllToolsEnabled(false)
  T.eq(G.toolButtons(id), "1d | 2 2d")
  bar:SetAllToolsEnabled()
  T.eq(G.toolButtons(id), "1 | 2 2")
  bar:SetAllToolsEnabled(nil)
  T.eq(G.toolButtons(id), "1d | 2 2d")
  bar:EnableTool(1)
  bar:EnableTool(99)
  bar:DisableTool(98)
  T.eq(G.toolButtons(id), "1 | 2 2d")
  local got = {}
  bar:RegisterToolChangedCallback(function(active, proxy)
    got[#got + 1] = active
    got.bar = proxy:GetAsToolbar()
  end)
  bar:SetActiveToolID(1)
  bar:SetActiveToolID(99)
  T.eq(table.concat(got, ","), "1")
  T.eq(bar:GetActiveToolID(), 1)
  got.bar:SetToolWidthHeight(20, 20)
  T.eq(select(1, G.workspacePopup(id)), 150, "popup 50 wider")
  bar:SetWorkspacePopupEnablement(false)
  T.eq(select(3, G.workspacePopup(id)), true, "popup disabled")
  local drawn = 0
  T.eq(tab:bindZelOperation("uiDraw", function() drawn = drawn + 1 end), true)
  G.drawPanel(id)
  T.eq(drawn, 0, "a tools tab never calls uiDraw")
  W.ToggleToolbarTabState("tools")
  W.CloseTabByTabId(id)
  collectgarbage()
  T.eq(count(bar:GetActiveToolID()), 0, "dead toolbar proxy")
  T.eq(count(got.bar:GetActiveToolID()), 0, "dead callback proxy")
end)

T.test("a tab that closes itself from its tool callback", function()
  local made = tabType("toolclose", true)
  open("toolclose")
  local bar = made[1]:GetAsToolbar()
  bar:AddTool(5, "Five", "x")
  bar:RegisterToolChangedCallback(function(active, p)
    W.CloseTabByTabId(p:GetID())
    p:GetAsToolbar()
  end)
  bar:SetActiveToolID(5)
  T.eq(count(bar:GetActiveToolID()), 0, "closed")
end)

T.test("attachments of a panel answer enablement", function()
  tabType("attached")
  local proxy = open("attached")
  T.eq(proxy:canInstallAttachment(), true)
  T.eq(proxy:installAttachment {
    doCmdEnable = function(self, id) return { isHandled = id == 9, isEnabled = false } end,
  }, true)
  T.eq(G.panelEnablement(proxy:GetID(), 9).enabled, false, "attachment answered")
  T.eq(G.panelEnablement(proxy:GetID(), 8).handled, false, "not handled")
  W.CloseTabByTabId(proxy:GetID())
end)

-- Panels still alive at exit die after the state is closed: no hook calls Lua then.
tabType("leftopen", false, function(p)
  p:bindZelOperation("tabDestroyed", function() print("tabDestroyed after close") end)
  p:installTimer(5, function() end)
end)
W.CreateTab("leftopen")
tabType("leftopentools", true)
W.CreateTab("leftopentools")

T.finish()

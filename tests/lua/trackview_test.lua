-- Track views from Lua, with the test host playing the framework: overlays over a script's table,
-- track views lent to it and going out of scope, trackers acquired and dragged, drag interfaces,
-- the hooks' answers and the constants.
local T = require "testlib"
local G = glimmet_test
local geometry = require "geometry"

local function count(...) return select("#", ...) end
local REG = debug.getregistry()

local Overlay, TrackerLib, TrackViewLib = G.openTrackViewModules()
local DragDrop = require "zellua.TrackerDragDropInterface"

local function assertionsSince(fn)
  G.resetAssertions()
  fn()
  return table.concat(G.assertions(), "\n")
end

local function fields(t)
  local names = {}
  for name, value in pairs(t) do names[#names + 1] = name .. "=" .. tostring(value) end
  table.sort(names)
  return table.concat(names, " ")
end

T.test("the libraries and their constants", function()
  T.eq(Overlay, zelTrackviewOverlay)
  T.eq(TrackerLib, Tracker)
  T.eq(TrackViewLib, zelTrackView)
  T.eq(DragDrop, TrackerDragDropInterface)
  T.eq(fields(Overlay.GetStateTypes()),
    "Overlay_Disabled=3 Overlay_Enabled=0 Overlay_JustDrawing=2 Overlay_NotDrawing=1")
  T.eq(fields(Overlay.GetLayerTypes()), "Overlay_Editing=1 Overlay_Floating=0")
  T.ok(Overlay.GetStateTypes() ~= Overlay.GetStateTypes(), "a new table each time")
  local plain = {}
  for name, value in pairs(Overlay) do if type(value) ~= "function" then plain[name] = value end end
  T.eq(fields(plain), "DoAcquireTracker=DoAcquireTracker DoContextMenu=DoContextMenu DoDoubleClick=DoDoubleClick "
    .. "eDisabled=3 eEnabled=0 eJustDrawing=2 eNotDrawing=1")
  T.eq(fields(Tracker), "BeginTracking=BeginTracking ContinueTracking=ContinueTracking DoCursor=DoCursor "
    .. "EndTracking=EndTracking NewTracker=" .. tostring(Tracker.NewTracker))
  T.eq(next(zelTrackView), nil, "zelTrackView has no functions")
  T.eq(next(DragDrop), nil, "TrackerDragDropInterface has no functions")
  for _, name in ipairs { "zellua.Overlay", "zellua.Tracker", "zellua.zelTrackView", "zellua.TrackerDragDropInterface" } do
    T.eq(REG[name].__index, REG[name], name .. " is its own __index")
  end
end)

-- A table that records its calls.
local function overlayTable()
  local t = { calls = {} }
  function t:setTrackView(view)
    self.calls[#self.calls + 1] = "setTrackView(" .. (self == t and "self" or "?") .. (view and ",view" or "") .. ")"
    self.view = view
  end
  function t:doImageRect(context, rect)
    self.calls[#self.calls + 1] = "doImageRect(" .. rect.left .. "," .. rect.top .. "," .. rect.width .. "," .. rect.height .. ")"
    self.context = context
  end
  return t
end

-- The track-view userdata the registry still holds.
local function heldTrackViews()
  local n = 0
  for _, value in pairs(REG) do
    if type(value) == "userdata" and getmetatable(value) == REG["zellua.zelTrackView"] then n = n + 1 end
  end
  return n
end

T.test("a lent track view", function()
  local t = overlayTable()
  local id = G.newOverlay(t)
  local view = G.newTrackView(100, 50, 400, 200, 2, 0.5)
  G.setTrackView(id, view)
  T.eq(table.concat(t.calls, " "), "setTrackView(self,view)")
  local area = t.view:DataArea()
  T.eq(fields(area), "height=200 left=100 top=50 width=400")
  local p = t.view:DataPointToLocal(geometry.point(110, 60))
  T.eq(p.x .. "," .. p.y, "20,5")
  T.eq(fields(t.view:DataRectToLocal(geometry.rect(100, 50, 10, 10))), "height=5 left=0 top=0 width=20")
  t.view:UpdateNow()
  t.view:InvalidateNow()
  local updates, invalidated = G.platformViewRequests(view)
  T.eq(updates, 1)
  T.eq(#invalidated, 1)
  T.eq(fields(invalidated[1]), "height=100 left=0 top=0 width=800")
  T.ok(not pcall(t.view.DataPointToLocal, t.view, 42), "a point that is not a table raises")
  G.destroyOverlay(id)
end)

T.test("kept track views go out of scope; one reference is held", function()
  local t = overlayTable()
  local id = G.newOverlay(t)
  local first, second = G.newTrackView(0, 0, 10, 10), G.newTrackView(0, 0, 20, 20)
  local base = heldTrackViews()
  G.setTrackView(id, first)
  local kept = t.view
  for _ = 1, 3 do G.setTrackView(id, second) end
  T.eq(heldTrackViews() - base, 1, "references after repeated calls")
  local shown = assertionsSince(function()
    T.eq(count(kept:DataArea()), 0, "DataArea of an out-of-scope view")
    T.eq(count(Tracker.NewTracker(kept)), 0, "NewTracker of an out-of-scope view")
    T.eq(count(kept:UpdateNow()), 0)
  end)
  T.ok(shown:find("Attempting to use an out-of-scope TrackView", 1, true), shown)
  G.setTrackView(id, nil)
  T.eq(t.calls[#t.calls], "setTrackView(self)", "without a view: self only")
  T.eq(heldTrackViews() - base, 1, "the held view stays")
  G.destroyOverlay(id)
  T.eq(t.calls[#t.calls], "setTrackView(self)", "destruction tells the table")
  T.eq(heldTrackViews() - base, 0, "references after the overlay went")
  local last = overlayTable()
  local other = G.newOverlay(last)
  G.setTrackView(other, second)
  local lastView = last.view
  G.destroyOverlay(other)
  T.eq(count(lastView:DataArea()), 0, "out of scope after the overlay went")
  T.ok(not pcall(Tracker.NewTracker, {}), "NewTracker of a table raises")
end)

T.test("drawing through the table", function()
  local t = overlayTable()
  local id = G.newOverlay(t)
  G.imageRect(id, 1, 2, 3, 4)
  T.eq(t.calls[#t.calls], "doImageRect(1,2,3,4)")
  T.eq(getmetatable(t.context), REG["zellua.zelLimner"], "a drawing context")
  G.destroyOverlay(id)
end)

T.test("errors in the table's methods leave the caller's stack", function()
  local t = { setTrackView = function() error("no") end, doImageRect = function() error("no") end }
  local id = G.newOverlay(t)
  local a, b = "kept", "also"
  G.setTrackView(id, G.newTrackView(0, 0, 1, 1))
  G.imageRect(id, 0, 0, 1, 1)
  T.eq(a .. b, "keptalso")
  G.destroyOverlay(id)
end)

T.test("overlay methods", function()
  local t = overlayTable()
  local id, overlay = G.newOverlay(t, 1, 0)
  T.ok(tostring(overlay):find("^Overlay%("), tostring(overlay))
  overlay:SetState(Overlay.eDisabled)
  overlay:SetWantsDragDropEvents(true)
  local state, wants = G.overlayState(id)
  T.eq(state, 3)
  T.eq(wants, true)
  T.eq(overlay:BindZelOperation("DoDoubleClick", function() return true end), "DoDoubleClick")
  T.ok(not pcall(overlay.SetState, io.stdout, 1), "a foreign userdata raises")
  T.ok(not pcall(overlay.BindZelOperation, overlay, "x", 1), "binding a number raises")
  T.eq(count(overlay.SetState(42, 1)), 0, "a value that is not a userdata")
  G.destroyOverlay(id)
  T.eq(count(overlay:SetState(1)), 0, "a dead overlay")
  T.eq(count(overlay:SetWantsDragDropEvents(false)), 0)
  T.eq(count(overlay:BindZelOperation("x", print)), 0)
end)

T.test("context-menu and double-click hooks", function()
  local t = overlayTable()
  local id, overlay = G.newOverlay(t)
  T.eq(G.contextMenu(id, 1, 2), false, "unbound")
  T.eq(G.doubleClick(id, 3, 1, 2), false, "unbound")
  local seen
  overlay:BindZelOperation("DoContextMenu", function(point, node) seen = point.x .. "," .. point.y .. "," .. tostring(node) end)
  T.eq(G.contextMenu(id, 1, 2), false, "answers nil")
  T.eq(seen, "1,2,nil")
  overlay:BindZelOperation("DoContextMenu", function() error("menu fails") end)
  T.eq(G.contextMenu(id, 1, 2), true, "raising answers true")
  overlay:BindZelOperation("DoDoubleClick", function(flags, point) seen = flags .. "@" .. point.x; return "yes" end)
  T.eq(G.doubleClick(id, 3, 7, 8), true)
  T.eq(seen, "3@7")
  G.destroyOverlay(id)
end)

T.test("trackers acquired, dragged and freed", function()
  local view = G.newTrackView(0, 0, 100, 100)
  local t = overlayTable()
  local id, overlay = G.newOverlay(t)
  G.setTrackView(id, view)
  T.eq(G.acquireTracker(id, 1, 1, true), false, "unbound")
  local tracker = Tracker.NewTracker(t.view)
  T.ok(tostring(tracker):find("^Tracker%("), tostring(tracker))
  local log = {}
  local function step(name) return function(...) log[#log + 1] = name .. ":" .. table.concat((function(...)
      local parts = {}
      for i = 1, select("#", ...) do
        local v = select(i, ...)
        parts[#parts + 1] = type(v) == "table" and (v.x .. "/" .. v.y) or tostring(v)
      end
      return parts
    end)(...), ",")
    return name == "DoCursor" and "set" or nil
  end end
  for _, name in ipairs { "BeginTracking", "ContinueTracking", "EndTracking", "DoCursor" } do
    tracker:BindZelOperation(name, step(name))
  end
  local _, alive = G.trackers()
  local results = { nil, 42, io.stdout, tracker, tracker }
  local given = {}
  for i = 1, 5 do
    local result = results[i]
    overlay:BindZelOperation("DoAcquireTracker", function(point, flag, dragDrop)
      log[#log + 1] = "acquire:" .. point.x .. "/" .. point.y .. "," .. tostring(flag) .. "," .. type(dragDrop)
      return result
    end)
    given[i] = tostring(G.acquireTracker(id, 4, 5, i % 2 == 0))
  end
  T.eq(table.concat(given, " "), "false false false true false", "given for nil, 42, a file, a tracker, it again")
  T.eq(G.trackers(), 1, "the framework holds one")
  T.eq(log[1], "acquire:4/5,false,nil")
  log = {}
  T.eq(G.drag(1, 2, { 1, 1 }, { 2, 2 }, { 3, 3 }), true)
  T.eq(table.concat(log, " "), "DoCursor:2,1/1 BeginTracking:2,1/1 ContinueTracking:2,2/2 EndTracking:2,3/3,false")
  T.eq(count(tracker:BindZelOperation("DoCursor", print)), 0, "a handed-over tracker's userdata is empty")
  tracker = nil
  collectgarbage()
  collectgarbage()
  local _, stillAlive = G.trackers()
  T.eq(stillAlive, alive, "the collected userdata left the framework's tracker")
  G.dropTrackers()
  _, stillAlive = G.trackers()
  T.eq(stillAlive, alive - 1, "the framework freed it")

  local a, b = "kept", "also"
  overlay:BindZelOperation("DoAcquireTracker", function() error("no tracker") end)
  T.eq(G.acquireTracker(id, 1, 1, false), false, "raising gives none")
  T.eq(a .. b, "keptalso", "the caller's stack stays")

  Tracker.NewTracker(t.view)
  collectgarbage()
  collectgarbage()
  _, stillAlive = G.trackers()
  T.eq(stillAlive, alive - 1, "a tracker never handed over goes with its userdata")
  T.ok(not pcall(REG["zellua.Tracker"].BindZelOperation, io.stdout, "x", print), "a foreign userdata raises")
  G.destroyOverlay(id)
end)

T.test("drag interfaces", function()
  local t = overlayTable()
  local id, overlay = G.newOverlay(t)
  local drop = G.newDragDrop("dropped")
  local kept, keptData
  overlay:BindZelOperation("DoAcquireTracker", function(point, flag, dragDrop)
    kept = dragDrop
    dragDrop:SetDropEffect(5)
    keptData = dragDrop:GetReceiveData()
    return nil
  end)
  T.eq(G.acquireTracker(id, 1, 1, true, drop), false)
  T.eq(getmetatable(kept), REG["zellua.TrackerDragDropInterface"])
  T.eq(G.dropEffect(drop), 5)
  T.eq(keptData:GetAsText(), "dropped")
  T.eq(G.checkDragDrop(kept), true)
  T.eq(G.checkDragDrop(42), false, "a value that is not a userdata")
  T.ok(not pcall(G.checkDragDrop, io.stdout), "a foreign userdata raises")
  T.eq(G.checkTracker(42), false)
  T.ok(not pcall(G.checkTracker, kept), "an interface is no tracker")
  T.ok(not pcall(kept.SetDropEffect, io.stdout, 1), "a foreign self raises")
  G.endDragDrop(drop)
  T.eq(count(kept:SetDropEffect(1)), 0, "an interface kept past its drag")
  T.eq(count(kept:GetReceiveData()), 0)
  T.eq(count(keptData:GetAsText()), 0, "its data kept past the drag")
  local other = G.newDragDrop("again")
  local pushed = G.pushDragDrop(other)
  pushed = nil
  collectgarbage()
  G.endDragDrop(other)
  G.destroyOverlay(id)
end)

T.finish()

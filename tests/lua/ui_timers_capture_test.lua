-- Node timers on the run loop's clock, mouse input captured by a script ("InputCapture",
-- "UINodeManager") and mouse-event filter nodes.
local T = require "testlib"
local g = require "geometry"
require "zellua.zelcontrols"
require "zellua.UINodeManager"
require "zellua.InputCapture"

local function count(...) return select("#", ...) end

local errorOf = T.errorOf

local collect = T.collect

local click = g.mouseEvent(0, 0, 1, 5, 6, 0, 0, 0)

-- Timers.

T.test("a timer fires every interval of the clock, under a new id each", function()
  local node = zelcontrols.NewSubView()
  local fired = 0
  local id = node:UI_InstallTimer(0.5, function(...)
    T.eq(select("#", ...), 0)
    fired = fired + 1
  end)
  local other = node:UI_InstallTimer(10, function() end)
  T.eq(type(id), "number")
  T.ok(id ~= 0 and other ~= id, "ids are unique and not 0")
  glimmet_test.advanceClock(1.25)
  T.eq(fired, 2)
  node:UI_RemoveTimer(id)
  glimmet_test.advanceClock(1)
  T.eq(fired, 2, "a removed timer stays quiet")
  node:UI_RemoveTimer(other)
  node:UI_RemoveTimer(12345)
  T.eq(glimmet_test.nodeState(node).timers, 0)
end)

T.test("a timer whose function raises keeps firing, with the stack balanced", function()
  local node = zelcontrols.NewSubView()
  local fired = 0
  local id = node:UI_InstallTimer(1, function()
    fired = fired + 1
    error("timer failed")
  end)
  -- advanceClock raises when the stack is left changed.
  glimmet_test.advanceClock(3)
  T.eq(fired, 3)
  node:UI_RemoveTimer(id)
end)

T.test("a timer that removes itself fires once", function()
  local node = zelcontrols.NewSubView()
  local base = glimmet_test.pendingTimers()
  local fired, id = 0, nil
  id = node:UI_InstallTimer(1, function()
    fired = fired + 1
    node:UI_RemoveTimer(id)
    collect()
  end)
  glimmet_test.advanceClock(5)
  T.eq(fired, 1)
  T.eq(glimmet_test.nodeState(node).timers, 0)
  T.eq(glimmet_test.pendingTimers(), base)
end)

T.test("a wrapper collected while its node lives takes its timers along", function()
  local base = glimmet_test.pendingTimers()
  local fired = 0
  local node = zelcontrols.NewSubView()
  local id = glimmet_test.watch(node)
  glimmet_test.hold(node)
  node:UI_InstallTimer(0.1, function() fired = fired + 1 end)
  node = nil
  collect()
  T.ok(glimmet_test.alive(id), "the node lives on")
  T.eq(glimmet_test.pendingTimers(), base)
  glimmet_test.advanceClock(1)
  T.eq(fired, 0)
  glimmet_test.releaseHeld()
  collect()
  T.ok(not glimmet_test.alive(id))
end)

T.test("released wrappers: no timer, and the function is let go", function()
  local node = zelcontrols.NewSubView()
  local weak = setmetatable({ function() end }, { __mode = "v" })
  node:Release()
  T.eq(count(node:UI_InstallTimer(1, weak[1])), 0)
  collect()
  T.eq(weak[1], nil)
  T.eq(count(node:UI_RemoveTimer(1)), 0)
  T.ok(errorOf(node.UI_RemoveTimer, node, "id"):find("bad argument #2"))
  T.ok(errorOf(node.UI_InstallTimer, node, "soon", function() end):find("bad argument #2"))
end)

T.test("a node that dies stops its timers; a released wrapper's timers keep firing while the node lives", function()
  local base = glimmet_test.pendingTimers()
  local parent, child = zelcontrols.NewSubView(), zelcontrols.NewSubView()
  parent:ChildPushBack(child)
  local fired = 0
  child:UI_InstallTimer(1, function() fired = fired + 1 end)
  child:Release()
  glimmet_test.advanceClock(1)
  T.eq(fired, 1)
  parent:DeleteChildren()
  T.eq(glimmet_test.pendingTimers(), base)
  glimmet_test.advanceClock(2)
  T.eq(fired, 1)
end)

-- Input capture.

T.test("the library's names and a capture's text", function()
  for _, name in ipairs({ "captureBegin", "captureEnd", "uiMouseEvent", "doCursor", "timerNotify" }) do
    T.eq(InputCapture[name], name)
  end
  local capture = InputCapture.newInputCapture(zelcontrols.NewSubView(), click)
  T.eq(getmetatable(capture), debug.getregistry()["zellua.InputCapture"])
  T.ok(tostring(capture):find("^InputCapture%("), tostring(capture))
  T.eq(capture:BindZelOperation("doCursor", function() end), "doCursor")
  T.ok(errorOf(capture.BindZelOperation, capture, "doCursor", 5):find("bad argument #3"))
  T.ok(errorOf(InputCapture.newInputCapture, 5, click):find("Bad user data", 1, true))
  T.ok(errorOf(InputCapture.newInputCapture, zelcontrols.NewSubView(), { action = 1 }):find("bad argument"))
end)

-- A capture of a new node whose callbacks append to the log.
local function loggingCapture(log, name)
  local target = zelcontrols.NewSubView()
  local capture = InputCapture.newInputCapture(target, click)
  capture:BindZelOperation("captureBegin", function(...) log[#log + 1] = name .. " begin " .. select("#", ...) end)
  capture:BindZelOperation("captureEnd", function() log[#log + 1] = name .. " end" end)
  capture:BindZelOperation("uiMouseEvent", function(event)
    log[#log + 1] = name .. " mouse " .. event.position.x .. "," .. event.position.y
  end)
  return capture, target
end

T.test("a captured mouse, cursor and keyboard reach the capture, not the node", function()
  local log = {}
  local capture = loggingCapture(log, "c")
  local node = zelcontrols.NewCheckbox()
  T.eq(UINodeManager.HasInputCapture(), false)
  UINodeManager.BeginInputCapture(capture)
  T.eq(UINodeManager.HasInputCapture(), true)
  T.eq(glimmet_test.injectMouse(node, click), true)
  T.eq(glimmet_test.injectCursor(node, 1, 2), false, "no cursor function: not handled")
  capture:BindZelOperation("doCursor", function(where, modifiers)
    log[#log + 1] = "c cursor " .. where.x .. "," .. where.y .. " " .. modifiers
    return false
  end)
  T.eq(glimmet_test.injectCursor(node, 1, 2, 3), true, "a cursor function handles whatever it returns")
  T.eq(glimmet_test.injectKeyboard(node, 0, "k", 40), true)
  local state = glimmet_test.nodeState(node)
  T.eq(state.ownMouseEvents + state.ownCursorCalls + state.ownKeyboardEvents, 0)
  UINodeManager.EndInputCapture(true)
  T.eq(glimmet_test.lastEndCaptureFlag(), true)
  T.eq(UINodeManager.HasInputCapture(), false)
  T.eq(glimmet_test.injectMouse(node, click), false)
  T.eq(table.concat(log, "; "), "c begin 0; c mouse 5,6; c cursor 1,2 3; c end")
end)

T.test("a new capture ends the current one; the end flag must be true itself", function()
  local log = {}
  local first = loggingCapture(log, "first")
  local second = loggingCapture(log, "second")
  UINodeManager.BeginInputCapture(first)
  UINodeManager.BeginInputCapture(second)
  UINodeManager.EndInputCapture(1)
  T.eq(glimmet_test.lastEndCaptureFlag(), false)
  UINodeManager.EndInputCapture(true)
  T.eq(table.concat(log, "; "), "first begin 0; first end; second begin 0; second end")
end)

T.test("a capture's target's timers reach the capture first", function()
  local log = {}
  local capture, target = loggingCapture(log, "c")
  capture:BindZelOperation("timerNotify", function(id) log[#log + 1] = "capture timer " .. type(id) end)
  local id = target:UI_InstallTimer(1, function() log[#log + 1] = "node timer" end)
  UINodeManager.BeginInputCapture(capture)
  glimmet_test.advanceClock(1)
  UINodeManager.EndInputCapture(false)
  target:UI_RemoveTimer(id)
  T.eq(table.concat(log, "; "), "c begin 0; capture timer number; node timer; c end")
end)

T.test("the node manager keeps a capture whose userdata was collected", function()
  local log = {}
  local capture = loggingCapture(log, "kept")
  UINodeManager.BeginInputCapture(capture)
  capture = nil
  collect()
  glimmet_test.injectMouse(zelcontrols.NewSubView(), click)
  UINodeManager.EndInputCapture(true)
  T.eq(table.concat(log, "; "), "kept begin 0; kept mouse 5,6; kept end")
end)

T.test("collected captures and released nodes make and begin nothing", function()
  local log = {}
  local capture = loggingCapture(log, "gone")
  capture:__gc()
  capture:__gc()
  UINodeManager.BeginInputCapture(capture)
  T.eq(UINodeManager.HasInputCapture(), false)
  T.eq(count(capture:BindZelOperation("doCursor", function() end)), 0)
  T.ok(tostring(capture):find("^InputCapture%("))
  local node = zelcontrols.NewSubView()
  node:Release()
  T.eq(count(InputCapture.newInputCapture(node, click)), 0)
  T.ok(errorOf(UINodeManager.BeginInputCapture, node):find("bad argument #1"))
  T.eq(#log, 0)
end)

-- Filter nodes.

T.test("filter nodes see mouse events first and may keep them from the target", function()
  local filter, target = zelcontrols.NewSubView(), zelcontrols.NewSubView()
  target:UI_SetNodeID("target")
  local answer, seen = false, nil
  filter:BindZelOperation("uiPreMouseEvent", function(forNode)
    seen = forNode:UI_GetNodeID()
    return answer
  end)
  UINodeManager.AddMouseEventFilterNode(filter)
  UINodeManager.AddMouseEventFilterNode(filter)
  T.eq(glimmet_test.filterNodeCount(), 1, "added once")
  T.eq(glimmet_test.injectMouse(target, click), false)
  T.eq(seen, "target")
  T.eq(glimmet_test.nodeState(target).ownMouseEvents, 1, "passed on")
  answer = true
  T.eq(glimmet_test.injectMouse(target, click), true)
  T.eq(glimmet_test.nodeState(target).ownMouseEvents, 1, "kept from the target")
  UINodeManager.RemoveMouseEventFilterNode(filter)
  T.eq(glimmet_test.filterNodeCount(), 0)
  T.eq(glimmet_test.injectMouse(target, click), false)
end)

T.test("a filter node that dies leaves the list", function()
  local filter = zelcontrols.NewSubView()
  UINodeManager.AddMouseEventFilterNode(filter)
  filter:Release()
  UINodeManager.RemoveMouseEventFilterNode(filter)
  T.eq(glimmet_test.filterNodeCount(), 0, "the node is gone")
  T.ok(errorOf(UINodeManager.AddMouseEventFilterNode, {}):find("Bad user data", 1, true))
  T.eq(glimmet_test.injectMouse(zelcontrols.NewSubView(), click), false)
end)

T.finish()

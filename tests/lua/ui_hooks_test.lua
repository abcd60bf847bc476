-- Lua functions bound to a node's hooks, reached through input delivered as the platform would,
-- and the change binders of controls driven through "luaTestingSupport".
local T = require "testlib"
local g = require "geometry"
require "zellua.zelcontrols"
require "zellua.luaTestingSupport"

local function count(...) return select("#", ...) end

local errorOf = T.errorOf

local collect = T.collect

-- A new function held only weakly here: once nothing else keeps it, gone() is true.
local function weakFunction(body)
  local weak = setmetatable({ body or function() end }, { __mode = "v" })
  return weak, function()
    collect()
    return weak[1] == nil
  end
end

local click = g.mouseEvent(0, 1, 2, 3, 4, 8, 0, 0)

-- Each hook: how to deliver to the node, and what its function gets as arguments.
local HOOKS = {
  { hook = "uiPreMouseEvent", deliver = function(n) return glimmet_test.injectMouse(n, click) end,
    args = function(a) return a.n .. " " .. a[1]:UI_GetNodeID() .. " " .. a[2].button .. "," .. a[2].clickCount ..
      " at " .. a[2].position.x .. "," .. a[2].position.y .. " mod " .. a[2].modKey end,
    expected = "2 hooked 1,2 at 3,4 mod 8", own = "ownMouseEvents" },
  { hook = "uiMouseEvent", deliver = function(n) return glimmet_test.injectMouse(n, click) end,
    args = function(a) return a.n .. " " .. a[1].action .. " at " .. a[1].position.x .. "," .. a[1].position.y end,
    expected = "1 0 at 3,4", own = "ownMouseEvents" },
  { hook = "uiKeyboardEvent", deliver = function(n) return glimmet_test.injectKeyboard(n, 0, "ab", 12, 2, true) end,
    args = function(a) return a.n .. " " .. a[1]:UI_GetNodeID() .. " " .. a[2].action .. " " .. a[2].character ..
      " " .. a[2].keyCode .. " " .. a[2].modKey .. " " .. tostring(a[2].isRepeat) end,
    expected = "2 hooked 0 97 12 2 true", own = "ownKeyboardEvents" },
  { hook = "uiDoCursor", deliver = function(n) return glimmet_test.injectCursor(n, 7, 9, 4) end,
    args = function(a) return a.n .. " " .. a[1].x .. "," .. a[1].y .. " " .. a[2] end,
    expected = "2 7,9 4", own = "ownCursorCalls" },
  { hook = "uiDraw", deliver = function(n) return (glimmet_test.injectDraw(n)) end,
    args = function(a) return a.n .. " " .. tostring(getmetatable(a[1]) == debug.getregistry()["zellua.zelLimner"]) end,
    expected = "1 true", own = "draws" },
}

for _, case in ipairs(HOOKS) do
  T.test(case.hook .. ": arguments, and the result's truth says handled", function()
    for _, row in ipairs({ { result = true, handled = true, own = 0 }, { result = 1, handled = true, own = 0 },
      { result = false, handled = false, own = 1 }, { result = nil, handled = false, own = 2 } }) do
      local node = zelcontrols.NewCheckbox()
      node:UI_SetNodeID("hooked")
      local seen
      T.eq(node:BindZelOperation(case.hook, function(...)
        seen = case.args({ n = select("#", ...), ... })
        return row.result
      end), true)
      T.eq(case.deliver(node), row.handled, "handled for " .. tostring(row.result))
      T.eq(seen, case.expected)
      T.eq(glimmet_test.nodeState(node)[case.own], row.own == 0 and 0 or 1, "reached the node's own handling")
    end
  end)

  T.test(case.hook .. ": an error reads as handled", function()
    local node = zelcontrols.NewCheckbox()
    node:BindZelOperation(case.hook, function() error("failed") end)
    T.eq(case.deliver(node), true)
    T.eq(glimmet_test.nodeState(node)[case.own], 0)
  end)
end

T.test("a keyboard event without text has character 0", function()
  local node = zelcontrols.NewCheckbox()
  local character
  node:BindZelOperation("uiKeyboardEvent", function(_, event) character = event.character end)
  glimmet_test.injectKeyboard(node, 1, "", 53)
  T.eq(character, 0)
end)

T.test("without an event constructor the function gets the call's error in its place", function()
  local node = zelcontrols.NewCheckbox()
  local got
  node:BindZelOperation("uiMouseEvent", function(event) got = type(event) end)
  local kept = zellua_CreateNewZELUIMouseEvent
  zellua_CreateNewZELUIMouseEvent = nil
  glimmet_test.injectMouse(node, click)
  zellua_CreateNewZELUIMouseEvent = kept
  T.eq(got, "string")
end)

T.test("rebinding replaces the function and lets the old one go", function()
  local node = zelcontrols.NewSubView()
  local calls = ""
  local first, gone = weakFunction(function() calls = calls .. "first " end)
  node:BindZelOperation("uiDraw", first[1])
  T.ok(not gone(), "the bound function is kept")
  node:BindZelOperation("uiDraw", function() calls = calls .. "second " end)
  glimmet_test.injectDraw(node)
  glimmet_test.injectDraw(node)
  T.eq(calls, "second second ")
  T.ok(gone(), "the first function is let go")
end)

T.test("a draw function draws with a context that is dead after the call", function()
  local node = zelcontrols.NewSubView()
  local kept
  node:BindZelOperation("uiDraw", function(context)
    kept = context
    context:GetSurface():PaintRect(g.rect(0, 0, 2, 3), g.rgba(1, 0, 0, 1))
    return true
  end)
  local drew, lines = glimmet_test.injectDraw(node)
  T.eq(drew, true)
  T.eq(table.concat(lines, "\n"), "#s PaintRect 0,0,2,3 color 1,0,0,1")
  T.eq(glimmet_test.nodeState(node).draws, 0, "the node's own drawing is skipped")
  glimmet_test.resetAssertions()
  T.eq(count(kept:GetSurface()), 0)
  T.eq(glimmet_test.assertions()[1], "Attempting to use an out-of-scope Limner")
end)

T.test("size changes call the function with the new local rectangle", function()
  local node = zelcontrols.NewSubView()
  local seen = {}
  node:BindZelOperation("uiSizeChanged", function(...)
    local r = ...
    seen[#seen + 1] = select("#", ...) .. ":" .. r.left .. "," .. r.top .. "," .. r.width .. "," .. r.height
  end)
  node:UI_SetLocalRectF(g.rect(1, 2, 30, 40))
  node:UI_SetLocalRectF(g.rect(5, 6, 30, 40))
  node:UI_SetLocalRectF(g.rect(5, 6, 31, 40))
  T.eq(table.concat(seen, " "), "1:1,2,30,40 1:5,6,31,40", "a move alone is no size change")
end)

T.test("focus changes tell loser and gainer the reason", function()
  local first, second = zelcontrols.NewCheckbox(), zelcontrols.NewCheckbox()
  local seen = {}
  first:BindZelOperation("uiFocusChange", function(reason) seen[#seen + 1] = "first " .. reason end)
  second:BindZelOperation("uiFocusChange", function(...) seen[#seen + 1] = "second " .. table.concat({ ... }, ",") end)
  first:UI_GainKeyboardFocus(1)
  second:UI_GainKeyboardFocus(3)
  T.eq(table.concat(seen, "; "), "first 1; first 3; second 3")
end)

T.test("other names are kept and never called; arguments are checked", function()
  local node = zelcontrols.NewSubView()
  local called = false
  T.eq(node:BindZelOperation("uiSomethingElse", function() called = true end), true)
  glimmet_test.injectMouse(node, click)
  glimmet_test.injectDraw(node)
  T.eq(called, false)
  T.ok(errorOf(node.BindZelOperation, node, {}, function() end):find("bad argument #2"))
end)

T.test("a node's other user data gives way to its binding table", function()
  local node = zelcontrols.NewSubView()
  glimmet_test.setUserData(node, "mine")
  T.eq(glimmet_test.userData(node), "mine")
  node:BindZelOperation("uiDraw", function() end)
  T.eq(glimmet_test.userData(node), "other")
end)

T.test("a function bound on a released wrapper is let go", function()
  local node = zelcontrols.NewSubView()
  node:Release()
  local fn, gone = weakFunction()
  T.eq(node:BindZelOperation("uiDraw", fn[1]), false)
  T.ok(gone())
end)

T.test("a hook whose function drops the last reference to its node", function()
  local node = zelcontrols.NewSubView()
  local id = glimmet_test.watch(node)
  local target = node
  node:BindZelOperation("uiMouseEvent", function()
    target:Release()
    target = nil
    collect()
    return true
  end)
  T.eq(glimmet_test.injectMouse(node, click), true)
  node:Release()
  node = nil
  collect()
  T.ok(not glimmet_test.alive(id), "the node went once the event was done")
end)

-- Change binders.

T.test("value changes call the first function only, with no arguments", function()
  local box = zelcontrols.NewCheckbox()
  local calls = {}
  T.eq(box:NotifyWhenChanged(function(...) calls[#calls + 1] = "first " .. select("#", ...) end), true)
  T.eq(box:NotifyWhenChanged(function() calls[#calls + 1] = "second" end), true)
  luaTestingSupport.SendControlValueChangeMessage(box)
  luaTestingSupport.SendControlValueChangeMessage(box)
  T.eq(table.concat(calls, "; "), "first 0; first 0")
end)

T.test("interactive changes: one message table per step", function()
  local knob = zelcontrols.NewKnob()
  knob:UI_SetNodeID("knob")
  local seen = {}
  knob:NotifyWhenChangedInteractively(function(...)
    local message = ...
    T.eq(select("#", ...), 1)
    T.eq(getmetatable(message), debug.getregistry().interactiveChangeMessage)
    seen[#seen + 1] = message.control:UI_GetNodeID() .. ":" .. message.changeMessage
  end)
  knob:NotifyWhenChangedInteractively(function() seen[#seen + 1] = "second" end)
  luaTestingSupport.SimulateBeginInteractiveChange(knob)
  luaTestingSupport.SimulateContinueInteractiveChange(knob, 5)
  luaTestingSupport.SimulateFinishInteractiveChange(knob)
  T.eq(table.concat(seen, " "), "knob:0 knob:1 knob:2")
end)

T.test("the change constants are readable through every message", function()
  local knob = zelcontrols.NewKnob()
  local message
  knob:NotifyWhenChangedInteractively(function(m) message = m end)
  luaTestingSupport.SimulateBeginInteractiveChange(knob)
  T.eq(message.beginChange .. message.continueChange .. message.finishChange .. message.cancelChange, "0123")
end)

T.test("a change callback that releases its control", function()
  local knob = zelcontrols.NewKnob()
  local id = glimmet_test.watch(knob)
  local steps = 0
  knob:NotifyWhenChangedInteractively(function(message)
    steps = steps + 1
    message.control:Release()
    knob:Release()
    knob = nil
    collect()
  end)
  luaTestingSupport.SimulateBeginInteractiveChange(knob)
  collect()
  T.eq(steps, 1)
  T.ok(not glimmet_test.alive(id), "the control went once the change was sent")
end)

T.test("released and wrong controls", function()
  local box = zelcontrols.NewCheckbox()
  box:Release()
  local fn, gone = weakFunction()
  T.eq(box:NotifyWhenChanged(fn[1]), false)
  T.ok(gone(), "the function is let go")
  T.eq(count(luaTestingSupport.SendControlValueChangeMessage(box)), 0)
  T.eq(count(luaTestingSupport.SimulateContinueInteractiveChange(box, 1)), 0)
  T.ok(errorOf(luaTestingSupport.SimulateContinueInteractiveChange, box, "x"):find("bad argument #2"),
    "the flags are checked even when released")
  T.ok(errorOf(luaTestingSupport.SendControlValueChangeMessage, zelcontrols.NewSubView()):find("Invalid type conversion."))
  T.ok(errorOf(luaTestingSupport.SimulateBeginInteractiveChange, zelcontrols.NewStaticText()):find(
    "Invalid type conversion."))
  T.ok(errorOf(luaTestingSupport.SendControlValueChangeMessage, 3):find("Bad user data", 1, true))
end)

T.finish()

-- Layout dialogs from Lua: which layouts show a dialog, how handlers answer the dialog's actions
-- and how it closes, dialog userdata kept past their dialog or of another kind, and the cases
-- that show nothing.
local T = require "testlib"
local G = glimmet_test

local function count(...) return select("#", ...) end

local controls = G.openTovaDialog()
T.test("the opener", function()
  T.eq(controls, zelcontrols, "returns the control library")
  T.eq(type(TovaDialog.doTovaDialog), "function")
  local meta = debug.getregistry()["Tova.TovaDialog"]
  T.eq(meta.__index, meta, "the metatable is its own __index")
  T.ok(meta.setTitle and meta.getControl and meta.__gc == nil, "two methods, no collector")
  T.eq(G.openTovaDialog(), zelcontrols, "opening again")
end)
require "zellua.luaTestingSupport"

local function writeLayout(text)
  local path = os.tmpname()
  local file = assert(io.open(path, "w"))
  file:write(text)
  file:close()
  return path
end

local LAYOUT = writeLayout([[
# a settings dialog
dialog Settings
layout
  text intro Hello
  checkbox remember Remember me
  button ok do_ok OK
  button cancel do_cancel Cancel
  button apply apply Apply
end
]])

-- Runs the layout with the handlers after queueing the actions; gives the run's record.
local function run(path, handlers, actions)
  G.resetTova()
  G.queueTovaActions(actions or {})
  T.eq(count(TovaDialog.doTovaDialog(path, handlers)), 0, "doTovaDialog's results")
  T.eq(G.liveLayoutRoots(), 0, "layout roots left")
  return G.tovaRuns()[1]
end

T.test("a layout's dialog", function()
  local shown = run(LAYOUT, nil, { "do_ok" })
  T.eq(shown.title, "Settings")
  T.eq(shown.controls, "text:intro checkbox:remember button:ok button:cancel button:apply")
  T.ok(shown.evaluations >= 1, "laid out before it is shown")
end)

-- {handlers, queued actions} -> handlers called (in order, with what), how the dialog closed.
local calls
local function record(name, result, raise)
  return function(dialog, action)
    calls[#calls + 1] = name .. "(" .. type(dialog) .. (action and "," .. action or "") .. ")"
    if raise then error("handler fails") end
    return result
  end
end

T.cases("handlers and actions", {
  { name = "no handlers, OK", actions = { "do_ok" }, response = 1, calls = "" },
  { name = "no handlers, cancel", actions = { "do_cancel" }, response = 0, calls = "" },
  { name = "no handlers, nothing done", actions = {}, response = 0, dry = true, calls = "" },
  { name = "a handler table of another type", handlers = "handlers", actions = { "do_ok" }, response = 1, calls = "" },
  { name = "do_cancel refusing keeps the dialog open",
    handlers = { on_do_cancel = record("cancel", false) }, actions = { "do_cancel", "do_ok" },
    response = 1, calls = "cancel(userdata,do_cancel)" },
  { name = "do_cancel refusing, nothing else done",
    handlers = { on_do_cancel = record("cancel", nil) }, actions = { "do_cancel" },
    response = 0, dry = true, calls = "cancel(userdata,do_cancel)" },
  { name = "do_cancel agreeing with any value",
    handlers = { on_do_cancel = record("cancel", 0) }, actions = { "do_cancel", "do_ok" },
    response = 0, calls = "cancel(userdata,do_cancel)" },
  { name = "do_ok raising closes as after OK",
    handlers = { on_do_ok = record("ok", false, true) }, actions = { "do_ok" },
    response = 1, calls = "ok(userdata,do_ok)" },
  { name = "initialize a number", handlers = { initialize = 42 }, actions = { "do_ok" }, response = 1, calls = "" },
  { name = "initialize a function",
    handlers = { initialize = record("init") }, actions = { "do_cancel" }, response = 0, calls = "init(userdata)" },
  { name = "a custom action",
    handlers = { on_apply = record("apply", false) }, actions = { "apply", "do_ok" },
    response = 1, calls = "apply(userdata,apply)" },
  { name = "a custom action without handler does nothing", actions = { "apply", "do_ok" }, response = 1, calls = "" },
}, function(case)
  calls = {}
  local shown = run(LAYOUT, case.handlers, case.actions)
  T.eq(table.concat(calls, " "), case.calls, "handlers called")
  T.eq(shown.response, case.response, "closed with")
  T.eq(shown.closedWhenDry, case.dry == true, "closed for want of actions")
end)

T.test("a button pressed from a handler reaches the handler table", function()
  calls = {}
  local shown = run(LAYOUT, {
    on_apply = function(dialog, action)
      calls[#calls + 1] = action
      luaTestingSupport.SendControlValueChangeMessage(dialog:getControl("ok"))
      return true
    end,
    on_do_ok = function(dialog, action)
      calls[#calls + 1] = action
      dialog:setTitle("accepted")
      return true
    end,
  }, { "apply" })
  T.eq(table.concat(calls, " "), "apply do_ok")
  T.eq(shown.response, 1)
  T.eq(shown.title, "accepted")
end)

T.test("setTitle and getControl on a live dialog", function()
  local found = {}
  local shown = run(LAYOUT, {
    initialize = function(dialog)
      dialog:setTitle("Réglages")
      local box = dialog:getControl("remember")
      found.kind = getmetatable(box) == debug.getregistry()["zelCheckbox"]
      found.missing = count(dialog:getControl("missing"))
    end,
  }, { "do_ok" })
  T.eq(shown.title, "Réglages")
  T.ok(found.kind, "the checkbox comes as a checkbox wrapper")
  T.eq(found.missing, 0, "an unknown name gives nothing")
  T.ok(shown.evaluations >= 2, "laid out again after the title changed")
end)

T.test("dialog userdata kept past the dialog, and values of other kinds", function()
  local kept
  run(LAYOUT, { initialize = function(dialog) kept = dialog end }, { "do_ok" })
  T.eq(type(kept), "userdata")
  T.eq(count(kept:setTitle("late")), 0, "setTitle on a dead dialog")
  T.eq(count(kept:getControl("ok")), 0, "getControl on a dead dialog")
  local meta = debug.getregistry()["Tova.TovaDialog"]
  for _, foreign in ipairs { io.stdout, newproxy(true), {}, 42 } do
    T.eq(count(meta.setTitle(foreign, "x")), 0, "setTitle on " .. tostring(foreign))
    T.eq(count(meta.getControl(foreign, "ok")), 0, "getControl on " .. tostring(foreign))
  end
  T.eq(count(meta.setTitle()), 0, "setTitle without arguments")
  T.ok(not pcall(meta.setTitle, kept, {}), "a title that is not a string raises")
end)

T.cases("nothing shown", {
  { name = "a layout without a dialog line", layout = "layout\n  button ok do_ok OK\nend\n" },
  { name = "a layout without a layout block", layout = "dialog Empty\n" },
  { name = "a layout that does not read", layout = "dialog Broken\nlayout\n  button ok\nend\n" },
  { name = "a missing file", path = "/nonexistent/folder/dialog.layout" },
  { name = "a folder", path = "/" },
  { name = "silent alerts", silent = true },
}, function(case)
  local path = case.path or (case.layout and writeLayout(case.layout)) or LAYOUT
  local before
  if case.silent then before = G.setAlertsSilent(true) end
  calls = {}
  local ok, err = pcall(run, path, { initialize = record("init") }, { "do_ok" })
  if case.silent then G.setAlertsSilent(before) end
  if case.layout then os.remove(path) end
  T.ok(ok, err)
  T.eq(#G.tovaRuns(), 0, "dialogs run")
  T.eq(#calls, 0, "handlers called")
end)

T.cases("argument errors", {
  { name = "no path", args = {} },
  { name = "a table path", args = { {} } },
}, function(case)
  G.resetTova()
  local ok, err = pcall(TovaDialog.doTovaDialog, unpack(case.args))
  T.ok(not ok, "raises")
  T.ok(tostring(err):find("bad argument #1"), tostring(err))
  T.eq(#G.tovaRuns(), 0, "dialogs run")
end)

os.remove(LAYOUT)
T.finish()

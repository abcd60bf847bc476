-- Web views from Lua in the booted host: "zelcontrols".NewWebView and the methods of
-- "zelWebView", pages that ask Lua through nimbrel.callbackTunnel, and the five notifications.
-- The engine runs when the test says so (glimmet_test.runEngine), as the run loop's pump would
-- run it; runEngine raises when a notification left the Lua stack changed.
local T = require "testlib"
require "zellua.zelcontrols"

local function count(...) return select("#", ...) end

local errorOf = T.errorOf

local collect = T.collect

-- Writes a page beside the scripts; returns its path.
local function page(name, html)
  local path = SOURCE_ROOT .. name
  local file = assert(io.open(path, "wb"))
  file:write(html)
  file:close()
  return path
end

-- A web view with its browser.
local function newView()
  local view = zelcontrols.NewWebView()
  view:Init()
  glimmet_test.runEngine()
  return view
end

local function load(view, url)
  view:LoadURL(url)
  glimmet_test.runEngine()
end

-- A function that appends a line "<name> <arguments>" to the log each time it is called.
local function recorder(log, name, result)
  return function(...)
    local parts = { name }
    for i = 1, select("#", ...) do parts[#parts + 1] = tostring((select(i, ...))) end
    log[#log + 1] = table.concat(parts, " ")
    return result
  end
end

local PLAIN = page("plain.html", "<p>plain</p>")

T.test("NewWebView makes a zelWebView with the node methods; the factory knows web views", function()
  local view = zelcontrols.NewWebView()
  T.ok(rawequal(getmetatable(view), debug.getregistry()["zelWebView"]), "the zelWebView metatable")
  T.eq(type(view.ChildPushBack), "function", "a node method")
  T.eq(type(view.ControlWrapperIdentifier), "function")
  local parent = zelcontrols.NewSubView()
  parent:ChildPushBack(view)
  T.ok(rawequal(getmetatable(parent:ChildGet(1)), getmetatable(view)), "a web view child gets the wrapper")
end)

T.test("a web view without browser answers as without one", function()
  local view = zelcontrols.NewWebView()
  T.eq(view:HasDocument(), false)
  T.eq(view:GetCurrentURL(), "")
  T.eq(view:RunJavaScript("1 + 1"), "")
  T.eq(view:GetZoomFactor(), 100)
  T.eq(view:IsFocusAllowed(), true)
  T.eq(view:HasFocus(), false)
  T.eq(view:SetFocus(true), false)
  T.ok(rawequal(view:Init(), view), "Init gives back the web view")
  T.eq(view:LoadURL(PLAIN), PLAIN, "LoadURL gives back the URL")
  T.eq(view:RunJavaScript("1 + 1"), "", "no browser before the engine runs")
  glimmet_test.runEngine()
  T.eq(view:RunJavaScript("1 + 1"), "2")
  T.eq(view:HasDocument(), true, "the URL asked for early is loaded")
  T.eq(view:GetCurrentURL(), PLAIN)
end)

T.test("a page asks Lua through the tunnel and sends the reply back", function()
  local url = page("ask.html", [[<script>
var reply = nimbrel.callbackTunnel("hé😀");
nimbrel.callbackTunnel("back:" + reply);
</script>]])
  local view = newView()
  local heard = {}
  T.eq(view:NotifyOnJavaScriptTunnel(function(text)
    heard[#heard + 1] = text
    if text == "hé😀" then return "réponse " .. text end
  end), true)
  load(view, url)
  T.eq(#heard, 2)
  T.eq(heard[1], "hé😀")
  T.eq(heard[2], "back:réponse hé😀")
end)

T.test("what the page gets for each reply, asked from inside RunJavaScript", function()
  local view = newView()
  local reply
  local heard = 0
  view:NotifyOnJavaScriptTunnel(function(text)
    heard = heard + 1
    return reply(text)
  end)
  T.cases("reply", {
    { name = "a string", reply = function() return "ok" end, got = "ok" },
    { name = "the text", reply = function(text) return text .. "!" end, got = "x!" },
    { name = "a number", reply = function() return 42 end, got = "42" },
    { name = "nil", reply = function() return nil end, got = "undefined" },
    { name = "nothing", reply = function() end, got = "undefined" },
    { name = "an empty string", reply = function() return "" end, got = "undefined" },
    { name = "a boolean", reply = function() return true end, got = "undefined" },
    { name = "a table", reply = function() return {} end, got = "undefined" },
    { name = "an error", reply = function() error("refused") end, got = "undefined" },
    { name = "two values", reply = function() return "first", "second" end, got = "first" },
  }, function(case)
    reply = case.reply
    local before = heard
    T.eq(view:RunJavaScript("String(nimbrel.callbackTunnel('x'))"), case.got)
    T.eq(heard, before + 1, "the function ran once")
  end)
end)

T.test("calls without exactly one string never reach Lua", function()
  local view = newView()
  local heard = 0
  view:NotifyOnJavaScriptTunnel(function()
    heard = heard + 1
    return "reached"
  end)
  for _, call in ipairs { "nimbrel.callbackTunnel()", "nimbrel.callbackTunnel(42)",
    "nimbrel.callbackTunnel({})", "nimbrel.callbackTunnel(null)", "nimbrel.callbackTunnel(['a'])" } do
    T.eq(view:RunJavaScript("String(" .. call .. ")"), "undefined", call)
  end
  T.eq(heard, 0)
  T.eq(view:RunJavaScript("nimbrel.callbackTunnel('')"), "reached", "an empty string is a string")
end)

T.test("tunnel calls nest: Lua runs the page's script, which asks Lua again", function()
  local view = newView()
  local heard = {}
  view:NotifyOnJavaScriptTunnel(function(text)
    heard[#heard + 1] = text
    if text == "outer" then
      return "got " .. view:RunJavaScript("nimbrel.callbackTunnel('inner')")
    end
    return "deep"
  end)
  local a, b = "kept", "too"
  T.eq(view:RunJavaScript("nimbrel.callbackTunnel('outer')"), "got deep")
  T.eq(table.concat(heard, ","), "outer,inner")
  T.eq(a .. b, "kepttoo", "the caller's frame is intact")
end)

T.test("a tunnel function that lets its web view go finishes its reply", function()
  local view = newView()
  local id = glimmet_test.watch(view)
  view:NotifyOnJavaScriptTunnel(function()
    view:Release()
    collect()
    return "bye"
  end)
  T.eq(view:RunJavaScript("nimbrel.callbackTunnel('x')"), "bye")
  T.eq(glimmet_test.alive(id), false, "the node went once the script returned")
  T.eq(view:RunJavaScript("1"), nil)
  glimmet_test.runEngine()
end)

T.test("before-browse: the first function's truth, or its error, cancels location.href", function()
  local target = page("target.html", "<p>target</p>")
  local from = page("from.html", "<script>location.href = '" .. target .. "';</script>")
  T.cases("answer", {
    { name = "nil", answer = function() return nil end, lands = target },
    { name = "false", answer = function() return false end, lands = target },
    { name = "true", answer = function() return true end, lands = from },
    { name = "0", answer = function() return 0 end, lands = from },
    { name = "a string", answer = function() return "no" end, lands = from },
    { name = "an error", answer = function() error("refused") end, lands = from },
  }, function(case)
    local view = newView()
    local asked = {}
    T.eq(view:NotifyOnBeforeBrowse(function(url)
      asked[#asked + 1] = url
      if url == from then return nil end
      return case.answer()
    end), true)
    local second = {}
    view:NotifyOnBeforeBrowse(recorder(second, "second", true))
    load(view, from)
    T.eq(table.concat(asked, " "), from .. " " .. target)
    T.eq(view:GetCurrentURL(), case.lands)
    T.eq(#second, 0, "the second function is never asked")
  end)
end)

T.test("resource loads reach every function in order; the other four the first only", function()
  local url = page("notify.html", "<script>nimbrel.callbackTunnel('hi');</script>")
  local view = newView()
  local log = {}
  for _, name in ipairs { "first", "second" } do
    T.eq(view:NotifyWhenResourceLoaded(recorder(log, "loaded " .. name)), true)
    T.eq(view:NotifyWhenAddressChange(recorder(log, "address " .. name)), true)
    T.eq(view:NotifyOnBeforeBrowse(recorder(log, "browse " .. name)), true)
    T.eq(view:NotifyWhenFrameLocationChanged(recorder(log, "frame " .. name)), true)
    T.eq(view:NotifyOnJavaScriptTunnel(recorder(log, "tunnel " .. name)), true)
  end
  load(view, url)
  T.eq(table.concat(log, "\n"), table.concat({
    "browse first " .. url,
    "address first " .. url,
    "tunnel first hi",
    "loaded first " .. url,
    "loaded second " .. url,
    "frame first false",
  }, "\n"))
end)

T.test("a function filed during a resource load hears the next load", function()
  local view = newView()
  local log = {}
  local filed = false
  view:NotifyWhenResourceLoaded(function(url)
    log[#log + 1] = "first"
    if not filed then
      filed = true
      view:NotifyWhenResourceLoaded(recorder(log, "late"))
    end
  end)
  load(view, PLAIN)
  T.eq(table.concat(log, ","), "first")
  load(view, PLAIN)
  T.eq(table.concat(log, ","), "first,first,late " .. PLAIN)
end)

T.test("registration files argument 2, whatever follows it", function()
  local view = newView()
  local log = {}
  T.eq(view:NotifyWhenAddressChange(recorder(log, "address"), "extra", 3), true)
  T.eq(view:NotifyOnJavaScriptTunnel(function() return "from the function" end, function() return "extra" end), true)
  load(view, PLAIN)
  T.eq(log[1], "address " .. PLAIN)
  T.eq(view:RunJavaScript("nimbrel.callbackTunnel('x')"), "from the function")
end)

T.test("registrations need a function", function()
  local view = zelcontrols.NewWebView()
  for _, method in ipairs { "NotifyWhenResourceLoaded", "NotifyWhenAddressChange", "NotifyOnBeforeBrowse",
    "NotifyWhenFrameLocationChanged", "NotifyOnJavaScriptTunnel" } do
    T.ok(errorOf(view[method], view, "not a function"):find("function expected"), method)
    T.ok(errorOf(view[method], view):find("function expected"), method .. " without one")
  end
  T.ok(errorOf(view.SetFocus, view, 1):find("boolean expected"))
  T.ok(errorOf(view.SetIsFocusAllowed, view):find("boolean expected"))
  T.ok(errorOf(view.LoadURL, view):find("string expected"))
  T.ok(errorOf(view.RunJavaScript, view, {}):find("string expected"))
  T.ok(errorOf(view.SetZoomFactor, view, "big"):find("number expected"))
end)

T.test("other values as self: Bad user data, or the conversion error for another node", function()
  local view = zelcontrols.NewWebView()
  T.ok(errorOf(view.HasDocument, 42):find("Bad user data"))
  T.ok(errorOf(view.RunJavaScript, {}, "1"):find("Bad user data"))
  local sub = zelcontrols.NewSubView()
  T.ok(errorOf(view.HasDocument, sub):find("Invalid type conversion."))
  T.ok(errorOf(view.NotifyOnJavaScriptTunnel, sub, function() end):find("Invalid type conversion."))
end)

T.test("a released web view counts as none: false or no values, nothing filed", function()
  local view = newView()
  load(view, PLAIN)
  view:Release()
  local fn = function() end
  T.cases("method", {
    { name = "Init", call = function() return view:Init() end, values = {} },
    { name = "LoadURL", call = function() return view:LoadURL(PLAIN) end, values = {} },
    { name = "RunJavaScript", call = function() return view:RunJavaScript("1") end, values = {} },
    { name = "HasDocument", call = function() return view:HasDocument() end, values = { false } },
    { name = "NotifyWhenResourceLoaded", call = function() return view:NotifyWhenResourceLoaded(fn) end, values = { false } },
    { name = "NotifyWhenAddressChange", call = function() return view:NotifyWhenAddressChange(fn) end, values = { false } },
    { name = "NotifyOnBeforeBrowse", call = function() return view:NotifyOnBeforeBrowse(fn) end, values = { false } },
    { name = "NotifyWhenFrameLocationChanged", call = function() return view:NotifyWhenFrameLocationChanged(fn) end, values = { false } },
    { name = "NotifyOnJavaScriptTunnel", call = function() return view:NotifyOnJavaScriptTunnel(fn) end, values = { false } },
    { name = "GetZoomFactor", call = function() return view:GetZoomFactor() end, values = {} },
    { name = "SetZoomFactor", call = function() return view:SetZoomFactor(150) end, values = {} },
    { name = "ZoomIn", call = function() return view:ZoomIn() end, values = {} },
    { name = "GetCurrentURL", call = function() return view:GetCurrentURL() end, values = {} },
    { name = "ShowWebInspector", call = function() return view:ShowWebInspector() end, values = {} },
    { name = "SetFocus", call = function() return view:SetFocus(true) end, values = { false } },
    { name = "SetIsFocusAllowed", call = function() return view:SetIsFocusAllowed(true) end, values = { false } },
    { name = "IsFocusAllowed", call = function() return view:IsFocusAllowed() end, values = { false } },
    { name = "HasFocus", call = function() return view:HasFocus() end, values = { false } },
    { name = "Copy", call = function() return view:Copy() end, values = {} },
  }, function(case)
    local got = { n = 0 }
    local function keep(...) got = { n = select("#", ...), ... } end
    keep(case.call())
    T.eq(got.n, #case.values, "number of values")
    for i, v in ipairs(case.values) do T.eq(got[i], v) end
  end)
  T.eq(count(view.getTime()), 1, "getTime needs no web view")
end)

T.test("zoom, focus, the inspector and the edit commands reach the page", function()
  local view = newView()
  view:SetZoomFactor(150)
  T.ok(math.abs(view:GetZoomFactor() - 150) < 0.01, "150 % back: " .. view:GetZoomFactor())
  view:ZoomIn()
  T.ok(math.abs(view:GetZoomFactor() - 180) < 0.01, "ZoomIn steps by 1.2")
  view:ZoomOut()
  view:ZoomOut()
  T.ok(math.abs(view:GetZoomFactor() - 125) < 0.01, "ZoomOut steps back")
  view:SetZoomFactor(1000)
  T.ok(math.abs(view:GetZoomFactor() - 300) < 0.01, "at most 300 %")
  T.eq(view:SetFocus(true), true)
  T.eq(view:SetIsFocusAllowed(false), true)
  T.eq(view:IsFocusAllowed(), false)
  T.eq(view:SetFocus(true), false, "no focus while it is not allowed")
  T.eq(view:SetFocus(false), true)
  view:ShowWebInspector()
  for _, command in ipairs { "Cut", "Copy", "Paste", "Delete", "SelectAll", "Undo", "Redo" } do
    T.eq(count(view[command](view)), 0, command)
  end
  local record = glimmet_test.browserRecord(view)
  T.eq(table.concat(record.editCommands, ","), "Cut,Copy,Paste,Delete,SelectAll,Undo,Redo")
  T.eq(#record.focusCalls, 2)
  T.eq(record.devToolsOpens, 1)
  T.eq(#record.zoomLevels, 5)
end)

T.test("getTime gives milliseconds of a clock that goes on", function()
  local view = zelcontrols.NewWebView()
  local first = view:getTime()
  T.eq(type(first), "number")
  local later = view.getTime()
  T.ok(later >= first, "the clock does not go back")
end)

T.test("a collected web view hears nothing more", function()
  local heard = 0
  local view = newView()
  local id = glimmet_test.watch(view)
  view:NotifyWhenResourceLoaded(function() heard = heard + 1 end)
  view:LoadURL(PLAIN)
  view = nil
  collect()
  T.eq(glimmet_test.alive(id), false)
  glimmet_test.runEngine()
  T.eq(heard, 0)
end)

T.finish()

-- Callbacks on the application's activation and deactivation: which callbacks run for which
-- messages, also when callbacks add, remove or reopen while a message is being delivered.
local T = require "testlib"

local A, D = "appActivated", "appDeactivated"
local ACTIVATED, DEACTIVATED = 0, 1

-- Each opening of the module starts a new listener with no callbacks.
local function reopen()
  package.loaded["zellua.arx.app"] = nil
  return require "zellua.arx.app"
end

-- An action that runs only the first time.
local function once(action)
  local done = false
  return function(ctx)
    if not done then
      done = true
      action(ctx)
    end
  end
end

-- A case registers callbacks { name, event, action } in order, fires the statuses and expects the
-- names of the callbacks called, in order. An action runs inside its callback, after the call is
-- recorded; ctx.add and ctx.remove register and remove callbacks by name.
local function run(case)
  reopen()
  local calls, refs = {}, {}
  local ctx = { refs = refs }
  function ctx.add(name, event, action)
    local ref = App.AddAppActivationCallback(event, function()
      calls[#calls + 1] = name
      if action then action(ctx) end
    end)
    refs[name] = ref
    return ref
  end
  function ctx.remove(name, event)
    App.RemoveAppActivationCallback(event or A, refs[name])
  end
  for _, r in ipairs(case.register) do ctx.add(r[1], r[2], r[3]) end
  if case.before then case.before(ctx) end
  for _, status in ipairs(case.fire) do
    T.eq(glimmet_test.sendAppActivation(status), 0, "stack change during delivery")
  end
  T.eq(table.concat(calls, " "), table.concat(case.calls, " "), "calls")
end

T.cases("activation callbacks", {
  { name = "activation runs the activation callbacks in registration order",
    register = { { "a", A }, { "b", A }, { "c", D } }, fire = { ACTIVATED }, calls = { "a", "b" } },
  { name = "status 1 is deactivation",
    register = { { "a", A }, { "c", D } }, fire = { DEACTIVATED }, calls = { "c" } },
  { name = "any other status is activation",
    register = { { "a", A }, { "c", D } }, fire = { 2, -1 }, calls = { "a", "a" } },
  { name = "no callbacks for the event",
    register = { { "c", D } }, fire = { ACTIVATED }, calls = {} },
  { name = "the same function twice runs twice",
    register = { { "a", A }, { "a", A } }, fire = { ACTIVATED }, calls = { "a", "a" } },
  { name = "removing one of two registrations leaves one call",
    register = { { "a", A }, { "a", A } }, before = function(ctx) ctx.remove("a") end,
    fire = { ACTIVATED }, calls = { "a" } },
  { name = "a name that differs in case registers nothing",
    register = { { "x", "AppActivated" }, { "y", "appactivated" }, { "b", A } },
    fire = { ACTIVATED }, calls = { "b" } },
  { name = "an error in a callback does not stop the next",
    register = { { "a", A, function() error("boom") end }, { "b", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "b", "a", "b" } },
  { name = "a callback removes a later one: skipped in this delivery already",
    register = { { "a", A, once(function(ctx) ctx.remove("b") end) }, { "b", A }, { "c", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "c", "a", "c" } },
  { name = "a callback removes itself",
    register = { { "a", A, once(function(ctx) ctx.remove("a") end) }, { "b", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "b", "b" } },
  { name = "a callback adds one: it runs from the next message on",
    register = { { "a", A, once(function(ctx) ctx.add("c", A) end) }, { "b", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "b", "a", "b", "c" } },
  { name = "a removed registration's reference handed out again is not run twice",
    register = { { "a", A, once(function(ctx)
      ctx.remove("b")
      ctx.add("c", A)
    end) }, { "b", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "a", "c" } },
  { name = "a callback fires another message",
    register = { { "a", A, once(function() glimmet_test.sendAppActivation(DEACTIVATED) end) }, { "b", A }, { "d", D } },
    fire = { ACTIVATED }, calls = { "a", "d", "b" } },
  { name = "a callback reopens the module: the old callbacks are gone, the new listener hears the next message",
    register = { { "a", A, once(function(ctx)
      reopen()
      ctx.add("n", A)
    end) }, { "b", A } },
    fire = { ACTIVATED, ACTIVATED }, calls = { "a", "n" } },
  { name = "removal under the other event releases nothing",
    register = { { "a", A } },
    before = function(ctx)
      App.RemoveAppActivationCallback(D, ctx.refs.a)
      ctx.add("b", D)
    end,
    fire = { ACTIVATED, DEACTIVATED }, calls = { "a", "b" } },
  { name = "a second removal of the same reference releases nothing",
    register = { { "a", A } },
    before = function(ctx)
      ctx.remove("a")
      ctx.remove("a")
      ctx.add("b", A)
      ctx.add("c", A)
      T.ok(ctx.refs.b ~= ctx.refs.c, "distinct references")
    end,
    fire = { ACTIVATED }, calls = { "b", "c" } },
  { name = "removing an unknown reference changes nothing",
    register = { { "a", A } },
    before = function() App.RemoveAppActivationCallback(A, 123456) App.RemoveAppActivationCallback("other", 1) end,
    fire = { ACTIVATED }, calls = { "a" } },
  { name = "reopening drops the earlier callbacks",
    register = { { "a", A } }, before = function() reopen() end, fire = { ACTIVATED }, calls = {} },
}, run)

T.test("a module opened inside a coroutine calls back on the main thread after the coroutine is gone", function()
  local co = coroutine.create(reopen)
  assert(coroutine.resume(co))
  co = nil
  collectgarbage("collect")
  collectgarbage("collect")
  local called = 0
  glimmet_test.resetAssertions()
  App.AddAppActivationCallback(A, function() called = called + 1 end)
  T.eq(#glimmet_test.assertions(), 0, "registered from the listener's own state")
  T.eq(glimmet_test.sendAppActivation(ACTIVATED), 0, "stack change during delivery")
  T.eq(called, 1)
end)

T.test("the library's event names and results", function()
  local app = reopen()
  T.eq(app, App, "require gives the global table")
  T.eq(App.appActivated, "appActivated")
  T.eq(App.appDeactivated, "appDeactivated")
  T.eq(App.AddAppActivationCallback("AppActivated", function() end), 0, "unknown name")
  local ref = App.AddAppActivationCallback(A, function() end)
  T.eq(type(ref), "number")
  T.ok(ref > 0, "a registry reference")
  T.eq(select("#", App.RemoveAppActivationCallback(A, ref)), 0, "no values")
end)

T.cases("argument errors", {
  { name = "name missing", f = "AddAppActivationCallback", n = 0, err = "bad argument #1" },
  { name = "function missing", f = "AddAppActivationCallback", n = 1, A, err = "bad argument #2" },
  { name = "not a function", f = "AddAppActivationCallback", n = 2, A, "f", err = "bad argument #2" },
  { name = "reference not a number", f = "RemoveAppActivationCallback", n = 2, A, {}, err = "bad argument #2" },
}, function(case)
  local ok, err = pcall(App[case.f], unpack(case, 1, case.n))
  T.eq(ok, false)
  T.ok(err:find(case.err, 1, true), err)
end)

T.finish()

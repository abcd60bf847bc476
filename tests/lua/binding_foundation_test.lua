-- The binding library's entry: its root table, the embedded-code searcher and its small modules.
local T = require "testlib"

local function writeResource(name, text)
  local f = assert(io.open(PROJECT_ROOT .. name, "wb"))
  f:write(text)
  f:close()
end

T.test("the root table and the searcher are in place at start-up", function()
  T.eq(type(zellua), "table")
  T.eq(type(zelLogging), "table")
  T.eq(package.loaders[#package.loaders], package.loaded["zellua.EmbeddedCodeLoader"], "searcher tried last")
end)

T.test("require of a dotted module loads the resource with underscores", function()
  writeResource("a_b_c.lua", "local name = ... ; return { name = name, chunk = debug.getinfo(1, 'S').source }")
  local m = require "a.b.c"
  T.eq(m.name, "a.b.c", "module name passed to the chunk")
  T.eq(m.chunk, "a.b.c", "chunk name")
end)

T.test("a missing resource adds nothing to require's message", function()
  local ok, err = pcall(require, "no.such.module")
  T.eq(ok, false)
  T.ok(err:find("module 'no.such.module' not found", 1, true), err)
  T.ok(not err:find("embedded", 1, true), "searcher says nothing: " .. err)
end)

T.test("a resource that does not compile raises its load error", function()
  writeResource("broken_mod.lua", "return {")
  local ok, err = pcall(require, "broken.mod")
  T.eq(ok, false)
  T.ok(err:find("error loading module 'broken.mod' from embedded resource 'broken_mod'", 1, true), err)
  T.ok(err:find('[string "broken.mod"]:1:', 1, true), "compiler message with the chunk name: " .. err)
end)

T.test("require 'zellua.zelLogging' finds the exported opener through package.cpath", function()
  package.loaded["zellua.zelLogging"] = nil
  local logging = require "zellua.zelLogging"
  T.eq(logging, zelLogging)
  T.eq(type(logging.doLogMessage), "function")
end)

T.test("require 'zellua' gives the root table again", function()
  T.eq(type(require "zellua"), "table")
end)

T.cases("doLogMessage", {
  { name = "string", args = { "hello" }, ok = true },
  { name = "last argument is the message", args = { 1, "hello" }, ok = true },
  { name = "no argument", args = {}, ok = false, err = "bad argument #1 to '?' (string expected, got no value)" },
  { name = "table last", args = { "x", {} }, ok = false, err = "bad argument #2 to '?' (string expected, got table)" },
}, function(case)
  local ok, err = pcall(zelLogging.doLogMessage, unpack(case.args))
  T.eq(ok, case.ok, "ok")
  if case.err then T.ok(err:find(case.err, 1, true), err) end
  if ok then T.eq(select("#", zelLogging.doLogMessage(unpack(case.args))), 0, "no values") end
end)

T.test("debugSupport without a capture hook accepts anything", function()
  local debugSupport = require "zellua.debugSupport"
  T.eq(debugSupport.coverageSupport, nil)
  debugSupport.captureCode()
  debugSupport.captureCode({}, 3)
end)

T.finish()

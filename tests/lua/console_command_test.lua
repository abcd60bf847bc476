-- The console command "execLua" runs text in this very state and shows errors in the panel.
local T = require "testlib"

T.cases("execLua", {
  { name = "assigns a global, shows nothing", text = "consoleGlobal = 42", panel = "", check = function()
      T.eq(consoleGlobal, 42) end },
  { name = "run error names the chunk and line", text = "\n error('boom')",
    panel = '[string "ZELConsole"]:2: boom\n' },
  { name = "syntax error", text = "this is not lua", panel = "ERROR: Lua Syntax Error\n" },
  { name = "error value without text", text = "error({})", panel = "ERROR: Lua error object is a table value\n" },
  { name = "number and boolean results go to the output", text = "return 1.5, true, 'skipped', false",
    panel = "", output = "1.5\ntrue\nfalse\n" },
}, function(case)
  local panel, output = glimmet_test.console("execLua", case.text)
  T.eq(panel, case.panel, "panel")
  if case.output then T.eq(output, case.output, "output") end
  if case.check then case.check() end
end)

T.test("repeated commands leave the state usable", function()
  for i = 1, 50 do glimmet_test.console("execLua", "return " .. i) end
  glimmet_test.console("execLua", "error('x')")
  local panel = glimmet_test.console("execLua", "consoleAfter = 'ok'")
  T.eq(panel, "")
  T.eq(consoleAfter, "ok")
end)

T.finish()

-- A small test library for scripts run as the host's boot script.
local T = { passed = 0, failed = 0 }

local function describe(v)
  if type(v) == "string" then return string.format("%q", v) end
  return tostring(v)
end

function T.test(name, fn)
  local ok, err = pcall(fn)
  if ok then
    T.passed = T.passed + 1
  else
    T.failed = T.failed + 1
    print("FAIL " .. name .. ": " .. tostring(err))
  end
end

function T.eq(actual, expected, what)
  if actual ~= expected then
    error((what or "value") .. ": expected " .. describe(expected) .. ", got " .. describe(actual), 2)
  end
end

function T.ok(value, what)
  if not value then error((what or "condition") .. " does not hold", 2) end
end

-- Runs the table's cases { name = ..., ... } through fn(case).
function T.cases(name, cases, fn)
  for i, case in ipairs(cases) do
    T.test(name .. " [" .. (case.name or i) .. "]", function() fn(case) end)
  end
end

-- Reports the results and ends the event loop.
function T.finish()
  glimmet_test.report(T.passed, T.failed)
  glimmet_test.endEventLoop()
end

-- Runs fn after the given number of idle turns of the event loop, then finishes.
function T.finishAfterIdle(turns, fn)
  local seen = 0
  local previous = fennick_DoIdleLoop
  fennick_DoIdleLoop = function()
    if previous then previous() end
    seen = seen + 1
    if seen == turns then
      T.test("after " .. turns .. " idle turns", function() fn(seen) end)
      T.finish()
    end
  end
end

-- The error text of a call that must raise (a failed check when it does not).
function T.errorOf(fn, ...)
  local ok, err = pcall(fn, ...)
  T.ok(not ok, "the call raises")
  return tostring(err)
end

-- A full collection twice, so that finalisers run and what they release goes too.
function T.collect()
  collectgarbage("collect")
  collectgarbage("collect")
end

return T

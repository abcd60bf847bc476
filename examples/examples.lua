-- Support for the example scripts: waits for asynchronous results on the idle turns of the event
-- loop, then ends the event loop so that the whole shutdown runs.
local examples = {}

local waits = {}
local MAX_IDLE_TURNS = 500

-- Calls done() on each idle turn until it returns true (or the turns run out).
function examples.waitFor(name, done)
  waits[#waits + 1] = { name = name, done = done }
end

local function pending()
  local left = {}
  for _, wait in ipairs(waits) do
    if not wait.done() then left[#left + 1] = wait end
  end
  waits = left
  return #waits > 0
end

local function endEventLoop()
  App.GetApp():EndEventLoop()
end

-- Installs the idle and shutdown hooks: the event loop ends once nothing is pending.
function examples.finishWhenDone()
  local idleTurns = 0
  function fennick_DoIdleLoop()
    idleTurns = idleTurns + 1
    if not pending() then
      endEventLoop()
    elseif idleTurns >= MAX_IDLE_TURNS then
      for _, wait in ipairs(waits) do print("  gave up waiting for " .. wait.name) end
      waits = {}
      endEventLoop()
    end
  end
  function fennick_OnShutdown()
    print("Glimmet shuts down after " .. idleTurns .. " idle turns")
  end
end

return examples

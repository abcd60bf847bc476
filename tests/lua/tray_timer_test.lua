-- The running program's event loop turns the run loop on the real clock: with a tab open, a click
-- on the status item brings the application to the front and the tray menu pops up once the
-- short timer has really run out, while the loop idles.
local T = require "testlib"

local TIMER = 0.005
local clickedAt, poppedAt
local turnsWaited = 0

T.test("a tab is open and the status item takes a click", function()
  T.ok(glimmet_test.toggleTab("Vt/AboutTab"), "About tab shown")
  clickedAt = glimmet_test.runLoopNow()
  T.ok(glimmet_test.clickStatusItem(), "clicked")
  T.eq(glimmet_test.poppedUpMenuCount(), 0, "menus popped up at once")
end)

local MAX_TURNS = 2000
function fennick_DoIdleLoop()
  turnsWaited = turnsWaited + 1
  if glimmet_test.poppedUpMenuCount() > 0 then
    poppedAt = glimmet_test.runLoopNow()
  elseif turnsWaited < MAX_TURNS then
    return
  end
  T.test("the menu pops up after the timer, on the real clock", function()
    T.ok(poppedAt ~= nil, "popped up within " .. MAX_TURNS .. " turns")
    T.eq(glimmet_test.poppedUpMenuCount(), 1, "menus popped up")
    T.ok(poppedAt - clickedAt >= TIMER, "the clock moved on by the timer's interval: " .. (poppedAt - clickedAt))
  end)
  T.finish()
end

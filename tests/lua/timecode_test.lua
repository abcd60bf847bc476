-- The timecode control from Lua: its text form decided by two script functions, typed text
-- turned into values (failures change nothing), the inline edit and its removal a second after
-- the edit ends, and the wheel over the edit.
local T = require "testlib"
local zc = require "zellua.zelcontrols"
local t = glimmet_test

-- A control showing whole seconds as "m:ss" and reading the text back through `read`.
local function timecode(read)
  local control = zc.NewHotTextTimecode()
  control:SetValueToStringFunction(function(v) return string.format("%d:%02d", math.floor(v / 60), v % 60) end)
  control:SetStringToValueFunction(read)
  return control
end

-- The values, compared one by one.
local function same(actual, expected, what)
  for i = 1, math.max(#actual, #expected) do T.eq(actual[i], expected[i], (what or "values") .. " [" .. i .. "]") end
end

local function typed(control, text, ending)
  t.timecodeBegin(control, "???")
  t.timecodeType(control, text, ending or "return")
end

T.test("a new control shows 0 within 0 .. 86,340,000 and its methods read back", function()
  local control = zc.NewHotTextTimecode()
  T.eq(control:GetNumericValue(), 0)
  T.eq(control:IsEditingInPlace(), false)
  control:SetIncrement(0.5)
  T.eq(control:GetIncrement(), 0.5, "the hot-text number's methods")
  control:SetNumericValue(125)
  T.eq(control:GetNumericValue(), 125)
  control:SetValueToStringFunction(function(v) return "at " .. v end)
  T.eq(t.timecodeText(control), "at 125")
  control:SetValueToStringFunction(function(v) return v * 2 end)
  T.eq(t.timecodeText(control), "250", "a number is text")
end)

T.cases("the value-to-text function's failures show the empty string", {
  { fn = function() return nil end },
  { fn = function() return {} end },
  { fn = function() error("broken") end },
}, function(case)
  local control = zc.NewHotTextTimecode()
  control:SetNumericValue(5)
  control:SetValueToStringFunction(case.fn)
  T.eq(t.timecodeText(control), "")
end)

-- Each case: what the text-to-value function gives for the typed text; the value after the edit,
-- from 30.
T.cases("typed text becomes the value the function gives, held within the range", {
  { name = "a number", result = function(text) return tonumber(text) end, want = 90 },
  { name = "nil", result = function() return nil end, want = 30 },
  { name = "a numeric string", result = function() return "90" end, want = 30 },
  { name = "an error", result = function() error("bad text") end, want = 30 },
  { name = "-1 within the range", result = function() return -1 end, min = -10, want = 30 },
  { name = "NaN", result = function() return 0 / 0 end, want = 30 },
  { name = "above the maximum", result = function() return 1e12 end, want = 86340000 },
  { name = "below the minimum", result = function() return 2 end, min = 10, want = 10 },
}, function(case)
  local seen
  local control = timecode(function(text) seen = text; return case.result(text) end)
  if case.min then control:SetMinMax(case.min, 86340000) end
  control:SetNumericValue(30)
  typed(control, "90")
  T.eq(seen, "90", case.name .. ": the typed text")
  T.eq(control:GetNumericValue(), case.want, case.name)
end)

T.test("escape changes nothing; the edit is hidden and goes one second after the end", function()
  local control = timecode(function() return 7 end)
  control:SetNumericValue(61)
  t.timecodeBegin(control, "???")
  local text, shown, from, to = t.timecodeEdit(control)
  same({ text, shown, from, to }, { "1:01", true, 0, 4 }, "??? selects the value's whole text")
  T.eq(control:IsEditingInPlace(), true)
  t.timecodeType(control, "0:07", "escape")
  T.eq(control:GetNumericValue(), 61)
  local _, shownAfter = t.timecodeEdit(control)
  T.eq(shownAfter, false, "hidden, still a child")
  T.eq(control:IsEditingInPlace(), false)
  t.advanceClock(0.5)
  T.ok(t.timecodeEdit(control) ~= nil, "still there after half a second")
  t.advanceClock(0.6)
  T.eq(t.timecodeEdit(control), nil, "gone after a second")
end)

T.test("another initial text goes in with the caret after it; a new edit replaces the old at once", function()
  local control = timecode(function(text) return tonumber(text) end)
  t.timecodeBegin(control, "12")
  local text, _, from, to = t.timecodeEdit(control)
  same({ text, from, to }, { "12", 2, 2 })
  t.timecodeType(control, "42", "return")
  T.eq(control:GetNumericValue(), 42)
  T.eq(t.timecodeText(control), "0:42")
  t.timecodeBegin(control, "???")
  T.eq(t.timecodeEdit(control), "0:42")
  t.advanceClock(1.5)
  T.ok(t.timecodeEdit(control) ~= nil, "the old timer went with the old edit")
end)

T.test("a Lua timer on the control fires beside the edit's own", function()
  local control = timecode(function(text) return tonumber(text) end)
  local fired = 0
  control:UI_InstallTimer(0.25, function() fired = fired + 1 end)
  typed(control, "8")
  t.advanceClock(0.3)
  T.ok(fired >= 1, "the script's timer fired")
  T.ok(t.timecodeEdit(control) ~= nil, "the edit stays until its own second is up")
end)

T.test("the wheel over the edit selects all its text and changes no value", function()
  local control = timecode(function(text) return tonumber(text) end)
  control:SetNumericValue(3)
  t.timecodeBegin(control, "???")
  t.timecodeEditSelect(control, 1, 1)
  T.eq(t.timecodeWheel(control, 0), false, "no turn")
  T.eq(t.timecodeWheel(control, 3), true)
  local text, _, from, to = t.timecodeEdit(control)
  same({ text, from, to }, { "0:03", 0, 4 })
  T.eq(control:GetNumericValue(), 3)
end)

T.test("a released wrapper does nothing; other wrappers and arguments are refused", function()
  local control = zc.NewHotTextTimecode()
  T.ok(not pcall(control.SetValueToStringFunction, control, "no function"))
  T.ok(not pcall(control.SetMinMax, control, 1))
  T.ok(not pcall(control.GetNumericValue, zc.NewKnob()))
  control:Release()
  T.eq(select("#", control:GetNumericValue()), 0)
  T.eq(select("#", control:SetValueToStringFunction(print)), 0)
end)

T.finish()

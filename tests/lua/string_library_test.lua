-- "zelString" in the booted host: every reserved name, the byte functions' positions and errors,
-- regular expressions, case mapping and UTF-16 conversion.
local T = require "testlib"

local function pack(...) return { n = select("#", ...), ... } end

T.test("registered at start-up, and require gives the same table", function()
  T.eq(type(zelString), "table")
  T.eq(require "zellua.zelString", zelString)
  local names = 0
  for _, f in pairs(zelString) do
    names = names + 1
    T.eq(type(f), "function")
  end
  T.eq(names, 38, "reserved names")
  package.loaded.zellua = nil
  T.eq(require "zellua", zelString, "require 'zellua' yields the string library")
  T.eq(type(zellua), "table")
end)

T.test("the 24 names without an operation give no values whatever they get", function()
  local placeholders = {
    "GetChar", "GetCharBytePos", "GetCharPosB", "GetLength", "IsStringAscii", "IsAscii", "IsAsciiB",
    "IsSpace", "IsAlpha", "IsPunct", "IsPunctB", "IsNumber", "IsNumberB", "IsControl", "IsControlB",
    "IsUpper", "IsUpperB", "IsLower", "IsLowerB", "Substring", "TrimLeft", "TrimRight", "Match", "Replace",
  }
  T.eq(#placeholders, 24)
  for _, name in ipairs(placeholders) do
    T.eq(select("#", zelString[name]()), 0, name .. "()")
    T.eq(select("#", zelString[name]("abc", 1, {}, nil, true)), 0, name .. " with arguments")
  end
end)

local aPlus = "A\0"
local deseretCapital = "\240\144\144\128"  -- U+10400, a surrogate pair in UTF-16
local deseretSmall = "\240\144\144\168"    -- U+10428
local longA = string.rep("a", 30)

-- { function, arguments..., n = argument count, then out = { results } (count = how many when
-- they end in nil), sign = of the one integer result, err = the exact error or errPart = a part }
T.cases("results and errors", {
  { "GetCharB", "abc", 1, n = 2, out = { "a" } },
  { "GetCharB", "abc", -1, n = 2, out = { "c" } },
  { "GetCharB", "abc", 4, n = 2, err = "GetCharB: Invalid stack position" },
  { "GetCharB", "abc", 0, n = 2, err = "GetCharB: Invalid stack position" },
  { "GetCharB", "abc", -4, n = 2, err = "GetCharB: Invalid stack position" },
  { "GetCharB", "abc", n = 1, errPart = "number expected, got no value" },
  { "GetCharB", "", 1, n = 2, err = "GetCharB: Invalid stack position" },
  { "IsSpaceB", " x", n = 1, out = { true } },
  { "IsSpaceB", " x", 2, n = 2, out = { false } },
  { "IsSpaceB", "x\t", -1, n = 2, out = { true } },
  { "IsSpaceB", "", n = 1, out = { false } },
  { "IsSpaceB", "\160", n = 1, out = { false } },
  { "IsSpaceB", "\133", n = 1, out = { false } },
  { "IsSpaceB", "x", nil, n = 2, out = { false } },
  { "IsSpaceB", "x", "1", n = 2, errPart = "number expected, got string" },
  { "IsAlphaB", "a1", n = 1, out = { true } },
  { "IsAlphaB", "a1", 2, n = 2, out = { false } },
  { "IsAlphaB", "\233", n = 1, out = { false } },
  { "IsAlphaB", "\255", n = 1, out = { false } },
  { "IsAlphaB", "ab", 3, n = 2, err = "IsAlphaB: Invalid stack position" },
  { "Localize", "", n = 1, out = {} },
  { "Localize", "$$$/zelString/Test/Absent=The default text", n = 1, out = { "The default text" } },
  { "ReplaceInString", "^1", n = 1, out = {} },
  { "ReplaceInString", "", "x", n = 2, out = {} },
  { "ReplaceInString", "a ^1 b", "", n = 2, out = {} },
  { "ReplaceInString", "^1-^2-^3", "x", "", "z", n = 4, out = { "x--z" } },
  { "ReplaceInString", "^1 and ^2", "x", 5, n = 3, out = { "x and 5" } },
  { "ReplaceInString", "^1^2^3", "a", nil, "c", n = 4, out = { "a^2^3" } },
  { "ReplaceInString", "^2^1 ^ ^0", "\195\169", "b", n = 3, out = { "b\195\169 ^ ^0" } },
  { "ReplaceInString", "^1", "x", {}, n = 3, errPart = "bad argument #3" },
  { "ReplaceInString", {}, "x", n = 2, errPart = "bad argument #1" },
  { "ReplaceInString", "^1", true, n = 2, errPart = "bad argument #2" },
  { "SubstringB", "hello", 2, 3, n = 3, out = { "ell" } },
  { "SubstringB", "hello", 2, n = 2, out = { "ello" } },
  { "SubstringB", "hello", 10, n = 2, out = { "o" } },
  { "SubstringB", "hello", 2, 0, n = 3, out = { "ello" } },
  { "SubstringB", "hello", 4, 10, n = 3, out = { "lo" } },
  { "SubstringB", "hello", -1, n = 2, out = { "o" } },
  { "SubstringB", "hello", -2, 1, n = 3, out = { "l" } },
  { "SubstringB", "hello", -10, 2, n = 3, out = { "he" } },
  { "SubstringB", "", 1, n = 2, out = { "" } },
  { "SubstringB", "a\0b", 2, n = 2, out = { "\0b" } },
  { "SubstringB", "hello", 0, n = 2, err = "SubstringB: Bad character count, must be >= 0" },
  { "SubstringB", "hello", 1, -1, n = 3, err = "SubstringB: Bad character count, must be >= 0" },
  { "SubstringB", "hello", "2", n = 2, errPart = "number expected, got string" },
  { "Trim", "  a b \t", n = 1, out = { "a b" } },
  { "Trim", "   ", n = 1, out = { "" } },
  { "Trim", "\n x\0 y ", n = 1, out = { "x" } },
  { "MatchB", "abc", "b", n = 2, out = { 2, 3 } },
  { "MatchB", "abc", "^c", 3, n = 3, out = { 3, 4 } },
  { "MatchB", "abc", "\\Ab", 2, n = 3, out = { 2, 3 } },
  { "MatchB", "abc", "x", n = 2, out = {}, count = 1 },
  { "MatchB", "abcabc", "b+c", -3, n = 3, out = { 5, 7 } },
  { "MatchB", "abc", "a", 4, n = 3, err = "MatchB: Invalid stack position" },
  { "MatchB", "abc", "(", n = 2, errPart = "MatchB: " },
  { "MatchB", longA, "(a*)*b", n = 2, errPart = "MatchB: The complexity of matching" },
  { "ReplaceB", "a-b-c", "-", "+", n = 3, out = { "a+b+c" } },
  { "ReplaceB", "a-b-c", "-", "+", 1, false, n = 5, out = { "a+b-c" } },
  { "ReplaceB", "a-b-c", "-", "+", 3, n = 4, out = { "a-b+c" } },
  { "ReplaceB", "a-b-c", "-", "+", nil, nil, n = 5, out = { "a+b+c" } },
  { "ReplaceB", "ab", "(a)(b)", "$2$1", n = 3, out = { "ba" } },
  { "ReplaceB", "a-b", "-", "\0", n = 3, out = { "a" } },
  { "ReplaceB", "a-b", "-", "+", 1, 0, n = 5, errPart = "boolean expected, got number" },
  { "ReplaceB", "a-b", "[", "+", n = 3, errPart = "ReplaceB: " },
  { "ReplaceB", longA, "(a|aa)*b", "", n = 3, errPart = "ReplaceB: The complexity of matching" },
  { "ReplaceB", "a-b", "-", "+", 5, n = 4, err = "ReplaceB: Invalid stack position" },
  { "Compare", "a", "b", n = 2, sign = -1 },
  { "Compare", "b", "a", n = 2, sign = 1 },
  { "Compare", "ab", "ab", n = 2, sign = 0 },
  { "Compare", "a", "ab", n = 2, sign = -1 },
  { "Compare", "a\0x", "a\0y", n = 2, sign = 0 },
  { "Compare", "\200", "a", n = 2, sign = 1 },
  { "ToUpper", "abc \195\169\195\159", n = 1, out = { "ABC \195\137\195\159" } },
  { "ToLower", "ABC \195\137", n = 1, out = { "abc \195\169" } },
  { "ToLower", deseretCapital, n = 1, out = { deseretSmall } },
  { "ToUpper", deseretSmall .. "x\0y", n = 1, out = { deseretCapital .. "X" } },
  { "UTF8to16", "A", n = 1, out = { aPlus } },
  { "UTF8to16", "", n = 1, out = { "" } },
  { "UTF8to16", deseretCapital, n = 1, out = { "\1\216\0\220" } },
  { "UTF8to16", "A\0B", n = 1, out = { aPlus } },
  { "UTF16to8", aPlus, n = 1, out = { "A" } },
  { "UTF16to8", "A\0B", n = 1, out = { "A" } },
  { "UTF16to8", "A\0\0\0B\0", n = 1, out = { "A" } },
  { "UTF16to8", "\1\216\0\220", n = 1, out = { deseretCapital } },
  { "UTF16to8", "\233\0", n = 1, out = { "\195\169" } },
}, function(case)
  local f = zelString[case[1]]
  local results = pack(pcall(f, unpack(case, 2, case.n + 1)))
  if case.err or case.errPart then
    T.eq(results[1], false, "raised")
    if case.err then T.eq(results[2], case.err, "error") end
    if case.errPart then T.ok(tostring(results[2]):find(case.errPart, 1, true), tostring(results[2])) end
    return
  end
  T.eq(results[1], true, tostring(results[2]))
  if case.sign then
    T.eq(results.n, 2, "one result")
    local sign = results[2] < 0 and -1 or results[2] > 0 and 1 or 0
    T.eq(sign, case.sign, "sign")
    return
  end
  T.eq(results.n - 1, case.count or #case.out, "result count")
  for i = 1, results.n - 1 do T.eq(results[i + 1], case.out[i], "result " .. i) end
end)

T.test("a UTF-16 round trip of text in every plane keeps it", function()
  local text = "a\195\169\226\130\172" .. deseretCapital .. "z"
  local wide = zelString.UTF8to16(text)
  T.eq(#wide, 12, "six code units")
  T.eq(zelString.UTF16to8(wide), text)
end)

T.finish()

-- Property lists from Lua: values, sub-lists and their lifetimes, use after collection.
local T = require "testlib"

local function count(...) return select("#", ...) end

local collect = T.collect

T.test("the module and its userdata", function()
  local lib = require "zellua.proplist"
  T.eq(lib, PropList, "require gives the global table")
  local list = PropList.NewPropList()
  local mt = debug.getregistry()["zellua.core.PropList"]
  T.eq(getmetatable(list), mt)
  T.eq(mt.__index, mt, "own __index")
  T.ok(tostring(list):match("^PropList%(0x%x+%)$"), tostring(list))
  T.ok(tostring(list) ~= tostring(PropList.NewPropList()), "each userdata its own address")
end)

T.test("strings and numbers", function()
  local list = PropList.NewPropList()
  list:SetStringValue("name", "value")
  T.eq(list:GetStringValue("name"), "value")
  list:SetStringValue("cut", "ab\0cd")
  T.eq(list:GetStringValue("cut"), "ab", "text ends at the first NUL byte")
  list:SetFloatValue("n", 0.1)
  local n = list:GetFloatValue("n")
  T.ok(n ~= 0.1, "stored as a 32-bit float")
  T.eq(string.format("%.17g", n), "0.10000000149011612", "single-precision 0.1")
  list:SetFloatValue("big", 1e300)
  T.eq(list:GetFloatValue("big"), math.huge, "out of float range")
  list:SetStringValue("n", "now text")
  T.eq(count(list:GetFloatValue("n")), 0, "overwritten by a string")
  T.eq(list:GetStringValue("n"), "now text")
end)

T.cases("an absent key or a value of another kind gives no value at all", {
  { name = "string of absent", method = "GetStringValue", key = "none" },
  { name = "float of absent", method = "GetFloatValue", key = "none" },
  { name = "sub-list of absent", method = "GetSubList", key = "none" },
  { name = "string of a number", method = "GetStringValue", key = "number" },
  { name = "float of a string", method = "GetFloatValue", key = "text" },
  { name = "sub-list of a string", method = "GetSubList", key = "text" },
  { name = "string of a sub-list", method = "GetStringValue", key = "sub" },
}, function(case)
  local list = PropList.NewPropList()
  list:SetFloatValue("number", 1)
  list:SetStringValue("text", "t")
  list:NewSubList("sub")
  T.eq(count(list[case.method](list, case.key)), 0, "results")
end)

T.test("names, removal and clearing", function()
  local list = PropList.NewPropList()
  T.eq(next(list:GetPropertyNames()), nil, "an empty list has no names")
  list:SetStringValue("b", "1")
  list:SetFloatValue("a", 2)
  list:NewSubList("c")
  list:SetStringValue("b", "again")
  T.eq(table.concat(list:GetPropertyNames(), ","), "b,a,c", "in the order first set")
  T.eq(list:RemoveValue("a"), true)
  T.eq(list:RemoveValue("a"), false, "already gone")
  T.eq(table.concat(list:GetPropertyNames(), ","), "b,c")
  T.eq(count(list:Clear()), 0)
  T.eq(#list:GetPropertyNames(), 0, "cleared")
end)

T.cases("argument errors", {
  { name = "self", f = function() PropList.NewPropList().GetStringValue({}, "k") end, err = "bad argument #1" },
  { name = "self of another type", f = function()
      local list = PropList.NewPropList()
      list.Clear(App.GetApp())
    end, err = "zellua.core.PropList expected" },
  -- Called as methods, the self argument is not counted.
  { name = "key", f = function() PropList.NewPropList():GetStringValue({}) end,
    err = "bad argument #1 to 'GetStringValue' (string expected, got table)" },
  { name = "string value", f = function() PropList.NewPropList():SetStringValue("k") end,
    err = "bad argument #2 to 'SetStringValue' (string expected, got no value)" },
  { name = "number value", f = function() PropList.NewPropList():SetFloatValue("k", "x") end,
    err = "bad argument #2 to 'SetFloatValue' (number expected, got string)" },
}, function(case)
  local ok, err = pcall(case.f)
  T.eq(ok, false)
  T.ok(err:find(case.err, 1, true), err)
end)

T.test("sub-lists share the parent's data", function()
  local list = PropList.NewPropList()
  local sub = list:NewSubList("s")
  sub:SetStringValue("x", "1")
  T.eq(list:GetSubList("s"):GetStringValue("x"), "1")
  list:GetSubList("s"):NewSubList("deeper"):SetFloatValue("y", 2)
  T.eq(sub:GetSubList("deeper"):GetFloatValue("y"), 2)
end)

T.test("a sub-list keeps its parent alive, and both go once it is dropped", function()
  collect()
  local baseline = glimmet_test.livePropListCount()
  local parent = PropList.NewPropList()
  parent:SetStringValue("p", "parent's")
  local sub = parent:NewSubList("s")
  local weak = setmetatable({ parent }, { __mode = "v" })
  parent = nil
  collect()
  T.ok(weak[1] ~= nil, "the parent is still referenced by its sub-list")
  T.eq(glimmet_test.livePropListCount(), baseline + 2)
  sub:SetStringValue("x", "1")
  T.eq(sub:GetStringValue("x"), "1")
  T.eq(weak[1]:GetSubList("s"):GetStringValue("x"), "1")
  sub = nil
  collect()
  T.eq(weak[1], nil, "the parent went with its sub-list")
  T.eq(glimmet_test.livePropListCount(), baseline, "no list left behind")
end)

T.cases("a sub-list removed from its parent reads as empty", {
  { name = "RemoveValue", change = function(list) list:RemoveValue("s") end },
  { name = "overwritten by a string", change = function(list) list:SetStringValue("s", "text") end },
  { name = "overwritten by a number", change = function(list) list:SetFloatValue("s", 1) end },
  { name = "replaced by a new sub-list", change = function(list) list:NewSubList("s") end },
  { name = "parent cleared", change = function(list) list:Clear() end },
}, function(case)
  local list = PropList.NewPropList()
  local sub = list:NewSubList("s")
  sub:SetStringValue("x", "1")
  local nested = sub:NewSubList("n")
  nested:SetFloatValue("y", 2)
  case.change(list)
  collect()
  T.eq(count(sub:GetStringValue("x")), 0, "its values are gone")
  T.eq(#sub:GetPropertyNames(), 0, "no names")
  T.eq(count(nested:GetFloatValue("y")), 0, "its own sub-lists are emptied too")
  sub:SetStringValue("z", "late")
  T.eq(sub:GetStringValue("z"), "late", "still a usable list")
  if case.name == "replaced by a new sub-list" then
    T.eq(count(list:GetSubList("s"):GetStringValue("z")), 0, "the new sub-list is another list")
  else
    T.eq(count(list:GetSubList("s")), 0, "the parent holds no sub-list")
  end
end)

T.test("a list collected while its sub-list lives leaves the sub-list usable", function()
  local sub
  do
    local owner = PropList.NewPropList()
    sub = owner:NewSubList("s")
  end
  -- __gc of the owner run by hand, as a finaliser of another object might.
  local owner = debug.getfenv(sub)[1]
  getmetatable(owner).__gc(owner)
  collect()
  sub:SetStringValue("x", "1")
  T.eq(count(sub:GetStringValue("x")), 1, "the sub-list lives on its own")
end)

T.cases("a list used after its __gc gives no values and reports the use", {
  { method = "GetStringValue", args = { "k" } },
  { method = "SetStringValue", args = { "k", "v" } },
  { method = "GetFloatValue", args = { "k" } },
  { method = "SetFloatValue", args = { "k", 1 } },
  { method = "GetSubList", args = { "s" } },
  { method = "NewSubList", args = { "s" } },
  { method = "RemoveValue", args = { "k" } },
  { method = "Clear", args = {} },
  { method = "GetPropertyNames", args = {} },
}, function(case)
  local list = PropList.NewPropList()
  list:SetStringValue("k", "v")
  list:NewSubList("s")
  local gc = getmetatable(list).__gc
  gc(list)
  gc(list) -- any number of times
  glimmet_test.resetAssertions()
  T.eq(count(list[case.method](list, unpack(case.args))), 0, case.method .. " results")
  local shown = glimmet_test.assertions()
  T.eq(#shown, 1, "one assertion")
  T.eq(shown[1], "Attempting to use a released PropList")
  T.ok(tostring(list):match("^PropList%("), "still prints")
end)

T.finish()

-- zellua.numeric: decomposition of 4x4 transforms of row vectors and their inversion.
local T = require "testlib"
require "geometry"

local numeric = zellua.numeric
local function count(...) return select("#", ...) end

local function near(actual, expected, what)
  T.eq(#actual, #expected, what .. " size")
  for i = 1, #expected do
    if math.abs(actual[i] - expected[i]) > 1e-12 then
      error(what .. "[" .. i .. "]: expected " .. expected[i] .. ", got " .. actual[i], 2)
    end
  end
end

local function rows(...)
  local n = { ... }
  return { { n[1], n[2], n[3], n[4] }, { n[5], n[6], n[7], n[8] }, { n[9], n[10], n[11], n[12] },
    { n[13], n[14], n[15], n[16] } }
end

local function flat(m)
  local numbers = {}
  for _, row in ipairs(m) do
    for _, n in ipairs(row) do numbers[#numbers + 1] = n end
  end
  return numbers
end

local function assertionsSince(fn)
  glimmet_test.resetAssertions()
  fn()
  return table.concat(glimmet_test.assertions(), "\n")
end

local c, s = math.cos(0.3), math.sin(0.3)

T.cases("unmatrix", {
  { name = "identity", m = rows(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1),
    t = { 0, 0, 0 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "translation", m = rows(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1),
    t = { 5, 6, 7 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "divided by element (3,3) first", m = rows(2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2),
    t = { 0, 0, 0 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "mirror", m = rows(-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1),
    t = { 0, 0, 0 }, r = { -math.pi, 0, 0 }, s = { -1, -1, -1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "rotation about z", m = rows(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1),
    t = { 0, 0, 0 }, r = { 0, 0, 0.3 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "scaled and translated", m = rows(2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 1, 2, 3, 1),
    t = { 1, 2, 3 }, r = { 0, 0, 0 }, s = { 2, 3, 4 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
  { name = "shear", m = rows(1, 0, 0, 0, 0.5, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1),
    t = { 0, 0, 0 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0.5, 0, 0 }, p = { 0, 0, 0, 1 } },
  -- The perspective is the inverse of the perspective-free part times the last column.
  { name = "perspective with translation", m = rows(1, 0, 0, 0.1, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1),
    t = { 5, 6, 7 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0.1, 0, 0, 0.5 } },
  { name = "one table of 16", m = { { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1 } },
    t = { 0, 0, 0 }, r = { 0, 0, 0 }, s = { 1, 1, 1 }, sh = { 0, 0, 0 }, p = { 0, 0, 0, 1 } },
}, function(case)
  local t, r, sc, sh, p = numeric.unmatrix(case.m)
  near(t, case.t, "translation")
  near(r, case.r, "rotation")
  near(sc, case.s, "scale")
  near(sh, case.sh, "shear")
  near(p, case.p, "perspective")
end)

local identity = rows(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)

T.cases("matrices that are not read", {
  { name = "15 numbers", m = { { 1, 0, 0, 0 }, { 0, 1, 0, 0 }, { 0, 0, 1, 0 }, { 0, 0, 0 } },
    err = "incorrect number of values for MatrixF32", assertion = "matData.size() == 16" },
  { name = "17 numbers", m = { { 1, 0, 0, 0 }, { 0, 1, 0, 0 }, { 0, 0, 1, 0 }, { 0, 0, 0, 1, 1 } },
    err = "incorrect number of values for MatrixF32", assertion = "matData.size() == 16" },
  { name = "flat 16", m = flat(identity), err = "incorrect number of values for MatrixF32",
    assertion = "matData.size() == 16" },
  { name = "not a table", m = 5, err = "bad argument #1" },
  { name = "nil on top", m = identity, trailingNil = true, results = 0 },
}, function(case)
  for _, name in ipairs({ "unmatrix", "invertMatrix" }) do
    local ok, first, n
    local shown = assertionsSince(function()
      if case.trailingNil then
        ok, n = true, count(numeric[name](case.m, nil))
      else
        ok, first = pcall(numeric[name], case.m)
      end
    end)
    if case.err then
      T.eq(ok, false, name .. " raises")
      T.ok(first:find(case.err, 1, true), first)
    else
      T.eq(n, case.results, name .. " results")
    end
    T.eq(shown, case.assertion or "", name .. " assertions")
  end
end)

T.cases("transforms that cannot be decomposed give no values", {
  { name = "element (3,3) is 0", m = rows(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0), assertion = "" },
  { name = "singular perspective part", m = rows(0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1),
    assertion = '0 && "Bad perspective matrix"' },
}, function(case)
  local shown = assertionsSince(function() T.eq(count(numeric.unmatrix(case.m)), 0) end)
  T.eq(shown, case.assertion)
end)

T.cases("invertMatrix", {
  { name = "identity", m = identity, inverse = flat(identity) },
  { name = "translation", m = rows(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1),
    inverse = { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -5, -6, -7, 1 } },
  { name = "scaled and translated", m = rows(2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1),
    inverse = { 0.5, 0, 0, 0, 0, 0.25, 0, 0, 0, 0, 0.125, 0, -0.5, -0.5, -0.375, 1 } },
  { name = "a zero row", m = rows(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1) },
}, function(case)
  if not case.inverse then
    T.eq(count(numeric.invertMatrix(case.m)), 0, "singular")
    return
  end
  near(flat(numeric.invertMatrix(case.m)), case.inverse, "inverse")
end)

T.test("invertMatrix hands the constructor's error value back when it fails", function()
  local constructor = zellua_CreateNewTransformMatrix
  zellua_CreateNewTransformMatrix = function() error("no transforms here", 0) end
  local value = numeric.invertMatrix(identity)
  zellua_CreateNewTransformMatrix = constructor
  T.eq(value, "no transforms here")
end)

T.test("require 'zellua' sets numeric again", function()
  package.loaded.zellua = nil
  zellua.numeric = nil
  require "zellua"
  T.eq(type(zellua.numeric.unmatrix), "function")
  T.eq(type(zellua.numeric.invertMatrix), "function")
end)

T.finish()

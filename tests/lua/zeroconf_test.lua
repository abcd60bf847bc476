-- The "zeroconf" module in the booted host: arguments, the TXT record as published, and the one
-- service that is published at a time.
local T = require "testlib"
local TYPE = "_glimmet._tcp"

local function published()
  return glimmet_test.publishedService()
end

-- Services made and not yet released: a withdrawn service is released, not only unregistered.
local function live()
  return glimmet_test.liveNetServices()
end

-- A TXT table whose DNS-SD record is exactly size bytes: entries of at most 256 encoded bytes
-- (a length byte, then "kN=" and the value).
local function txtOfSize(size)
  local txt, n = {}, 0
  while size > 0 do
    n = n + 1
    local key = "k" .. n
    local entry = math.min(size, 256)
    if size - entry > 0 and size - entry < 4 then entry = entry - 4 end
    txt[key] = string.rep("v", entry - 2 - #key)
    size = size - entry
  end
  return txt
end

local function encodedSize(txt)
  local size = 0
  for k, v in pairs(txt) do size = size + 2 + #tostring(k) + #tostring(v) end
  return size
end

T.cases("argument checks in order", {
  { name = "no arguments", args = {}, n = 0, message = "not enough parameters passed to start, expected 3" },
  { name = "two arguments", args = { TYPE, 80 }, n = 2, message = "not enough parameters passed to start, expected 3" },
  { name = "text as TXT", args = { TYPE, 80, "a=1" }, n = 3, message = "TXT paramater must be a table" },
  { name = "TXT before type and port", args = { false, "port", "txt" }, n = 3, message = "TXT paramater must be a table" },
  { name = "nil TXT", args = { TYPE, 80, nil }, n = 3, message = "TXT paramater must be a table" },
  { name = "port above range", args = { TYPE, 65536, {} }, n = 3, message = "port must be between 0 and 65535" },
  { name = "negative port", args = { TYPE, -1, {} }, n = 3, message = "port must be between 0 and 65535" },
  { name = "NaN port", args = { TYPE, 0 / 0, {} }, n = 3, message = "port must be between 0 and 65535" },
}, function(case)
  local result, message = zeroconf.start(unpack(case.args, 1, case.n))
  T.eq(result, nil, "result")
  T.eq(message, case.message, "message")
end)

T.cases("arguments that raise", {
  { name = "type not a string", args = { {}, 80, {} }, err = "bad argument #1 to 'start' (string expected, got table)" },
  { name = "port not a number", args = { TYPE, "http", {} }, err = "bad argument #2 to 'start' (number expected, got string)" },
  { name = "boolean value", args = { TYPE, 80, { a = true } }, err = "bad argument #3 to 'start' (string expected, got boolean)" },
  { name = "table key", args = { TYPE, 80, { [{}] = "x" } }, err = "bad argument #3 to 'start' (string expected, got table)" },
}, function(case)
  local ok, err = pcall(function() return zeroconf.start(unpack(case.args)) end)
  T.eq(ok, false, "raised")
  T.ok(tostring(err):find(case.err, 1, true), "error text " .. tostring(err))
end)

T.test("a bad call leaves the published service alone", function()
  T.eq(zeroconf.start(TYPE, 80, { a = "1" }), "success")
  zeroconf.start(TYPE, 80)
  T.eq(published(), 1, "still published")
  zeroconf.stop()
end)

T.test("the published service and its record", function()
  glimmet_test.setMachineName("Studio Mac")
  T.eq(zeroconf.start(TYPE, 8123.9, { b = "2", a = "1", [10] = 20 }), "success")
  local count, type, name, port, txt = published()
  T.eq(count, 1, "published")
  T.eq(type, TYPE, "type")
  T.eq(name, "Studio Mac", "named after the computer's user-visible name")
  T.eq(port, 8123, "port truncated")
  T.eq(txt, "\00510=20\003a=1\003b=2", "entries in byte order of their keys")
  zeroconf.stop()
end)

T.test("number keys of the array part are read without breaking the walk", function()
  T.eq(zeroconf.start(TYPE, 80, { "x", "y", "z", w = "v" }), "success")
  local _, _, _, _, txt = published()
  T.eq(txt, "\0031=x\0032=y\0033=z\003w=v", "record")
  zeroconf.stop()
end)

T.cases("TXT sizes", {
  { size = 0, published = 1 },
  { size = 1449, published = 1 },
  { size = 1450, published = 0 },
}, function(case)
  local txt = txtOfSize(case.size)
  T.eq(encodedSize(txt), case.size, "encoded size of the table")
  T.eq(zeroconf.start(TYPE, 80, txt), "success", "result")
  local count, _, _, _, record = published()
  T.eq(count, case.published, "published")
  if count == 1 then T.eq(#record, case.size, "record bytes") end
  T.eq(live(), case.published, "a record too long leaves no service behind")
  zeroconf.stop()
end)

T.cases("records that cannot be encoded publish nothing", {
  { name = "empty key", txt = { [""] = "x" } },
  { name = "key with =", txt = { ["a=b"] = "c" } },
  { name = "key outside printable ASCII", txt = { ["k\n"] = "c" } },
  { name = "entry longer than 255 bytes", txt = { k = string.rep("v", 254) } },
}, function(case)
  T.eq(zeroconf.start(TYPE, 80, case.txt), "success", "result")
  T.eq(published(), 0, "published")
  T.eq(live(), 0, "released")
end)

T.test("an entry of 255 bytes is published", function()
  zeroconf.start(TYPE, 80, { k = string.rep("v", 253) })
  T.eq(published(), 1, "published")
  zeroconf.stop()
end)

T.test("ports 0 and 65535 are published", function()
  for _, port in ipairs({ 0, 65535 }) do
    zeroconf.start(TYPE, port, {})
    local count, _, _, published_port = published()
    T.eq(count, 1, "published at " .. port)
    T.eq(published_port, port, "port")
  end
  zeroconf.stop()
end)

T.test("a restart withdraws the earlier service", function()
  zeroconf.start("_first._tcp", 80, {})
  zeroconf.start("_second._tcp", 81, {})
  local count, type = published()
  T.eq(count, 1, "published")
  T.eq(type, "_second._tcp", "the later one")
  T.eq(live(), 1, "the earlier one released")
  zeroconf.stop()
end)

T.test("a refused registration publishes nothing", function()
  glimmet_test.refuseNextRegistration(-72000)
  T.eq(zeroconf.start(TYPE, 80, {}), "success")
  T.eq(published(), 0, "published")
  T.eq(live(), 0, "released")
end)

T.test("stop is idempotent", function()
  zeroconf.start(TYPE, 80, {})
  T.eq(zeroconf.stop(), "success")
  T.eq(zeroconf.stop(), "success")
  T.eq(published(), 0, "published")
  T.eq(live(), 0, "released")
end)

-- Failures reported by the daemon arrive through the run loop: each stage runs one idle turn
-- after the one before.
local stages = {
  function()
    glimmet_test.failNextRegistration(-1, 1)
    zeroconf.start(TYPE, 80, {})
    T.eq(published(), 1, "published until the report comes")
  end,
  function()
    T.test("a report of another domain is ignored", function() T.eq(published(), 1, "published") end)
    glimmet_test.failNextRegistration(-72001)
    zeroconf.start(TYPE, 80, {})
  end,
  function()
    T.test("a name collision withdraws the service", function()
      T.eq(published(), 0, "published")
      T.eq(live(), 0, "released")
    end)
    glimmet_test.failNextRegistration(-72001)
    zeroconf.start(TYPE, 80, {})
    zeroconf.start("_later._tcp", 80, {})
  end,
  function()
    T.test("a report for a withdrawn service does not touch the later one", function()
      local count, type = published()
      T.eq(count, 1, "published")
      T.eq(type, "_later._tcp", "type")
    end)
    zeroconf.stop()
    T.test("a second start publishes again", function()
      zeroconf.start(TYPE, 80, {})
      T.eq(published(), 1, "published")
      zeroconf.stop()
    end)
    T.finish()
  end,
}
local stage = 0
function fennick_DoIdleLoop()
  stage = stage + 1
  if stages[stage] then
    local ok, err = pcall(stages[stage])
    if not ok then
      T.test("stage " .. stage, function() error(err) end)
      T.finish()
    end
  end
end

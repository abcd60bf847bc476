-- "utilitieslua" in the booted host: UUIDs, names, addresses, build number, reachability and
-- message boxes over the stand-ins' scripted answers.
local T = require "testlib"

T.test("UUIDs are random version-4 UUIDs in lower case", function()
  local seen = {}
  for _ = 1, 100 do
    local uuid = utilitieslua.getUUID()
    T.ok(uuid:match("^%x%x%x%x%x%x%x%x%-%x%x%x%x%-4%x%x%x%-[89ab]%x%x%x%-%x%x%x%x%x%x%x%x%x%x%x%x$"), uuid)
    T.ok(not uuid:find("%u"), "lower case " .. uuid)
    T.ok(not seen[uuid], "repeated " .. uuid)
    seen[uuid] = true
  end
end)

T.test("host name", function()
  local name = utilitieslua.getHostname()
  T.eq(type(name), "string")
  T.ok(#name > 0, "not empty")
end)

T.cases("machine name is cut to 255 bytes between characters", {
  { name = "short", set = "Studio Mac", expected = "Studio Mac" },
  { name = "exactly 255 bytes", set = string.rep("a", 255), expected = string.rep("a", 255) },
  { name = "a two-byte character across the limit", set = string.rep("a", 254) .. "é", expected = string.rep("a", 254) },
  { name = "a four-byte character across the limit", set = string.rep("a", 253) .. "😀", expected = string.rep("a", 253) },
  { name = "a character ending at the limit", set = string.rep("a", 253) .. "éx", expected = string.rep("a", 253) .. "é" },
  { name = "none", set = "", expected = "" },
}, function(case)
  glimmet_test.setMachineName(case.set)
  T.eq(utilitieslua.getMachineName(), case.expected)
end)

T.cases("build number", {
  { name = "the bundle's version", set = "4711", expected = "4711" },
  { name = "31 bytes", set = string.rep("9", 31), expected = string.rep("9", 31) },
  { name = "longer: cut between characters", set = string.rep("9", 30) .. "é", expected = string.rep("9", 30) },
  { name = "none", set = nil, expected = "" },
}, function(case)
  glimmet_test.setBundleInfo("CFBundleVersion", case.set)
  T.eq(utilitieslua.getBuildNumber(), case.expected)
end)

T.test("local addresses: dotted IPv4, no loopback, an array", function()
  local addresses = utilitieslua.getLocalAddresses()
  T.eq(type(addresses), "table")
  local count = 0
  for _ in pairs(addresses) do count = count + 1 end
  T.eq(count, #addresses, "array from index 1")
  for _, address in ipairs(addresses) do
    T.ok(address:match("^%d+%.%d+%.%d+%.%d+$"), "dotted: " .. address)
    T.ok(not address:match("^127%."), "not loopback: " .. address)
  end
end)

-- Unscripted, the machine's routing tables answer: connected when a route leads off the machine
-- (a default route, not a rejecting one, through an interface other than the loopback).
local function machineHasDefaultRoute()
  local function isSet(flags, bit) return math.floor(tonumber(flags, 16) / bit) % 2 == 1 end
  local function usable(flags, iface) return isSet(flags, 1) and not isSet(flags, 0x200) and iface ~= "lo" end
  local v4 = io.open("/proc/net/route")
  if v4 then
    for line in v4:lines() do
      local iface, destination, flags, mask = line:match("^(%S+)%s+(%x+)%s+%x+%s+(%x+)%s+%S+%s+%S+%s+%S+%s+(%x+)")
      if destination == "00000000" and mask == "00000000" and usable(flags, iface) then v4:close() return true end
    end
    v4:close()
  end
  local v6 = io.open("/proc/net/ipv6_route")
  if v6 then
    for line in v6:lines() do
      local destination, prefix, flags, iface = line:match("^(%x+) (%x+) .* (%x+)%s+(%S+)$")
      if destination == string.rep("0", 32) and prefix == "00" and usable(flags, iface) then v6:close() return true end
    end
    v6:close()
  end
  return false
end

T.test("unscripted, connected follows the machine's network", function()
  T.eq(utilitieslua.isConnected(), machineHasDefaultRoute(), "connected")
end)

-- Reachable is flag 2, connection required flag 4.
T.cases("connected", {
  { name = "reachable", flags = 2, connected = true },
  { name = "reachable over a transient connection", flags = 3, connected = true },
  { name = "reachable once a connection is set up", flags = 6, connected = false },
  { name = "not reachable", flags = 0, connected = false },
  { name = "flags unreadable", flags = nil, connected = false },
  { name = "no reference", refuse = true, flags = 2, connected = false },
}, function(case)
  glimmet_test.setReachabilityFlags(case.flags)
  glimmet_test.refuseReachabilityReferences(case.refuse)
  T.eq(utilitieslua.isConnected(), case.connected, "connected")
  local host, live = glimmet_test.reachability()
  T.ok(#host > 0, "a fixed host name")
  T.eq(live, 0, "reference released")
  glimmet_test.refuseReachabilityReferences(false)
end)

T.test("message boxes answer what the user chose", function()
  glimmet_test.queueAlertAnswer(3)
  T.eq(utilitieslua.messageBox(2, 1, "Überschrift", "detail"), 3, "scripted answer")
  T.eq(utilitieslua.messageBox(0, 0, "no answer", ""), 1, "dismissed: cancel")
  local shown = glimmet_test.shownAlerts()
  T.eq(#shown, 2, "shown")
  T.eq(shown[1].type, 2)
  T.eq(shown[1].icon, 1)
  T.eq(shown[1].message, "Überschrift")
  T.eq(shown[1].detail, "detail")
  T.eq(shown[1].overWorkspace, true, "over the workspace's window")
end)

T.cases("a message box needs exactly four arguments", {
  { name = "three", args = { 1, 1, "message" }, n = 3 },
  { name = "five", args = { 1, 1, "message", "detail", "extra" }, n = 5 },
  { name = "none", args = {}, n = 0 },
}, function(case)
  local before = #glimmet_test.shownAlerts()
  T.eq(select("#", utilitieslua.messageBox(unpack(case.args, 1, case.n))), 0, "no value")
  T.eq(#glimmet_test.shownAlerts(), before, "nothing shown")
end)

T.test("a message box's type must be a number", function()
  local ok, err = pcall(utilitieslua.messageBox, "warning", 1, "m", "d")
  T.eq(ok, false)
  T.ok(tostring(err):find("bad argument #1", 1, true) and tostring(err):find("number expected", 1, true), err)
end)

T.finish()

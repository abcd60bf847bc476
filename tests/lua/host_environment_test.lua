-- The host's globals, search paths, sleep and the linked socket and TLS modules.
local T = require "testlib"

local function startsWith(s, prefix) return s:sub(1, #prefix) == prefix end

T.test("globals", function()
  T.ok(SOURCE_ROOT:match("/Contents/Resources/scripts/lua/$"), "SOURCE_ROOT is the scripts folder")
  T.ok(not SOURCE_ROOT:find("//", 1, true), "no double slash in SOURCE_ROOT")
  T.eq(PROJECT_ROOT, SOURCE_ROOT:gsub("scripts/lua/$", ""), "PROJECT_ROOT")
  T.eq(PATH_SEPARATOR, "/")
  T.eq(DEBUG_SUPPORT, false)
  T.eq(type(sleep), "function")
end)

T.test("package.path: the scripts folder three times, no common folder", function()
  local entry = ";" .. SOURCE_ROOT .. "?.lua;"
  T.ok(startsWith(package.path, entry .. entry .. entry), "prefix of " .. package.path)
  T.ok(not startsWith(package.path, entry .. entry .. entry .. ";"), "exactly three entries")
end)

T.test("package.cpath: the Frameworks folder first", function()
  local frameworks = PROJECT_ROOT:gsub("Resources/$", "Frameworks")
  T.ok(startsWith(package.cpath, ";" .. frameworks .. "/?.framework/?;"), package.cpath)
end)

T.cases("sleep returns at once below one second", {
  { name = "half", 0.5 }, { name = "zero", 0 }, { name = "negative", -5 }, { name = "NaN", 0 / 0 },
  { name = "minus infinity", -math.huge },
}, function(case)
  local started = os.time()
  sleep(case[1])
  T.ok(os.time() - started <= 1, "returned at once")
end)

T.cases("sleep refuses what is not a number", {
  { name = "none", n = 0 }, { name = "string", n = 1, "soon" }, { name = "table", n = 1, {} },
}, function(case)
  local ok, err = pcall(sleep, unpack(case, 1, case.n))
  T.eq(ok, false)
  T.ok(err:find("bad argument #1 to '?'", 1, true) or err:find("bad argument #1", 1, true), err)
end)

T.test("the linked socket and TLS modules are the ones require gives", function()
  local socket = require "socket"
  T.eq(socket, package.loaded["socket.core"], "socket.core")
  T.ok(require("mime") and package.loaded["mime.core"], "mime.core")
  local ssl = require "ssl"
  T.eq(type(ssl.newcontext), "function")
  T.eq(package.loaded["ssl.core"] ~= nil and package.loaded["ssl.context"] ~= nil, true, "ssl halves recorded")
end)

T.test("a TCP connection on loopback", function()
  local socket = require "socket"
  local server = assert(socket.bind("127.0.0.1", 0))
  local _, port = server:getsockname()
  local client = assert(socket.connect("127.0.0.1", port))
  server:settimeout(5)
  local peer = assert(server:accept())
  assert(client:send("ping\n"))
  T.eq(peer:receive("*l"), "ping")
  client:close(); peer:close(); server:close()
end)

T.test("no websocket module is made up by the host", function()
  T.eq(package.loaded["websocket"], nil)
end)

T.finishAfterIdle(3, function(turns) T.eq(turns, 3) end)

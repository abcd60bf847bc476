-- The example start-up script: shows that the host is alive.
print("Glimmet is running")
print("  SOURCE_ROOT    = " .. tostring(SOURCE_ROOT))
print("  PROJECT_ROOT   = " .. tostring(PROJECT_ROOT))
print("  PATH_SEPARATOR = " .. tostring(PATH_SEPARATOR))
print("  DEBUG_SUPPORT  = " .. tostring(DEBUG_SUPPORT))
print("  package.path   = " .. package.path)
print("  package.cpath  = " .. package.cpath)

local socket = require "socket"
local ssl = require "ssl"
print("  " .. socket._VERSION .. ", LuaSec " .. tostring(ssl._VERSION))

-- A TCP round trip on loopback through the linked LuaSocket.
local server = assert(socket.bind("127.0.0.1", 0))
local _, port = server:getsockname()
local client = assert(socket.connect("127.0.0.1", port))
local peer = server:accept()
client:send("hello over loopback\n")
print("  loopback: " .. peer:receive("*l"))
client:close(); peer:close(); server:close()

local idleTurns = 0
function fennick_DoIdleLoop()
  idleTurns = idleTurns + 1
  if idleTurns % 100 == 0 then print("  idle turns: " .. idleTurns) end
end

function fennick_OnShutdown()
  print("Glimmet shuts down after " .. idleTurns .. " idle turns")
end

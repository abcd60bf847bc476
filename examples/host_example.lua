-- The host's environment and the linked LuaSocket and LuaSec.
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

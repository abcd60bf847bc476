-- Network-facing modules: the application's DNS-SD service with a TXT record, and sign-in to the
-- identity service. Sign-in needs an account signed in on this machine: without one the login
-- answers nil and requests no token; with one, the token's answer comes back later through
-- onFetchAccessToken.
local examples = require "examples"

local txt = { txtvers = "1", app = "Glimmet", version = "1.0" }
print("  zeroconf.start: " .. tostring(zeroconf.start("_glimmet._tcp", 8123, txt)))
local keys = {}
for key, value in pairs(txt) do keys[#keys + 1] = key .. "=" .. value end
table.sort(keys)
print("  announcing _glimmet._tcp on port 8123 with the TXT record " .. table.concat(keys, " "))

local function stopAnnouncing()
  print("  zeroconf.stop: " .. tostring(zeroconf.stop()))
end

local tokenText
function onFetchAccessToken(status, data)
  tokenText = status .. "," .. data
  print("  onFetchAccessToken: " .. tokenText)
  stopAnnouncing()
end

local login = ulmliblua.ulmLibLogin()
print("  ulmliblua.ulmLibLogin: " .. tostring(login))
if login == nil then
  print("  no account is signed in on this machine, so no access token is requested")
  stopAnnouncing()
else
  examples.waitFor("the access token", function() return tokenText ~= nil end)
end

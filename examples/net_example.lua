-- Network-facing modules: the application's DNS-SD service with a TXT record, and sign-in to the
-- identity service, whose answer comes back later through onFetchAccessToken.
local examples = require "examples"

local txt = { txtvers = "1", app = "Glimmet", version = "1.0" }
print("  zeroconf.start: " .. tostring(zeroconf.start("_glimmet._tcp", 8123, txt)))
local keys = {}
for key, value in pairs(txt) do keys[#keys + 1] = key .. "=" .. value end
table.sort(keys)
print("  announcing _glimmet._tcp on port 8123 with the TXT record " .. table.concat(keys, " "))

local tokenText
function onFetchAccessToken(status, data)
  tokenText = status .. "," .. data
  print("  onFetchAccessToken: " .. tokenText)
  print("  zeroconf.stop: " .. tostring(zeroconf.stop()))
end

print("  ulmliblua.ulmLibLogin: " .. tostring(ulmliblua.ulmLibLogin()))
examples.waitFor("the access token", function() return tokenText ~= nil end)

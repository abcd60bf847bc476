-- The host's utility modules: a string encrypted and decrypted, the machine's local addresses,
-- and a text looked up in the running language's dictionary.
local key = VySecurity.PBKDF2KeyGen("example password", VySecurity.RandomBytes(16))
local secret = "Glimmet keeps this text secret"
local encrypted = VySecurity.AESEncrypt(key, secret)
print("  encrypted " .. #secret .. " bytes to " .. #encrypted .. ": "
  .. VyStringUtils.encodeBase64(encrypted))
print("  decrypted: " .. tostring(VySecurity.AESDecrypt(key, encrypted)))

local addresses = utilitieslua.getLocalAddresses()
print("  local addresses: " .. (#addresses > 0 and table.concat(addresses, ", ") or "(none)"))
print("  machine " .. utilitieslua.getMachineName() .. ", build " .. utilitieslua.getBuildNumber()
  .. ", id " .. utilitieslua.getUUID())

print("  localised: " .. VyAppUtils.GetLocalizedString("$$$/glimmet/example/Greeting=Hello (no dictionary)"))

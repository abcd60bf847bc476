-- The binding library's core modules: logging, the keychain and the application's settings.
local logging = require "zellua.zelLogging"
logging.doLogMessage("core example: logging through zelLogging")
print("  zelLogging.doLogMessage took the message")

-- A password in the keychain, named by service and account.
local Keychain = zellua.core.Keychain
Keychain.SetPassword("glimmet.example", "demo-user", "open sesame")
print("  keychain: " .. tostring(Keychain.GetPassword("glimmet.example", "demo-user")))
Keychain.RemovePassword("glimmet.example", "demo-user")
local password, message = Keychain.GetPassword("glimmet.example", "demo-user")
print("  keychain after removal: " .. tostring(password) .. ", " .. tostring(message))

-- The application's settings, a property list lent by the application object.
local settings = App.GetApp():GetAppSettings()
local runs = (settings:GetFloatValue("example_runs") or 0) + 1
settings:SetFloatValue("example_runs", runs)
local locale = require "zellua.zelLocale"
settings:NewSubList("example"):SetStringValue("language", locale.ApplicationLanguage())
print("  settings: example_runs = " .. settings:GetFloatValue("example_runs") ..
  ", example.language = " .. settings:GetSubList("example"):GetStringValue("language"))
print("  synthetic command id " .. App.GetApp():ReserveCmd())

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

-- The application's settings, a property list lent by the application object. It lives in memory
-- and starts empty at every start.
local settings = App.GetApp():GetAppSettings()
settings:SetFloatValue("example_width", 640)
local locale = require "zellua.zelLocale"
settings:NewSubList("example"):SetStringValue("language", locale.ApplicationLanguage())
print("  settings: example_width = " .. settings:GetFloatValue("example_width") ..
  ", example.language = " .. settings:GetSubList("example"):GetStringValue("language"))
print("  synthetic command id " .. App.GetApp():ReserveCmd())

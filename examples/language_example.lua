-- The user-interface language: chosen at start-up from the stored choice, the installer's
-- locale file or the system's preferred languages; the language dialog stores a new choice for
-- the next start.
local locale = require "zellua.zelLocale"
print("  running language: " .. locale.ApplicationLanguage())

if VyAppUtils and VyAppUtils.ChangeLanguage then
  print("  stored choice: " .. VyAppUtils.GetRunningLocale())
  -- Nobody answers the dialog here: it is cancelled and the stored choice stays.
  VyAppUtils.ChangeLanguage()
  print("  stored choice after the dialog: " .. VyAppUtils.GetRunningLocale())
end

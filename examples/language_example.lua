-- The user-interface language: chosen at start-up from the installer's locale file or the
-- system's preferred languages, and stored as the choice. The preferences live in memory and
-- start empty at every start; the language dialog changes the stored choice, not the running
-- language.
local locale = require "zellua.zelLocale"
print("  running language: " .. locale.ApplicationLanguage())

if VyAppUtils and VyAppUtils.ChangeLanguage then
  print("  stored choice: " .. VyAppUtils.GetRunningLocale())
  -- Nobody answers the dialog here: it is cancelled and the stored choice stays.
  VyAppUtils.ChangeLanguage()
  print("  stored choice after the dialog: " .. VyAppUtils.GetRunningLocale())
end

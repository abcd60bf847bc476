-- "VyAppUtils" in the booted host: registered before the boot script runs, localised texts
-- through the application's localiser.
local T = require "testlib"

T.test("the table and its functions", function()
  for _, name in ipairs({ "SetTrayIcon", "ChangeLanguage", "GetRunningLocale", "GetLocalizedString" }) do
    T.eq(type(VyAppUtils[name]), "function", name)
  end
end)

T.test("a literal's default text without a dictionary entry", function()
  T.eq(VyAppUtils.GetLocalizedString("$$$/test/missing=Default text"), "Default text")
  T.eq(VyAppUtils.GetLocalizedString("$$$/test/equals=a=b"), "a=b", "the text after the first =")
end)

T.test("a literal looked up in the loaded dictionary", function()
  local path = SOURCE_ROOT .. "test_dictionary.dat"
  local file = assert(io.open(path, "wb"))
  file:write("/test/greeting=Hallo Welt\n")
  file:close()
  T.ok(glimmet_test.loadDictionary(path), "dictionary loaded")
  T.eq(VyAppUtils.GetLocalizedString("$$$/test/greeting=Hello"), "Hallo Welt")
end)

T.test("running locale, language dialog and tray icon return what they should", function()
  T.eq(type(VyAppUtils.GetRunningLocale()), "string", "locale")
  T.eq(select("#", VyAppUtils.ChangeLanguage()), 0, "ChangeLanguage")
  T.eq(select("#", VyAppUtils.SetTrayIcon("glimmet_menu_icon")), 0, "SetTrayIcon")
end)

T.finish()

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
  -- At start-up the language chosen to run is stored as the choice.
  local running = require("zellua.zelLocale").ApplicationLanguage()
  T.ok(#running > 0, "a language runs")
  T.eq(VyAppUtils.GetRunningLocale(), running, "the stored choice")
  T.eq(select("#", VyAppUtils.ChangeLanguage()), 0, "ChangeLanguage")
  T.eq(select("#", VyAppUtils.SetTrayIcon("glimmet_menu_icon")), 0, "SetTrayIcon")
end)

T.test("SetTrayIcon puts the named image on the status item", function()
  -- A PNG resource of 24 by 20 pixels: the signature and the IHDR chunk are all that is read.
  local function be32(n) return string.char(math.floor(n / 16777216) % 256, math.floor(n / 65536) % 256, math.floor(n / 256) % 256, n % 256) end
  local file = assert(io.open(PROJECT_ROOT .. "test_icon.png", "wb"))
  file:write("\137PNG\r\n\26\n" .. be32(13) .. "IHDR" .. be32(24) .. be32(20) .. "\8\6\0\0\0" .. be32(0))
  file:close()
  VyAppUtils.SetTrayIcon("test_icon")
  local width, height = glimmet_test.statusItemImageSize()
  T.eq(width, 24, "width")
  T.eq(height, 20, "height")
  local _, message = VyAppUtils.SetTrayIcon()
  T.eq(message, "not enough parameters, expected 1")
  T.eq(glimmet_test.statusItemImageSize(), 24, "a call without a name changes nothing")
end)

T.finish()

-- Themes, monitor information and URL launch in the booted host.
local T = require "testlib"

local function count(...) return select("#", ...) end
local collect = T.collect
local function live() return glimmet_test.liveCounts() end

-- The scripts' constructors of colours and rectangles, as the examples define them.
function zellua_CreateNewRGBA(red, green, blue, alpha)
  return { red = red, green = green, blue = blue, alpha = alpha }
end
function zellua_CreateNewRectF32(left, top, width, height)
  return { left = left, top = top, width = width, height = height }
end
local function rectText(r) return r and string.format("%g,%g,%g,%g", r.left, r.top, r.width, r.height) end
local function colorText(c) return string.format("%g,%g,%g,%g", c.red, c.green, c.blue, c.alpha) end

local Theme = require "zellua.zelTheme"
local zelMonitorInfo = require "zellua.zelMonitorInfo"
local OSLaunchUtils = require "zellua.OSLaunchUtils"

T.test("theme constants and globals", function()
  T.eq(Theme, _G.Theme)
  T.eq(Theme.kColor_ApplicationDomainStart, 10000)
  T.eq(Theme.Text_Title, 2)
  T.eq(Theme.Text_Main_Large, 0)
  T.eq(Theme.Color_TabBackground, 277)
  T.eq(Theme.Color_ToolBarWellEndGradient, 296)
end)

T.test("colours and fonts of the current theme", function()
  local id = Theme.kColor_ApplicationDomainStart + 1
  T.eq(Theme.HasColor(id), false)
  T.eq(count(Theme.SetColor(id, { red = 0.25, green = 0.5, blue = 0.75, alpha = 1 })), 0)
  T.eq(Theme.HasColor(id), true)
  T.eq(colorText(Theme.GetColor(id)), "0.25,0.5,0.75,1")
  T.eq(colorText(Theme.GetColor(id + 1)), "0,0,0,0", "an id without a colour")
  T.eq(type(Theme.GetFontName(Theme.Text_Title)), "string")
  T.ok(#Theme.GetFontName(Theme.Text_Title) > 0, "a font name")
  T.ok(Theme.GetFontSize(Theme.Text_Main_Large) > Theme.GetFontSize(Theme.Text_Main_Small), "large above small")
  T.eq(Theme.HasColor(1e300), false, "an id beyond the integers is clamped, not wrapped")
  local ok, err = pcall(Theme.SetColor, id, { red = 1, green = 1, blue = 1 })
  T.eq(ok, false, "a colour without alpha")
  T.ok(err:find("number expected, got nil", 1, true), err)
end)

T.test("themes a script builds: colours, registration, tostring", function()
  collect()
  local before = live().themes
  local theme = Theme.NewTheme()
  T.eq(live().themes, before + 1, "one theme made")
  T.ok(tostring(theme):match("^zelTheme%(0x%x+%)$"), tostring(theme))
  T.eq(count(theme:SetThemeColor(277, { red = 1, green = 0, blue = 0, alpha = 1 })), 0)
  Theme.RegisterTheme(theme, "scripted")
  T.eq(table.concat(glimmet_test.registeredThemes(), ","), "scripted")
  theme:Release()
  T.eq(live().themes, before + 1, "the registry still holds it")
end)

T.test("Release twice, or Release then collection, destroys once; a released theme shows null", function()
  collect()
  local before = live().themes
  local a, b = Theme.NewTheme(), Theme.NewTheme()
  T.eq(live().themes, before + 2)
  a:Release()
  a:Release()
  T.eq(live().themes, before + 1, "Release twice")
  T.eq(tostring(a), "zelTheme((nil))")
  b:Release()
  b = nil
  collect()
  T.eq(live().themes, before, "Release then collection")
  local c = Theme.NewTheme()
  c = nil
  collect()
  T.eq(live().themes, before, "collection alone")
end)

T.test("a released theme reports its use and changes nothing", function()
  glimmet_test.resetAssertions()
  local theme = Theme.NewTheme()
  theme:Release()
  T.eq(count(theme:SetThemeColor(277, { red = 1, green = 0, blue = 0, alpha = 1 })), 0)
  T.eq(count(Theme.RegisterTheme(theme, "released")), 0)
  local shown = glimmet_test.assertions()
  T.eq(#shown, 2)
  T.eq(shown[1], "\"Attempting to use a released Theme\" && 0")
  T.eq(table.concat(glimmet_test.registeredThemes(), ","), "scripted", "nothing registered")
end)

T.cases("theme argument errors", {
  { f = function() Theme.NewTheme().SetThemeColor(5) end, err = "zellua.zelTheme expected, got number" },
  { f = function() Theme.NewTheme():SetThemeColor(277, 5) end, err = "table expected, got number" },
  { f = function() Theme.GetColor("x") end, err = "number expected, got string" },
  { f = function() Theme.RegisterTheme(Theme.NewTheme()) end, err = "string expected, got no value" },
}, function(case)
  local ok, err = pcall(case.f)
  T.eq(ok, false, "raised")
  T.ok(err:find(case.err, 1, true), err)
end)

T.test("monitors: count, 1-based rectangles, out of range, the one a rectangle lies on", function()
  glimmet_test.setScreens {
    { 0, 0, 1280, 800, visible = { 0, 25, 1280, 775 } },
    { 1280, 0, 1920, 1080 },
  }
  local info = zelMonitorInfo.NewMonitorInfo()
  T.eq(info:GetMonitorCount(), 2)
  T.eq(rectText(info:GetMonitorRect(1)), "0,0,1280,800")
  T.eq(rectText(info:GetMonitorRect(2)), "1280,0,1920,1080")
  for _, index in ipairs { 0, 3, -1, "x", 1e300, -1e300, 0 / 0 } do
    T.eq(count(info:GetMonitorRect(index)), 0, "index " .. tostring(index))
  end
  T.eq(count(info:GetMonitorRect()), 0, "no index")
  T.eq(rectText(info:GetMonitorRectFromRect { left = 1500, top = 100, width = 300, height = 200 }), "1280,0,1920,1080")
  T.eq(rectText(info:GetMonitorRectFromRect { left = 1200, top = 0, width = 200, height = 100 }), "1280,0,1920,1080", "mostly on the second")
  T.eq(rectText(info:GetMonitorRectFromRect { left = 10, top = 10, width = 20, height = 20 }), "0,0,1280,800")
  T.eq(rectText(info:GetMonitorRectFromRect { left = 5000, top = 0, width = 10, height = 10 }), "1280,0,1920,1080", "off screen: the nearest")
end)

T.test("NewMonitorInfo's flag is Lua truth: the visible frames", function()
  glimmet_test.setScreens { { 0, 0, 1280, 800, visible = { 0, 25, 1280, 775 } } }
  T.eq(rectText(zelMonitorInfo.NewMonitorInfo():GetMonitorRect(1)), "0,0,1280,800")
  T.eq(rectText(zelMonitorInfo.NewMonitorInfo(false):GetMonitorRect(1)), "0,0,1280,800")
  T.eq(rectText(zelMonitorInfo.NewMonitorInfo(nil):GetMonitorRect(1)), "0,0,1280,800")
  T.eq(rectText(zelMonitorInfo.NewMonitorInfo(0):GetMonitorRect(1)), "0,25,1280,775", "0 is true")
  T.eq(rectText(zelMonitorInfo.NewMonitorInfo(true):GetMonitorRect(1)), "0,25,1280,775")
  glimmet_test.setScreens {}
  T.eq(zelMonitorInfo.NewMonitorInfo():GetMonitorCount(), 1, "the default screen back")
end)

T.test("monitor methods on something that is no userdata give nothing; another userdata raises", function()
  local info = zelMonitorInfo.NewMonitorInfo()
  T.eq(count(info.GetMonitorCount(5)), 0)
  T.eq(count(info.GetMonitorRect("x", 1)), 0)
  T.eq(count(info.GetMonitorRectFromRect(nil, {})), 0)
  local ok, err = pcall(info.GetMonitorCount, Theme.NewTheme())
  T.eq(ok, false)
  T.ok(err:find("zellua.zelMonitorInfo expected", 1, true), err)
  ok, err = pcall(info.GetMonitorRectFromRect, info, { left = 1, top = 2, width = 3 })
  T.eq(ok, false, "a rectangle without height")
  T.ok(err:find("number expected, got nil", 1, true), err)
  T.eq(debug.getregistry()["zellua.zelMonitorInfo"].__tostring, nil, "no __tostring")
end)

T.test("monitor information goes with its userdata", function()
  collect()
  local before = live().monitorInfos
  local info = zelMonitorInfo.NewMonitorInfo()
  T.eq(live().monitorInfos, before + 1)
  info = nil
  collect()
  T.eq(live().monitorInfos, before)
end)

T.test("a URL is opened once; text that makes no URL opens nothing; nothing leaks", function()
  local before = #glimmet_test.openedURLs()
  local objects = live().platformObjects
  T.eq(OSLaunchUtils, _G.OSLaunchUtils)
  T.eq(count(OSLaunchUtils.OpenURLInDefaultBrowser("https://example.com/a?b=c%20d\0ignored")), 0)
  T.eq(count(OSLaunchUtils.OpenURLInDefaultBrowser("not a url")), 0)
  T.eq(count(OSLaunchUtils.OpenURLInDefaultBrowser("")), 0)
  T.eq(count(OSLaunchUtils.OpenURLInDefaultBrowser("bad%zz")), 0)
  local opened = glimmet_test.openedURLs()
  T.eq(#opened, before + 1, "one URL opened")
  T.eq(opened[#opened], "https://example.com/a?b=c%20d")
  T.eq(live().platformObjects, objects, "every string and URL given back")
  local ok, err = pcall(OSLaunchUtils.OpenURLInDefaultBrowser)
  T.eq(ok, false)
  T.ok(err:find("string expected, got no value", 1, true), err)
end)

T.finish()

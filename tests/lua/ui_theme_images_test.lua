-- Theme images for picture controls: the variant by state flags, rollover and the dark icon theme,
-- the fallbacks, and the supply function of the library's picture controls.
local T = require "testlib"

local zc = require "zellua.zelcontrols"
local gt = glimmet_test

local function be32(n)
  return string.char(math.floor(n / 16777216) % 256, math.floor(n / 65536) % 256, math.floor(n / 256) % 256, n % 256)
end
local PNG = "\137PNG\r\n\26\n" .. be32(13) .. "IHDR" .. be32(4) .. be32(4) .. "\8\6\0\0\0" .. be32(0)

-- Each case names the images present; the one shown, or nil when none is found.
T.cases("the image follows the state, rollover and dark rules", {
  { flags = 0, images = { "Icon_N", "Icon_P", "Icon_R" }, expect = "Icon_N" },
  { flags = 1, images = { "Icon_N", "Icon_P", "Icon_R" }, expect = "Icon_P" },
  { flags = 1, images = { "Icon_N", "Icon_R" }, expect = "Icon_R", what = "pressed falls back to rollover" },
  { flags = 5, images = { "Icon_N", "Icon_P", "Icon_R" }, expect = "Icon_N", what = "flag 4 wins" },
  { flags = 2, images = { "Icon_N", "Icon_R" }, expect = "Icon_R" },
  { flags = 2, images = { "Icon_N", "Icon_R" }, op = "ProvideImage_NoRollover", expect = "Icon_N" },
  { flags = 3, images = { "Icon_N", "Icon_R" }, op = "ProvideImage_NoRollover", expect = "Icon_R",
    what = "the pressed fallback ignores the rollover switch" },
  { flags = 1, dark = true, images = { "Icon_N", "Icon_R" }, expect = "Icon_N", what = "dark: only Icon_N" },
  { flags = 0, dark = true, images = { "Icon_N", "Icon_N_D" }, expect = "Icon_N_D" },
  { flags = 0, dark = true, images = { "Icon_N", "Icon_N_D" }, op = "ProvideImage_NoDark", expect = "Icon_N" },
  { flags = 2, dark = true, images = { "Icon_R", "Icon_R_D" }, op = "ProvideImage_NoDark_NoRollover", expect = nil },
  { flags = 2, images = { "Icon" }, expect = "Icon", what = "the bare name last" },
  { flags = 0, images = {}, expect = nil },
}, function(case)
  gt.clearAppResources()
  gt.setIconType(case.dark and 1 or 0)
  -- Names are unique per case: the application's image cache keeps what it read.
  local prefix = "Case" .. tostring(case):gsub("[^%w]", "")
  for _, name in ipairs(case.images) do gt.setAppResource(prefix .. name, "png", PNG) end
  for _, control in ipairs({ zc.NewPictureButton(prefix .. "Icon"), zc.NewStaticImage(prefix .. "Icon") }) do
    local got = gt.provideImage(control, case.flags, case.op)
    T.eq(got, case.expect and prefix .. case.expect or nil, case.what)
  end
  gt.setIconType(0)
end)

T.test("the library's picture controls ask the provider; no base name finds nothing", function()
  gt.clearAppResources()
  gt.setAppResource("Tool_N", "png", PNG)
  T.eq(gt.provideImage(zc.NewPictureButton("Tool"), 0, "control"), "Tool_N")
  T.eq(gt.provideImage(zc.NewStaticImage("Tool"), 0, "control"), "Tool_N")
  T.eq(gt.provideImage(zc.NewPictureButton(), 0, "control"), nil)
  T.eq(gt.provideImage(zc.NewStaticText(), 0), nil, "a control that is no picture control")
end)

T.finish()

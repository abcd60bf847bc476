-- "zelUIResources": the three accessors, images loaded through each layer's cache (a cache that
-- raises becomes a Lua error), and cursors shown by id or from an image.
local T = require "testlib"

local R = require "zellua.zelUIResources"
local gt = glimmet_test
local errorOf = T.errorOf

local function be32(n)
  return string.char(math.floor(n / 16777216) % 256, math.floor(n / 65536) % 256, math.floor(n / 256) % 256, n % 256)
end
local function png(width, height)
  return "\137PNG\r\n\26\n" .. be32(13) .. "IHDR" .. be32(width) .. be32(height) .. "\8\6\0\0\0" .. be32(0)
end

local supplier = gt.newNode("UI_Node"):UI_GetDrawSupplier()

T.test("the library: its functions, the accessor names as fields, the global", function()
  T.eq(zelUIResources, R)
  for _, name in ipairs({ "zelui_resources", "arx_resources", "app_resources" }) do
    T.eq(R[name], name)
    local resources = R.getResources(name)
    T.eq(type(resources), "userdata", name)
    T.ok(tostring(resources):match("^zelUIResources%(.+%)$"), tostring(resources))
    T.eq(resources.getImage ~= nil and resources.DisplayCursor ~= nil, true, name .. " methods")
  end
  T.eq(errorOf(R.getResources, "other"), "resource accessor 'other' not found")
  T.ok(errorOf(R.getResources):find("bad argument #1"), "no name")
end)

-- Each layer reads its own resources: the UI framework's manager holds only what was put in it;
-- the application framework and the application share the application's resources.
T.cases("getImage reads through the layer's manager and cache", {
  { accessor = "zelui_resources", ui = true, width = 6 },
  { accessor = "zelui_resources", app = true, width = nil },
  { accessor = "arx_resources", app = true, width = 9 },
  { accessor = "app_resources", app = true, width = 9 },
  { accessor = "arx_resources", ui = true, width = nil },
}, function(case)
  gt.clearAppResources()
  local name = "Pic" .. tostring(case):gsub("[^%w]", "")
  if case.ui then gt.setUIResource(name, "png", png(6, 6)) end
  if case.app then gt.setAppResource(name, "png", png(9, 4)) end
  local image = R.getResources(case.accessor):getImage(supplier, name)
  T.eq(type(image), "userdata", "an image userdata also for no image")
  T.eq(image:GetWidth(), case.width)
end)

T.test("a cache that raises: the Lua error names the image; arguments are checked", function()
  local ui = R.getResources("zelui_resources")
  gt.setMissingImagesThrow("zelui_resources", true)
  T.eq(errorOf(ui.getImage, ui, supplier, "Nowhere"), "image 'Nowhere' not found")
  gt.setMissingImagesThrow("zelui_resources", false)
  T.eq(ui:getImage(supplier, "Nowhere"):GetWidth(), nil, "no image, no error")
  T.ok(errorOf(ui.getImage, supplier, supplier, "x"):find("bad argument #1"), "wrong self")
  T.ok(errorOf(ui.getImage, ui, ui, "x"):find("bad argument #2"), "no supplier")
  T.ok(errorOf(ui.getImage, ui, supplier):find("bad argument #3"), "no name")
end)

T.test("cursors by id and from images; a released image shows nothing", function()
  gt.clearAppResources()
  gt.setAppResource("Hand", "png", png(8, 8))
  local app = R.getResources("app_resources")
  local image = app:getImage(supplier, "Hand")
  app:DisplayCursor(7)
  R.DisplayCursorFromImage(image)
  R.DisplayCursorFromImage(image, 3, 40000)
  local before = #gt.assertions()
  image:Release()
  R.DisplayCursorFromImage(image, 1, 1)
  T.eq(#gt.assertions(), before + 1, "the out-of-scope image is reported")
  local shown = gt.displayedCursors()
  T.eq(#shown, 3)
  T.eq(shown[1].id, 7)
  T.eq(table.concat({ shown[2].image, shown[2].x, shown[2].y }, " "), "Hand -1 -1")
  T.eq(table.concat({ shown[3].x, shown[3].y }, " "), "3 32767", "the hot spot is a 16-bit value")
  T.ok(errorOf(app.DisplayCursor, app, "seven"):find("bad argument #2"))
end)

T.finish()

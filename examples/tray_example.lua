-- The tray menu. The host builds it from the bundle's "TrayMenu" resource each time the status
-- item is clicked; no Lua module hands the built menu to scripts, so this example reads the same
-- resource and lists the items the menu will show.
local resources = SOURCE_ROOT .. "../../"

-- "$$$/key=default" literals in the running language when the host offers the lookup, else
-- their default text.
local function text(title)
  if title:sub(1, 4) ~= "$$$/" then return title end
  if VyAppUtils and VyAppUtils.GetLocalizedString then return VyAppUtils.GetLocalizedString(title) end
  return title:match("=(.*)$") or title
end

local file = io.open(resources .. "TrayMenu.xml", "r")
if not file then
  print("  tray menu: no TrayMenu resource")
  return
end
local description = file:read("*a")
file:close()

print("  tray menu items:")
for element in description:gmatch("<(%a+[^>]*)>") do
  local title = element:match('^MenuItem.-title="([^"]*)"')
  if title then
    local command = element:match('command="([^"]*)"')
    print("    " .. text(title) .. (command and ("  (" .. command .. ")") or ""))
  elseif element:match("^Separator") then
    print("    ----")
  end
end

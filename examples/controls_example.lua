-- Controls for scripts: a view loaded from the bundle's XML resource "ExampleView" and its
-- controls found by id, its list box filled and read by position, a dialog run modally (nobody
-- answers here, so it is cancelled), a popup window that handles a posted command, and an image
-- looked up through the UI resources.
local g = require "geometry"
require "zellua.zelcontrols"
require "zellua.zelUIResources"
local App = App

local view = zelcontrols.LoadControlsFromXml("ExampleView")
local list = view:GetDescendentByID("degrees")
print("  view '" .. view:UI_GetNodeID() .. "' from XML, titled '"
  .. view:GetDescendentByID("title"):GetStringValue() .. "'")
for _, name in ipairs({ "Tonic", "Dominant", "Subdominant" }) do list:AppendItem(name) end
list:InsertItem(1, "Key")
list:SelectItem(2)
print("  list box: " .. list:CountItems() .. " items, first '" .. list:GetItem(1):GetItemLabel():GetStringValue()
  .. "', selected " .. table.concat(list:GetSelectedItems(), ","))

local supplier = zelcontrols.NewSubView():UI_GetDrawSupplier()
local dialog = zelcontrols.NewDialog(supplier, "Example dialog", g.point(100, 100), g.point(300, 120), nil)
dialog:SetButtons(zelcontrols.NewTextButton(), zelcontrols.NewTextButton())
dialog:RunModal()
print("  dialog response: " .. dialog:GetResponse())

local popup = zelcontrols.NewPopupWindow(supplier, true)
local command = App.GetApp():ReserveCmd()
popup:BindPopupWindowOperation("cmdHandler", function(id)
  if id ~= command then return false end
  print("  popup window handled command " .. id)
  return true
end)
popup:SetAsCommandHandler()
App.GetApp():PostCommand(command)

local icon = zelUIResources.getResources(zelUIResources.app_resources):getImage(supplier, "glimmet_menu_icon")
print("  menu icon image: " .. (icon:GetWidth() or "none") .. " wide")

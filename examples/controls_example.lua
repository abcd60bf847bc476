-- Controls for scripts: a list box filled and read by position, a dialog run modally (nobody
-- answers here, so it is cancelled) and a popup window that handles a posted command.
local g = require "geometry"
require "zellua.zelcontrols"
local App = App

local list = zelcontrols.NewListBox()
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

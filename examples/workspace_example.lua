-- A Lua tab and a toolbar in the workspace: the tab handles a command posted to it while it has
-- the focus, the toolbar reports its active tool; then the main menu's size and an alert.
require "zellua.zelWorkspace"
require "zellua.zelTabPanel"
require "zellua.zelToolBar"
require "zellua.uisupport.Alert"

local COMMAND = 36100

zelWorkspace.RegisterTabCreator("example.tab", "Example tab", function(tab)
  tab:bindZelOperation(zelTabPanel.cmdHandler, function(id)
    print("example tab handled command " .. id)
    return true
  end)
end)

zelWorkspace.RegisterToolbarCreator("example.toolbar", "Example tools", function(tab)
  local toolbar = tab:GetAsToolbar()
  toolbar:AddTool(1, "Pencil", "pencil")
  toolbar:AddTool(2, "Eraser", "eraser")
  toolbar:RegisterToolChangedCallback(function(id) print("active tool " .. id) end)
  toolbar:SetActiveToolID(2)
end)

zelWorkspace.CreateTab("example.toolbar")
zelWorkspace.CreateTab("example.tab")
local tab = zelWorkspace.FindFirstTabByType("example.tab")
zelWorkspace.SetFocusedTabPanel(tab:GetID())
App.GetApp():PostCommand(COMMAND)

print("main menu items: " .. App.GetApp():GetMainMenu():Size())
-- Nobody answers here: the alert is recorded and counts as cancelled.
local response = Alert.Show(Alert.TypeOkCancel, Alert.IconNote, "Workspace example", "An alert over the main window")
print("alert answered " .. tostring(response) .. (response == Alert.ResponseCancel and " (cancel)" or ""))

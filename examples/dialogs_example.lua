-- The file dialogs: the folder a dialog starts in when nothing was remembered, and an open
-- dialog that nobody answers (the platform here has no user to ask), which is cancelled.
local Dialogs = require "zellua.zelOSFileDialogToolkit"

print("  file dialogs start in " .. Dialogs.GetDefaultPath())
local chosen = Dialogs.doOpenFileDialog {
  filters = { { description = "Lua scripts", extension = "lua" } },
  documentPath = "",
  customDocPathKey = "",
  windowTitle = "Open a script",
}
print("  open dialog: " .. tostring(chosen))

-- The drag-drop module of track views: a metatable for the drags trackers see, and a library
-- without functions.
local DragDrop = require "zellua.TrackerDragDropInterface"
local names = {}
for name in pairs(DragDrop) do names[#names + 1] = name end
print("  drag-drop module: " .. tostring(DragDrop):match("^table") .. " {" .. table.concat(names, ", ") .. "}")

-- A multi-column tree of rows with ids: a row is opened, two rows are selected, the tree is sorted
-- by id, and the ids of the opened and selected rows are printed.
require "zellua.zelcontrols"

local tree = zelcontrols.NewMultiColumnTree()
tree:SetNumberOfColumns(2)
tree:SetSupportMultipleSelections(true)
local fruit = tree:CreateAndAppendRow(nil, false, "fruit")
tree:CreateAndAppendRow(fruit, false, "pear")
tree:CreateAndAppendRow(fruit, false, "apple")
tree:CreateAndAppendRow(nil, false, "bread")
tree:CreateAndAppendRow(nil, false, "cheese")

tree:OpenRow(fruit)
tree:SelectRows({ tree:GetRowById("apple"), tree:GetRowById("cheese") }, false, true)
tree:SetRowSortingFunction(function(a, b) return a:GetID() < b:GetID() end)
tree:SortTree()

local function ids(rows)
  local out = {}
  for i, row in ipairs(rows) do out[i] = row:GetID() end
  return table.concat(out, ", ")
end
local order = {}
for i, row in ipairs(tree:GetVisibleRows()) do order[i] = row:GetID() end
print("  tree: rows by id " .. table.concat(order, ", ") .. "; opened " .. ids(tree:GetOpenedRows()) ..
  "; selected " .. ids(tree:GetSelectedRows()))

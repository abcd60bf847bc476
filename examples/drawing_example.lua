-- Drawing for scripts: the seven drawing modules, a text measured with the default font, and a
-- scaled, translated transform taken apart and inverted.
local modules = { "zelLimner", "zelSurfaceInterface", "zelSupplier", "zelImageInterface", "zelPathInterface",
  "PenInterface", "ShaderInterface" }
for _, name in ipairs(modules) do require("zellua.limner." .. name) end
print("  drawing modules: " .. table.concat(modules, ", "))

print("  'Glimmet' is " .. zelLimner.MeasureStringWidth("Glimmet") .. " wide in the default font")

local function list(numbers)
  local parts = {}
  -- Rounding noise and signed zeros print as 0.
  for i, n in ipairs(numbers) do parts[i] = string.format("%.6g", math.abs(n) < 1e-12 and 0 or n) end
  return "(" .. table.concat(parts, ", ") .. ")"
end

-- Scale by 2, 3 and 4, then move by (10, 20, 30): translation sits in the last row.
local transform = zellua_CreateNewTransformMatrix(2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 10, 20, 30, 1)
local translation, rotation, scale, shear, perspective = zellua.numeric.unmatrix(transform)
print("  decomposed: translation " .. list(translation) .. ", rotation " .. list(rotation) .. ", scale "
  .. list(scale) .. ", shear " .. list(shear) .. ", perspective " .. list(perspective))
local inverse = zellua.numeric.invertMatrix(transform)
local rows = {}
for i, row in ipairs(inverse) do rows[i] = list(row) end
print("  inverse: " .. table.concat(rows, " "))

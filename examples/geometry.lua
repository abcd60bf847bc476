-- The constructors the binding library calls to hand geometry, colours and input events to
-- scripts. Each builds the table the library's readers take back: points {x, y}; rectangles
-- {left, top, width, height}; colours {red, green, blue, alpha}; 3x3 matrices as three row tables;
-- 4x4 transforms as four row tables.
local geometry = {}

function zellua_CreateNewPointF32(x, y)
  return { x = x, y = y }
end

function zellua_CreateNewRectF32(left, top, width, height)
  return { left = left, top = top, width = width, height = height }
end

function zellua_CreateNewRGBA(red, green, blue, alpha)
  return { red = red, green = green, blue = blue, alpha = alpha }
end

function zellua_CreateNewMatrixF32(a, b, c, d, e, f, g, h, i)
  return { { a, b, c }, { d, e, f }, { g, h, i } }
end

function zellua_CreateNewTransformMatrix(...)
  local n = { ... }
  return {
    { n[1], n[2], n[3], n[4] },
    { n[5], n[6], n[7], n[8] },
    { n[9], n[10], n[11], n[12] },
    { n[13], n[14], n[15], n[16] },
  }
end

-- Keyboard and mouse events as the UI bindings hand them over; a mouse event table is read back
-- by the bindings (position {x, y} and the number fields).
function zellua_CreateNewZELUIKeyboardEvent(action, character, keyCode, modKey, isRepeat)
  return { action = action, character = character, keyCode = keyCode, modKey = modKey, isRepeat = isRepeat }
end

function zellua_CreateNewZELUIMouseEvent(action, button, clickCount, x, y, modKey, mouseWheelDelta, mouseWheelAxis)
  return {
    action = action, button = button, clickCount = clickCount, position = { x = x, y = y }, modKey = modKey,
    mouseWheelDelta = mouseWheelDelta, mouseWheelAxis = mouseWheelAxis,
  }
end

geometry.point = zellua_CreateNewPointF32
geometry.rect = zellua_CreateNewRectF32
geometry.rgba = zellua_CreateNewRGBA
geometry.matrix = zellua_CreateNewMatrixF32
geometry.transform = zellua_CreateNewTransformMatrix
geometry.keyboardEvent = zellua_CreateNewZELUIKeyboardEvent
geometry.mouseEvent = zellua_CreateNewZELUIMouseEvent

return geometry

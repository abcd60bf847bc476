-- Drawing from Lua: contexts lent for one call, what the drawing calls hand to the surface, the
-- values read back, and the lifetimes of contexts, surfaces and drawing resources.
local T = require "testlib"
local g = require "geometry"

local function count(...) return select("#", ...) end

local collect = T.collect

local red, blue = g.rgba(1, 0, 0, 1), g.rgba(0, 0, 1, 1)

-- Draws with a lent context; fn(context, surface). Returns the log lines of the call with the
-- lent surface's number written "#s" and other surfaces "#o1", "#o2"... in order of appearance.
local function draw(fn)
  local lines, lent = glimmet_test.drawWith(function(context) fn(context, context:GetSurface()) end)
  local names, others = { [lent] = "s" }, 0
  for i, line in ipairs(lines) do
    lines[i] = (line:gsub("#(%d+)", function(digits)
      local n = tonumber(digits)
      if not names[n] then
        others = others + 1
        names[n] = "o" .. others
      end
      return "#" .. names[n]
    end))
  end
  return table.concat(lines, "\n")
end

local function assertionsSince(fn)
  glimmet_test.resetAssertions()
  fn()
  return table.concat(glimmet_test.assertions(), "\n")
end

local function flat(rows)
  local numbers = {}
  for _, row in ipairs(rows) do
    for _, n in ipairs(row) do numbers[#numbers + 1] = n end
  end
  return table.concat(numbers, ",")
end

T.test("a context lent before any drawing module was required has its methods", function()
  T.eq(debug.getregistry()["zellua.zelLimner"], nil, "no drawing module open yet")
  T.eq(draw(function(context, surface)
    T.eq(getmetatable(context), debug.getregistry()["zellua.zelLimner"])
    T.eq(getmetatable(surface), debug.getregistry()["zellua.zelSurfaceInterface"])
    surface:PaintRect(g.rect(0, 0, 10, 20), red)
  end), "#s PaintRect 0,0,10,20 color 1,0,0,1")
end)

local modules = { "zelLimner", "zelSurfaceInterface", "zelSupplier", "zelImageInterface", "zelPathInterface",
  "PenInterface", "ShaderInterface" }
local libraries = { zelLimner = "zelLimner", zelSurfaceInterface = "zelSurfaceInterface",
  zelSupplier = "zelSupplierInterface", zelImageInterface = "ImageInterface", zelPathInterface = "PathInterface",
  PenInterface = "PenInterface", ShaderInterface = "Shader" }
for _, name in ipairs(modules) do
  T.test("require 'zellua.limner." .. name .. "' gives its library", function()
    T.eq(require("zellua.limner." .. name), _G[libraries[name]])
  end)
end

T.test("constants", function()
  T.eq(PenInterface.kLineJoinType_Miter .. PenInterface.kLineJoinType_Bevel .. PenInterface.kLineJoinType_Round ..
    PenInterface.kLineJoinType_Default, "0120")
  T.eq(PenInterface.kLineCapType_Flat .. PenInterface.kLineCapType_Round .. PenInterface.kLineCapType_Square ..
    PenInterface.kLineCapType_Default, "0120")
  local S = zelSurfaceInterface
  T.eq(S.kAntiAliasPolicy_None .. S.kAntiAliasPolicy_Med .. S.kAntiAliasPolicy_High, "012")
  T.eq(S.kTextAlignment_Left .. S.kTextAlignment_Center .. S.kTextAlignment_Right .. S.kTextAlignment_Default, "0120")
  T.eq(S.kTextTruncation_None .. S.kTextTruncation_End .. S.kTextTruncation_EndEllipsis ..
    S.kTextTruncation_PathEllipsis, "0123")
end)

T.test("a lent context gives one surface proxy, and both are dead once the call returns", function()
  draw(function(context, surface)
    T.eq(context:GetSurface(), surface, "GetSurface twice gives one proxy")
    keptContext, keptSurface = context, surface
  end)
  T.eq(glimmet_test.linkedDrawingContexts(), 0, "nothing stays linked")
  local shown = assertionsSince(function()
    T.eq(draw(function()
      T.eq(count(keptSurface:PaintRect(g.rect(0, 0, 1, 1), red)), 0)
      T.eq(count(keptSurface:GetTransform()), 0)
      T.eq(count(keptContext:GetSurface()), 0)
      T.eq(count(PathInterface.newPath(keptContext)), 0)
      T.eq(count(zelLimner.NewLimner(keptSurface)), 0)
    end), "", "nothing drawn")
  end)
  T.eq(shown, table.concat({ "Attempting to use an out-of-scope SurfaceInterface",
    "Attempting to use an out-of-scope SurfaceInterface", "Attempting to use an out-of-scope Limner",
    "Attempting to use an out-of-scope Limner", "Attempting to use an out-of-scope SurfaceInterface" }, "\n"))
end)

T.cases("__tostring", {
  { make = function(c) return c end, pattern = "^zelLimner%(0x%x+%)$" },
  { make = function(c) return c:GetSurface() end, pattern = "^zelSurfaceInterface%(0x%x+%)$" },
  { make = function(c) return c:CreateOffscreenSurface(1, 1) end, pattern = "^zelSurfaceInterface%((.-)%)$" },
  { make = function(c) return c:GetSupplier() end, pattern = "^zelSupplierInterface%(0x%x+%)$" },
  { make = function(c) return c:GetSurface():GetSurfaceImage() end, pattern = "^ImageInterface%(0x%x+%)$" },
  { make = function(c) return PathInterface.newPath(c) end, pattern = "^zelPathInterface%(0x%x+%)$" },
  { make = function(c) return PenInterface.newPen(c, red, 1) end, pattern = "^PenInterface%(0x%x+%)$" },
  { make = function(c) return Shader.newRadialShader(c, g.point(0, 0), g.point(1, 1), red, blue) end,
    pattern = "^ShaderInterface%(0x%x+%)$" },
}, function(case)
  draw(function(context)
    local text = tostring(case.make(context))
    T.ok(text:match(case.pattern), text)
  end)
end)

T.cases("drawing calls hand their values to the surface in order", {
  { name = "PaintRect", line = "#s PaintRect 0,0,10,20 color 1,0,0,1",
    draw = function(c, s) s:PaintRect(g.rect(0, 0, 10, 20), red) end },
  { name = "DrawOutline defaults", line = "#s DrawOutline 1,2,3,4 color 1,0,0,1 0 1 all",
    draw = function(c, s) s:DrawOutline(g.rect(1, 2, 3, 4), red) end },
  { name = "DrawOutline given", line = "#s DrawOutline 1,2,3,4 color 1,0,0,1 2 0.5 all",
    draw = function(c, s) s:DrawOutline(g.rect(1, 2, 3, 4), red, 2, 0.5) end },
  { name = "DrawRoundedFill", line = "#s DrawRoundedFill 1,2,3,4 color 0,0,1,1 3",
    draw = function(c, s) s:DrawRoundedFill(g.rect(1, 2, 3, 4), blue, 3) end },
  { name = "DrawString defaults", line = '#s DrawString "h\195\169llo" 3,4 color 1,0,0,1 font(Sans 11) 0 0 0',
    draw = function(c, s) s:DrawString("h\195\169llo", 3, 4, red) end },
  { name = "DrawString given", line = '#s DrawString "hi" 3,-4 color 1,0,0,1 font(Sans 14) 1 2 50',
    draw = function(c, s) s:DrawString("hi", 3.7, -4, red, 1, 14, 50, 2) end },
  { name = "AddArc defaults, FillPath default", line = "#s FillPath path(A 5,5 2 0 360) color 1,0,0,1 true",
    draw = function(c, s)
      local p = PathInterface.newPath(c)
      p:AddArc(g.point(5, 5), 2)
      s:FillPath(p, red)
    end },
  { name = "AddArc angles, FillPath flag 0", line = "#s FillPath path(A 5,5 2 90 180) color 1,0,0,1 false",
    draw = function(c, s)
      local p = PathInterface.newPath(c)
      p:AddArc(g.point(5, 5), 2, 90, 180)
      s:FillPath(p, red, 0)
    end },
  { name = "path elements, Clip default", line = "#s Clip path(M 0,0 L 10,0 C 1,1 2,2 3,3 R 0,0,5,5 Z) true",
    draw = function(c, s)
      local p = PathInterface.newPath(c)
      p:MoveTo(0, 0)
      p:LineTo(10, 0)
      p:BezierTo(g.point(1, 1), g.point(2, 2), g.point(3, 3))
      p:AddRect(g.rect(0, 0, 5, 5))
      p:ClosePath()
      s:Clip(p)
    end },
  { name = "StrokePath with a pen (three arguments)", line = "#s StrokePath path(M 1,1) pen(color 1,0,0,1 width 3)",
    draw = function(c, s)
      local p = PathInterface.newPath(c)
      p:MoveTo(1, 1)
      s:StrokePath(p, PenInterface.newPen(c, red, 3))
    end },
  { name = "StrokePath with a colour and width (four)", line = "#s StrokePath path(M 1,1) pen(color 0,0,1,1 width 2)",
    draw = function(c, s)
      local p = PathInterface.newPath(c)
      p:MoveTo(1, 1)
      s:StrokePath(p, blue, 2)
    end },
  { name = "pen settings", line = "#s StrokePath path() pen(color 1,0,0,1 width 4 join 2 cap 2 miter 4 dash 2,1.5)",
    draw = function(c, s)
      local pen = PenInterface.newPen(c, red, 1)
      pen:SetWidth(4)
      pen:SetLineJoin(PenInterface.kLineJoinType_Round)
      pen:SetLineCap(PenInterface.kLineCapType_Square)
      pen:SetMiterLimit(4)
      pen:SetDashPattern(2, 1.5)
      T.eq(pen:GetWidth() .. pen:GetLineJoin() .. pen:GetLineCap() .. pen:GetMiterLimit(), "4224")
      s:StrokePath(PathInterface.newPath(c), pen)
    end },
  { name = "ShadePath", line = "#s ShadePath path() shader(linear 0,0 10,0 color 1,0,0,1 color 0,0,1,1) true\n" ..
      "#s ShadePath path() shader(radial 1,1 2,2 color 0,0,1,1 color 1,0,0,1) false",
    draw = function(c, s)
      s:ShadePath(PathInterface.newPath(c), Shader.newLinearShader(c, g.point(0, 0), g.point(10, 0), red, blue))
      s:ShadePath(PathInterface.newPath(c), Shader.newRadialShader(c, g.point(1, 1), g.point(2, 2), blue, red), 0)
    end },
  { name = "Transform reads its argument, not the top", line = "#s Transform matrix(2,0,0;0,3,0;4,5,1)",
    draw = function(c, s) s:Transform({ { 2, 0, 0 }, { 0, 3, 0 }, { 4, 5, 1 } }, 5) end },
  { name = "DrawImage", line = "#s DrawImage image(surface#s) 1,2 1\n#s DrawImage image(surface#s) 1,2 0.5",
    draw = function(c, s)
      local image = s:GetSurfaceImage()
      T.eq(image:GetWidth() .. "x" .. image:GetHeight(), "100x100")
      s:DrawImage(image, g.point(1, 2))
      s:DrawImage(image, g.point(1, 2), 0.5)
    end },
  { name = "DrawImage2", line = "#s DrawImage image(surface#s) 0,0,5,5 whole 1\n" ..
      "#s DrawImage image(surface#s) 0,0,5,5 1,1,2,2 0.5",
    draw = function(c, s)
      local image = s:GetSurfaceImage()
      s:DrawImage2(image, g.rect(0, 0, 5, 5))
      s:DrawImage2(image, g.rect(0, 0, 5, 5), g.rect(1, 1, 2, 2), 0.5)
    end },
  { name = "state calls", line = "#s SetAntiAliasPolicy 0\n#s PushStateStack\n#s PopStateStack\n#s Flush",
    draw = function(c, s)
      s:SetAntiAliasPolicy(1.5)
      s:SetAntiAliasPolicy(0)
      s:PushStateStack()
      s:PopStateStack()
      s:Flush()
    end },
  { name = "offscreen surfaces", line = "#o1 CreateOffscreenSurface 0 2147483647 false\n" ..
      "#o2 CreateOffscreenSurface 20 10 true\n#o2 PaintRect 0,0,1,1 color 1,0,0,1",
    draw = function(c, s)
      c:CreateOffscreenSurface(-3, 1e12)
      local offscreen = c:CreateOffscreenSurface(20, 10, true)
      T.ok(offscreen ~= s, "not the context's surface")
      offscreen:PaintRect(g.rect(0, 0, 1, 1), red)
    end },
}, function(case)
  T.eq(draw(case.draw), case.line)
end)

T.test("state read back through the scripts' constructors", function()
  draw(function(c, s)
    T.eq(s:GetAntiAliasPolicy(), zelSurfaceInterface.kAntiAliasPolicy_High)
    for _, policy in ipairs({ 1.5, 3, -1, 0 / 0 }) do
      s:SetAntiAliasPolicy(policy)
      T.eq(s:GetAntiAliasPolicy(), 2, "unchanged by " .. policy)
    end
    T.eq(flat(s:GetTransform()), "1,0,0,0,1,0,0,0,1")
    local bounds = s:GetClipBounds()
    T.eq(table.concat({ bounds.left, bounds.top, bounds.width, bounds.height }, ","), "0,0,100,100")

    s:PushStateStack()
    s:SetAntiAliasPolicy(1)
    s:Transform(g.matrix(2, 0, 0, 0, 2, 0, 10, 0, 1))
    s:Transform(g.matrix(1, 0, 0, 0, 1, 0, 0, 5, 1))
    T.eq(flat(s:GetTransform()), "2,0,0,0,2,0,10,10,1", "the later transform applies first")
    local p = PathInterface.newPath(c)
    p:AddRect(g.rect(10, 20, 50, 50))
    s:Clip(p)
    local q = PathInterface.newPath(c)
    q:AddRect(g.rect(0, 0, 30, 30))
    s:Clip(q)
    bounds = s:GetClipBounds()
    T.eq(table.concat({ bounds.left, bounds.top, bounds.width, bounds.height }, ","), "10,20,20,10")
    T.eq(s:IsWithinClipBounds(g.rect(29.5, 29.5, 1, 1)), 1)
    T.eq(s:IsWithinClipBounds(g.rect(30.2, 0, 5, 5)), 0)

    s:PopStateStack()
    s:PopStateStack()
    T.eq(s:GetAntiAliasPolicy(), 2, "policy restored; a pop with nothing saved changes nothing")
    T.eq(flat(s:GetTransform()), "1,0,0,0,1,0,0,0,1")
    T.eq(s:GetClipBounds().width, 100)

    local constructor = zellua_CreateNewRectF32
    zellua_CreateNewRectF32 = nil
    local value = s:GetClipBounds()
    zellua_CreateNewRectF32 = constructor
    T.eq(type(value), "string", "a failing constructor's error takes the value's place")
    T.ok(value:find("attempt to call a nil value", 1, true), value)
  end)
end)

T.test("measuring text: UTF-16 units by size by one half", function()
  T.eq(zelLimner.MeasureStringWidth("abcd"), 22, "default size 11")
  T.eq(zelLimner.MeasureStringWidth("abcd", 20), 40)
  T.eq(zelLimner.MeasureStringWidth("abcd", 20, "Mono"), 40)
  T.eq(zelLimner.MeasureStringWidth("\195\169\240\159\152\128", 2), 3, "one unit and a surrogate pair")
  draw(function(c, s)
    T.eq(s:MeasureStringWidth("ab"), 11)
    T.eq(s:MeasureStringWidth("ab", 10), 10)
  end)
end)

T.cases("SetRedrawDebugFlashDelay converts to an unsigned 32-bit number", {
  { 250, 250 }, { 12.9, 12 }, { -5, 0 }, { 1e20, 4294967295 }, { 0 / 0, 0 },
}, function(case)
  zelLimner.SetRedrawDebugFlashDelay(case[1])
  T.eq(glimmet_test.redrawDebugFlashDelay(), case[2])
end)

-- Readers, through the calls that use them: {reader, input, value read or error}.
local function logging(fields, order)
  return setmetatable({}, { __index = function(_, key)
    order[#order + 1] = key
    return fields[key]
  end })
end

T.cases("converters", {
  { name = "rect fields in order", reader = "rect", input = { left = 1, top = 2, width = 3, height = 4 },
    order = "top,left,height,width", value = "#s PaintRect 1,2,3,4 color 1,0,0,1" },
  { name = "rect without top fails first", reader = "rect", input = { left = 1, width = 3, height = 4 },
    order = "top", err = "number expected, got nil" },
  { name = "rect not a table", reader = "rect", input = 5, err = "table expected, got number" },
  { name = "colour fields in order", reader = "colour", input = { red = 0.5, green = 0.25, blue = 0, alpha = 1 },
    order = "red,green,blue,alpha", value = "#s PaintRect 0,0,1,1 color 0.5,0.25,0,1" },
  { name = "colour with a text field", reader = "colour", input = { red = "x", green = 0, blue = 0, alpha = 1 },
    err = "number expected, got string" },
  { name = "point fields in order", reader = "point", input = { x = 7, y = 8 }, order = "x,y",
    value = "#s DrawImage image(surface#s) 7,8 1" },
  { name = "matrix of three rows", reader = "matrix", input = { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } },
    value = "#s Transform matrix(1,0,0;0,1,0;0,0,1)" },
  { name = "matrix rows skip what is not a number", reader = "matrix",
    input = { { 1, 2, 3, {} }, "x", { 4, 5, 6 }, { 7, 8, 9, true } }, value = "#s Transform matrix(1,2,3;4,5,6;7,8,9)" },
  { name = "flat matrix of 9", reader = "matrix", input = { 1, 0, 0, 0, 1, 0, 0, 0, 1 },
    err = "incorrect number of values for MatrixF32", assertion = "matData.size() == 9" },
  { name = "matrix of 10", reader = "matrix", input = { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1, 1 } },
    err = "incorrect number of values for MatrixF32", assertion = "matData.size() == 9" },
}, function(case)
  local order = {}
  local input = case.order and logging(case.input, order) or case.input
  local calls = {
    rect = function(s) s:PaintRect(input, red) end,
    colour = function(s) s:PaintRect(g.rect(0, 0, 1, 1), input) end,
    point = function(s) s:DrawImage(s:GetSurfaceImage(), input) end,
    matrix = function(s) s:Transform(input) end,
  }
  local ok, result
  local shown = assertionsSince(function()
    ok, result = pcall(draw, function(c, s) calls[case.reader](s) end)
  end)
  if case.order then T.eq(table.concat(order, ","), case.order, "fields read") end
  if case.err then
    T.eq(ok, false, "raises")
    T.ok(result:find(case.err, 1, true), result)
  else
    T.eq(ok, true, tostring(result))
    T.eq(result, case.value)
  end
  T.eq(shown, case.assertion or "", "assertions")
end)

T.cases("a second Release does nothing, and a released object gives no values", {
  { name = "context", make = function(c) return zelLimner.NewLimner(c:CreateOffscreenSurface(1, 1)) end,
    use = function(o) return o:GetSupplier() end, text = "Attempting to use an out-of-scope Limner" },
  { name = "surface", make = function(c) return c:CreateOffscreenSurface(1, 1) end,
    use = function(o) return o:GetAntiAliasPolicy() end, text = "Attempting to use an out-of-scope SurfaceInterface" },
  { name = "lent surface", make = function(c) return c:GetSurface() end,
    use = function(o) return o:GetTransform() end, text = "Attempting to use an out-of-scope SurfaceInterface" },
  { name = "image", make = function(c) return c:GetSurface():GetSurfaceImage() end,
    use = function(o) return o:GetWidth() end, text = "" },
  { name = "path", make = function(c) return PathInterface.newPath(c) end,
    use = function(o) return o:LineTo(1, 1) end, text = "Attempting to use a release PathInterface" },
  { name = "pen", make = function(c) return PenInterface.newPen(c, red, 1) end,
    use = function(o) return o:GetWidth() end, text = "Attempting to use an out-of-scope PenInterface" },
  { name = "shader", make = function(c) return Shader.newLinearShader(c, g.point(0, 0), g.point(1, 1), red, blue) end },
}, function(case)
  local before = glimmet_test.liveDrawingObjects()
  draw(function(c)
    local object = case.make(c)
    T.eq(count(object:Release()), 0)
    T.eq(count(object:Release()), 0, "again")
    getmetatable(object).__gc(object)
    if case.use then
      local shown = assertionsSince(function() T.eq(count(case.use(object)), 0, "results") end)
      T.eq(shown, case.text)
    end
  end)
  collect()
  local after = glimmet_test.liveDrawingObjects()
  for kind, n in pairs(before) do T.eq(after[kind], n, kind .. " objects alive") end
end)

T.cases("released resources handed to a surface draw nothing", {
  { name = "path", text = "Attempting to use a released PathInterface",
    draw = function(c, s, dead) s:FillPath(dead.path, red) end },
  { name = "path stroked", text = "Attempting to use a released PathInterface",
    draw = function(c, s, dead) s:StrokePath(dead.path, red, 1) end },
  { name = "pen", text = "Attempting to use an out-of-scope PenInterface",
    draw = function(c, s, dead) s:StrokePath(PathInterface.newPath(c), dead.pen) end },
  { name = "shader", text = "Attempting to use a released ShaderInterface",
    draw = function(c, s, dead) s:ShadePath(PathInterface.newPath(c), dead.shader) end },
  { name = "image", text = "Attempting to use an out-of-scope ImageInterface",
    draw = function(c, s, dead) s:DrawImage(dead.image, g.point(0, 0)) end },
  { name = "image in a rect", text = "Attempting to use an out-of-scope ImageInterface",
    draw = function(c, s, dead) s:DrawImage2(dead.image, g.rect(0, 0, 1, 1)) end },
}, function(case)
  local shown
  T.eq(draw(function(c, s)
    local dead = {
      path = PathInterface.newPath(c), pen = PenInterface.newPen(c, red, 1), image = s:GetSurfaceImage(),
      shader = Shader.newLinearShader(c, g.point(0, 0), g.point(1, 1), red, blue),
    }
    for _, object in pairs(dead) do object:Release() end
    shown = assertionsSince(function() T.eq(count(case.draw(c, s, dead)), 0) end)
  end), "", "nothing drawn")
  T.eq(shown, case.text)
end)

T.test("drawing objects are freed when collected", function()
  collect()
  local before = glimmet_test.liveDrawingObjects()
  local kept = {}
  draw(function(c, s)
    local offscreen = c:CreateOffscreenSurface(10, 10)
    kept.context = zelLimner.NewLimner(offscreen)
    kept.surface = kept.context:GetSurface()
    kept.image = offscreen:GetSurfaceImage()
    kept.path = PathInterface.newPath(c)
    kept.pen = PenInterface.newPen(c, red, 1)
    kept.shader = Shader.newRadialShader(c, g.point(0, 0), g.point(1, 1), red, blue)
    for i = 1, 5 do PathInterface.newPath(c):MoveTo(i, i) end
  end)
  local during = glimmet_test.liveDrawingObjects()
  T.eq(during.context - before.context, 1, "the context kept")
  T.eq(during.surface - before.surface, 1, "its surface, held by the context")
  T.eq(during.path - before.path, 1, "only the kept path")
  T.eq(glimmet_test.linkedDrawingContexts(), 1, "the kept context's surface proxy is linked")
  kept = nil
  collect()
  local after = glimmet_test.liveDrawingObjects()
  for kind, n in pairs(before) do T.eq(after[kind], n, kind .. " objects alive") end
  T.eq(glimmet_test.linkedDrawingContexts(), 0, "collecting the context forgot its surface proxy")
end)

T.test("a context holds its surface: it draws after its surface proxy was released", function()
  collect()
  local surfaces = glimmet_test.liveDrawingObjects().surface
  local context
  T.eq(draw(function(c)
    local offscreen = c:CreateOffscreenSurface(10, 10)
    context = zelLimner.NewLimner(offscreen)
    T.eq(context:GetSurface() ~= offscreen, true, "a proxy of its own")
    offscreen:Release()
    context:GetSurface():PaintRect(g.rect(0, 0, 1, 1), red)
  end), "#o1 CreateOffscreenSurface 10 10 false\n#o1 PaintRect 0,0,1,1 color 1,0,0,1")
  collect()
  T.eq(glimmet_test.liveDrawingObjects().surface, surfaces + 1, "still alive")
  local surface = context:GetSurface()
  context:Release()
  T.eq(glimmet_test.liveDrawingObjects().surface, surfaces, "gone with the context")
  T.eq(assertionsSince(function() T.eq(count(surface:Flush()), 0) end),
    "Attempting to use an out-of-scope SurfaceInterface", "the surface proxy taken from it went dead")
  T.eq(glimmet_test.linkedDrawingContexts(), 0)
end)

T.cases("a surface without a context's supplier draws nothing that needs one", {
  { name = "never made" },
  { name = "released", drop = function(holder) holder[1]:Release() end },
  { name = "collected", drop = function(holder)
      holder[1] = nil
      collect()
    end },
}, function(case)
  T.eq(draw(function(c)
    local offscreen = c:CreateOffscreenSurface(10, 10)
    if case.drop then
      local holder = { zelLimner.NewLimner(offscreen) }
      holder[1]:GetSurface()
      case.drop(holder)
    end
    local path = PathInterface.newPath(c)
    T.eq(count(offscreen:FillPath(path, red)), 0)
    T.eq(count(offscreen:StrokePath(path, red, 1)), 0)
    T.eq(count(offscreen:DrawString("x", 0, 0, red)), 0)
    T.eq(count(offscreen:MeasureStringWidth("x")), 0)
    offscreen:PaintRect(g.rect(0, 0, 1, 1), red)
  end), "#o1 CreateOffscreenSurface 10 10 false\n#o1 PaintRect 0,0,1,1 color 1,0,0,1")
end)

T.test("a context made over an offscreen surface lends it its supplier", function()
  T.eq(draw(function(c)
    local offscreen = c:CreateOffscreenSurface(10, 10)
    local context = zelLimner.NewLimner(offscreen)
    offscreen:DrawString("x", 0, 0, red)
    context:Release()
    context:Release()
    offscreen:DrawString("y", 0, 0, red)
  end), '#o1 CreateOffscreenSurface 10 10 false\n#o1 DrawString "x" 0,0 color 1,0,0,1 font(Sans 11) 0 0 0')
end)

T.cases("argument errors", {
  { name = "surface self", f = function(c, s) s.PaintRect(c, g.rect(0, 0, 1, 1), red) end,
    err = "zellua.zelSurfaceInterface expected" },
  { name = "context of newPen", f = function(c, s) PenInterface.newPen(s, red, 1) end, err = "zellua.zelLimner expected" },
  { name = "pen of StrokePath", f = function(c, s) s:StrokePath(PathInterface.newPath(c), red) end,
    err = "zellua.limner.PenInterface expected" },
  { name = "width of StrokePath", f = function(c, s) s:StrokePath(PathInterface.newPath(c), red, "w", 1) end,
    err = "number expected, got string" },
  { name = "path of FillPath", f = function(c, s) s:FillPath(red, red) end, err = "zellua.zelPathInterface expected" },
  { name = "text of DrawString", f = function(c, s) s:DrawString({}, 0, 0, red) end, err = "string expected, got table" },
  { name = "NewLimner of a context", f = function(c) zelLimner.NewLimner(c) end,
    err = "zellua.zelSurfaceInterface expected" },
  { name = "dash of SetDashPattern", f = function(c) PenInterface.newPen(c, red, 1):SetDashPattern(1, "x") end,
    err = "number expected, got string" },
}, function(case)
  local ok, err = pcall(draw, case.f)
  T.eq(ok, false)
  T.ok(err:find(case.err, 1, true), err)
end)

T.finish()

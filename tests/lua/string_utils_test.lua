-- "VyStringUtils" in the booted host: Base64 against RFC 4648's vectors and the decoder's reading
-- rules, hexadecimal both ways.
local T = require "testlib"

T.cases("Base64, RFC 4648 section 10", {
  { "", "" }, { "f", "Zg==" }, { "fo", "Zm8=" }, { "foo", "Zm9v" },
  { "foob", "Zm9vYg==" }, { "fooba", "Zm9vYmE=" }, { "foobar", "Zm9vYmFy" },
}, function(case)
  T.eq(VyStringUtils.encodeBase64(case[1]), case[2], "encoded")
  T.eq(VyStringUtils.decodeBase64(case[2]), case[1], "decoded")
end)

T.test("Base64 of every byte value", function()
  local bytes = {}
  for i = 0, 255 do bytes[#bytes + 1] = string.char(i) end
  bytes = table.concat(bytes)
  local text = VyStringUtils.encodeBase64(bytes)
  T.ok(not text:find("[^%w+/=]"), "alphabet only, no line breaks")
  T.eq(VyStringUtils.decodeBase64(text), bytes, "round trip")
end)

T.cases("Base64 decoding rules", {
  { name = "breaks and spaces between groups", text = "Zm9v\r\nYmFy \t\b\fZg==", bytes = "foobarf" },
  { name = "a group cut by a line break", text = "Zm\n9v", bytes = "foo" },
  { name = "no padding", text = "Zm9vYg", bytes = "foob" },
  { name = "= ends the input", text = "Zm8=Zm9v", bytes = "fo" },
  { name = "NUL ends the input", text = "Zm9v\0Zm9v", bytes = "foo" },
  { name = "a lone last character gives nothing", text = "Zm9vY", bytes = "foo" },
  { name = "only whitespace", text = " \n ", bytes = "" },
}, function(case)
  T.eq(VyStringUtils.decodeBase64(case.text), case.bytes)
end)

T.cases("Base64 with a character outside the alphabet gives no value", {
  { name = "star", text = "Zm9v*mFy" },
  { name = "vertical tab", text = "Zm9v\vYmFy" },
  { name = "URL-safe alphabet", text = "Zm9v-_" },
}, function(case)
  T.eq(select("#", VyStringUtils.decodeBase64(case.text)), 0, "number of values")
end)

T.cases("hexadecimal", {
  { name = "bytes 0 and 171", bytes = "\0\171", text = "00AB" },
  { name = "empty", bytes = "", text = "" },
  { name = "every nibble", bytes = "\1\35\69\103\137\171\205\239", text = "0123456789ABCDEF" },
}, function(case)
  T.eq(VyStringUtils.encodeHex(case.bytes), case.text, "encoded")
  T.eq(VyStringUtils.decodeHex(case.text), case.bytes, "decoded")
  T.eq(VyStringUtils.decodeHex(case.text:lower()), case.bytes, "decoded from lower case")
end)

T.cases("hexadecimal decoding of odd input", {
  { name = "odd last character ignored", text = "00ab7", bytes = "\0\171" },
  { name = "one character", text = "f", bytes = "" },
  { name = "non-digits count as 0", text = "zz1g", bytes = "\0\16" },
}, function(case)
  T.eq(VyStringUtils.decodeHex(case.text), case.bytes)
end)

T.test("numbers are taken as their text", function()
  T.eq(VyStringUtils.encodeHex(12), "3132")
end)

T.finish()

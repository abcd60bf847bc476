-- "VySecurity" in the booted host: published vectors for PBKDF2-HMAC-SHA1 and AES-256-CBC, round
-- trips, decryption that fails as a whole, and a failing random generator.
local T = require "testlib"

local function unhex(text)
  return (text:gsub("%s", ""):gsub("%x%x", function(pair) return string.char(tonumber(pair, 16)) end))
end
local function hex(bytes)
  return (bytes:gsub(".", function(c) return string.format("%02x", c:byte()) end))
end

-- RFC 6070. The module always derives 32 bytes; PBKDF2's first dkLen bytes do not depend on the
-- length asked for, so the published key is the beginning of the module's.
T.cases("PBKDF2-HMAC-SHA1, RFC 6070", {
  { "password", "salt", 1, "0c60c80f961f0e71f3a9b524af6012062fe037a6" },
  { "password", "salt", 2, "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957" },
  { "password", "salt", 4096, "4b007901b765489abead49d926f721d065a429c1" },
  { "passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096,
    "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038" },
  { "pass\0word", "sa\0lt", 4096, "56fa6aa75548099dcc37d7f03425e0c3" },
}, function(case)
  local password, salt, iterations, expected = case[1], case[2], case[3], case[4]
  local key = VySecurity.PBKDF2KeyGen(password, salt, iterations)
  T.eq(#key, 32, "key length")
  T.eq(hex(key:sub(1, #expected / 2)), expected, "derived key")
end)

T.test("PBKDF2 takes 1000 iterations unless a number says otherwise", function()
  local thousand = VySecurity.PBKDF2KeyGen("pw", "salt", 1000)
  T.eq(VySecurity.PBKDF2KeyGen("pw", "salt"), thousand, "two arguments")
  T.eq(VySecurity.PBKDF2KeyGen("pw", "salt", "many"), thousand, "a text")
  T.eq(VySecurity.PBKDF2KeyGen("pw", "salt", {}), thousand, "a table")
  T.ok(VySecurity.PBKDF2KeyGen("pw", "salt", 999) ~= thousand, "999 differs")
end)

-- NIST SP 800-38A, F.2.5 and F.2.6. The initialisation vector is scripted so that the encryption
-- is the published one; the padding block that follows it is what makes the data decryptable.
local KEY = unhex("603deb1015ca71be2b73aef0857d7781 1f352c073b6108d72d9810a30914dff4")
local IV = unhex("000102030405060708090a0b0c0d0e0f")
local PLAIN = unhex([[6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51
                      30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710]])
local CIPHER = unhex([[f58c4c04d6e5f1ba779eabfb5f7bfbd6 9cfc4e967edb808d679f777bc6702c7d
                       39f23369a9d9bacfa530e26304231461 b2eb05e2c39be9fcda6c19078c6a9d1b]])

T.test("AES-256-CBC encryption, F.2.5", function()
  glimmet_test.scriptRandomBytes(IV)
  local data = VySecurity.AESEncrypt(KEY, PLAIN)
  T.eq(#data, 16 + 64 + 16, "IV, four blocks and a block of padding")
  T.eq(data:sub(1, 16), IV, "IV first")
  T.eq(hex(data:sub(17, 80)), hex(CIPHER), "cipher text")
end)

T.test("AES-256-CBC decryption, F.2.6", function()
  glimmet_test.scriptRandomBytes(IV)
  local padding = VySecurity.AESEncrypt(KEY, PLAIN):sub(81)
  T.eq(VySecurity.AESDecrypt(KEY, IV .. CIPHER .. padding), PLAIN, "plain text")
  -- Each block decrypts from the one before it: the last block alone, with the third as its IV.
  T.eq(VySecurity.AESDecrypt(KEY, CIPHER:sub(33, 48) .. CIPHER:sub(49, 64) .. padding), PLAIN:sub(49, 64))
end)

T.cases("round trip", {
  { name = "empty text", text = "", size = 32 },
  { name = "one byte", text = "x", size = 32 },
  { name = "15 bytes", text = string.rep("a", 15), size = 32 },
  { name = "16 bytes", text = string.rep("b", 16), size = 48 },
  { name = "17 bytes with NULs", text = "\0" .. string.rep("c", 15) .. "\0", size = 48 },
  { name = "a long key uses its first 32 bytes", text = "text", size = 32, key = KEY .. "tail" },
}, function(case)
  local key = case.key or VySecurity.RandomBytes(32)
  local data = VySecurity.AESEncrypt(key, case.text)
  T.eq(#data, case.size, "IV and cipher text")
  T.eq(VySecurity.AESDecrypt(key, data), case.text, "decrypted")
  if case.key then T.eq(VySecurity.AESDecrypt(KEY, data), case.text, "with the first 32 bytes") end
end)

T.test("a fresh IV for every encryption", function()
  local a, b = VySecurity.AESEncrypt(KEY, "same"), VySecurity.AESEncrypt(KEY, "same")
  T.ok(a ~= b, "cipher texts differ")
end)

-- A failing final step fails the whole decryption: no bytes of the update step come back. The IV
-- is fixed so that no case can happen to end in valid padding by chance.
T.cases("decryption that fails", {
  { name = "wrong key", data = function(d) return d end, key = string.rep("k", 32) },
  { name = "last byte changed", data = function(d) return d:sub(1, -2) .. string.char((d:byte(-1) + 1) % 256) end },
  { name = "partial last block", data = function(d) return d:sub(1, -2) end },
  { name = "IV only and one byte", data = function(d) return d:sub(1, 17) end },
}, function(case)
  glimmet_test.scriptRandomBytes(IV)
  local data = VySecurity.AESEncrypt(KEY, string.rep("secret text ", 8))
  local result, message = VySecurity.AESDecrypt(case.key or KEY, case.data(data))
  T.eq(result, nil, "result")
  T.eq(message, "decryption failed", "message")
end)

T.test("random bytes", function()
  T.eq(#VySecurity.RandomBytes(1), 1, "one")
  T.eq(#VySecurity.RandomBytes(1024 * 1024), 1024 * 1024, "1 MiB")
  T.eq(#VySecurity.RandomBytes(7.9), 7, "count truncated")
  T.ok(VySecurity.RandomBytes(32) ~= VySecurity.RandomBytes(32), "different draws")
end)

T.test("combined bytes keep their order, NULs and numbers", function()
  T.eq(VySecurity.CombineBytes("a\0", "b", 12, "\0"), "a\0b12\0")
  T.eq(VySecurity.CombineBytes("only"), "only")
end)

T.cases("a failing random generator is reported", {
  { name = "returns 0", code = 0 },
  { name = "returns -1", code = -1 },
}, function(case)
  glimmet_test.failRandomBytes(case.code)
  local encrypted, encryptMessage = VySecurity.AESEncrypt(KEY, "text")
  local bytes, bytesMessage = VySecurity.RandomBytes(16)
  glimmet_test.failRandomBytes()
  T.eq(encrypted, nil, "AESEncrypt")
  T.eq(encryptMessage, "unable to generate random bytes")
  T.eq(bytes, nil, "RandomBytes")
  T.eq(bytesMessage, "unable to generate random bytes")
end)

T.finish()

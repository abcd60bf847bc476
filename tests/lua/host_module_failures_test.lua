-- Every expected failure of the host's utility modules: {call, first result, message}.
local T = require "testlib"

local KEY = string.rep("k", 32)
local DATA = VySecurity.AESEncrypt(KEY, "text")

-- The call with every draw of the random generator failing.
local function withoutRandomBytes(call)
  return function()
    glimmet_test.failRandomBytes(0)
    local first, message = call()
    glimmet_test.failRandomBytes()
    return first, message
  end
end

T.cases("failures", {
  -- VyAppUtils
  { "SetTrayIcon()", function() return VyAppUtils.SetTrayIcon() end, nil, "not enough parameters, expected 1" },
  { "GetLocalizedString()", function() return VyAppUtils.GetLocalizedString() end, nil, "not enough parameters, expected 1" },
  -- VySecurity
  { "AESEncrypt(key)", function() return VySecurity.AESEncrypt(KEY) end, nil, "not enough parameters, expected 2" },
  { "AESEncrypt(nil, text)", function() return VySecurity.AESEncrypt(nil, "text") end, nil, "key was nil" },
  { "AESEncrypt(short key)", function() return VySecurity.AESEncrypt(string.rep("k", 31), "text") end, nil, "key shorter than 32 bytes" },
  { "AESDecrypt(key)", function() return VySecurity.AESDecrypt(KEY) end, nil, "not enough parameters, expected 2" },
  { "AESDecrypt(nil, data)", function() return VySecurity.AESDecrypt(nil, DATA) end, nil, "key was nil" },
  { "AESDecrypt(16 bytes)", function() return VySecurity.AESDecrypt(KEY, DATA:sub(1, 16)) end, nil, "cipher text not long enough" },
  { "AESDecrypt(short key)", function() return VySecurity.AESDecrypt("short", DATA) end, nil, "key shorter than 32 bytes" },
  { "AESDecrypt(wrong key)", function() return VySecurity.AESDecrypt(string.rep("w", 32), string.rep("\0", 16) .. "0123456789abcdef") end, nil, "decryption failed" },
  { "PBKDF2KeyGen(password)", function() return VySecurity.PBKDF2KeyGen("pw") end, nil, "not enough parameters, expected at least 2" },
  { "PBKDF2KeyGen(0 iterations)", function() return VySecurity.PBKDF2KeyGen("pw", "salt", 0) end, nil, "invalid value for number of iterations" },
  { "PBKDF2KeyGen(NaN iterations)", function() return VySecurity.PBKDF2KeyGen("pw", "salt", 0 / 0) end, nil, "invalid value for number of iterations" },
  { "PBKDF2KeyGen(2^31 iterations)", function() return VySecurity.PBKDF2KeyGen("pw", "salt", 2 ^ 31) end, nil, "invalid value for number of iterations" },
  { "RandomBytes()", function() return VySecurity.RandomBytes() end, nil, "not enough paramaters, expected 1" },
  { "RandomBytes(0)", function() return VySecurity.RandomBytes(0) end, nil, "invalid value for number of bytes" },
  { "RandomBytes(-1)", function() return VySecurity.RandomBytes(-1) end, nil, "invalid value for number of bytes" },
  { "RandomBytes(1 MiB + 1)", function() return VySecurity.RandomBytes(1024 * 1024 + 1) end, nil, "invalid value for number of bytes" },
  { "RandomBytes(NaN)", function() return VySecurity.RandomBytes(0 / 0) end, nil, "invalid value for number of bytes" },
  { "AESEncrypt(no random bytes)", withoutRandomBytes(function() return VySecurity.AESEncrypt(KEY, "text") end), nil, "unable to generate random bytes" },
  { "RandomBytes(no random bytes)", withoutRandomBytes(function() return VySecurity.RandomBytes(8) end), nil, "unable to generate random bytes" },
  { "CombineBytes()", function() return VySecurity.CombineBytes() end, nil, "not enough paramaters, expected at least one" },
  -- VyStringUtils
  { "encodeBase64()", function() return VyStringUtils.encodeBase64() end, nil, "not enough parameters, expected 1" },
  { "encodeBase64(nil)", function() return VyStringUtils.encodeBase64(nil) end, nil, "input was nil" },
  { "decodeBase64()", function() return VyStringUtils.decodeBase64() end, nil, "not enough parameters, expected 1" },
  { "decodeBase64(nil)", function() return VyStringUtils.decodeBase64(nil) end, nil, "input was nil" },
  { "encodeHex()", function() return VyStringUtils.encodeHex() end, nil, "not enough parameters, expected 1" },
  { "encodeHex(nil)", function() return VyStringUtils.encodeHex(nil) end, nil, "input was nil" },
  { "decodeHex()", function() return VyStringUtils.decodeHex() end, nil, "not enough parameters, expected 1" },
  { "decodeHex(nil)", function() return VyStringUtils.decodeHex(nil) end, nil, "input was nil" },
  -- VyFileUtils
  { "getDocumentsPath(unset)", function()
      glimmet_test.setDocumentsDir("")
      return VyFileUtils.getDocumentsPath()
    end, nil, "unable to retreive path to Documents" },
  { "createDirectory()", function() return VyFileUtils.createDirectory() end, false, "not enough parameters, expected 1" },
  { "createDirectory('')", function() return VyFileUtils.createDirectory("") end, false, "empty path string" },
  { "deleteFile()", function() return VyFileUtils.deleteFile() end, nil, "not enough parameters, expected 1" },
  { "deleteFile('')", function() return VyFileUtils.deleteFile("") end, nil, "empty path string" },
  { "revealAndSelectFile()", function() return VyFileUtils.revealAndSelectFile() end, nil, "not enough parameters, expected 1" },
  { "revealAndSelectFile('')", function() return VyFileUtils.revealAndSelectFile("") end, nil, "empty path string" },
  { "revealFile()", function() return VyFileUtils.revealFile() end, nil, "not enough parameters, expected 1" },
  { "revealFile('')", function() return VyFileUtils.revealFile("") end, nil, "empty path string" },
  { "replaceIllegalFileNameCharacters()", function() return VyFileUtils.replaceIllegalFileNameCharacters() end, nil, "not enough parameters, expected 1" },
  { "appendBytesToFile(path)", function() return VyFileUtils.appendBytesToFile("/tmp/x") end, nil, "not enough parameters, expected 2" },
  { "appendBytesToFile('', bytes)", function() return VyFileUtils.appendBytesToFile("", "x") end, nil, "empty path string" },
  { "createFile()", function() return VyFileUtils.createFile() end, nil, "not enough parameters, expected 1" },
  { "createFile('')", function() return VyFileUtils.createFile("") end, nil, "empty path string" },
}, function(case)
  local call, expectedFirst, expectedMessage = case[2], case[3], case[4]
  local results = { n = 0 }
  local function collect(...) results = { n = select("#", ...), ... } end
  collect(call())
  T.eq(results.n, 2, "two values from " .. case[1])
  T.eq(results[1], expectedFirst, "first value")
  T.eq(results[2], expectedMessage, "message")
end)

T.cases("wrong types raise the argument error", {
  { "AESEncrypt(table, text)", function() return VySecurity.AESEncrypt({}, "text") end, "bad argument #1" },
  { "AESDecrypt(key, nil)", function() return VySecurity.AESDecrypt(KEY, nil) end, "bad argument #2" },
  { "RandomBytes('many')", function() return VySecurity.RandomBytes("many") end, "bad argument #1" },
  { "CombineBytes('a', {})", function() return VySecurity.CombineBytes("a", {}) end, "bad argument #2" },
  { "encodeHex(true)", function() return VyStringUtils.encodeHex(true) end, "bad argument #1" },
  { "deleteFile({})", function() return VyFileUtils.deleteFile({}) end, "bad argument #1" },
}, function(case)
  local ok, err = pcall(case[2])
  T.eq(ok, false, "raised")
  T.ok(tostring(err):find(case[3], 1, true), tostring(err))
end)

T.finish()

-- The keychain, the application language and the operating-system flags.
local T = require "testlib"

local Keychain

T.test("the keychain is opened by the host and require gives the same nested table", function()
  T.eq(type(zellua.core.Keychain), "table", "opened at start-up")
  local root = zellua
  Keychain = require "zellua.keychain"
  T.eq(Keychain, zellua.core.Keychain, "the module's value is zellua.core.Keychain")
  T.eq(zellua, root, "the root table is reused")
  for _, name in ipairs({ "GetPassword", "SetPassword", "RemovePassword" }) do
    T.eq(type(Keychain[name]), "function", name)
  end
end)

T.test("a password is stored, read, replaced and removed", function()
  T.eq(Keychain.SetPassword("glimmet.test", "user", "s3cret"), true)
  T.eq(Keychain.GetPassword("glimmet.test", "user"), "s3cret")
  T.eq(glimmet_test.keychainItem("glimmet.test", "user"), "s3cret", "stored under the names in script order")
  local value, message = Keychain.GetPassword("user", "glimmet.test")
  T.eq(value, nil, "the names' order matters")
  T.eq(message, "No password found")
  T.eq(Keychain.SetPassword("glimmet.test", "user", "other"), true)
  T.eq(Keychain.GetPassword("glimmet.test", "user"), "other", "replaced")
  T.eq(Keychain.RemovePassword("glimmet.test", "user"), true)
  T.eq(Keychain.RemovePassword("glimmet.test", "user"), false, "already gone")
end)

T.cases("no password found", {
  { name = "no item", setup = function() end },
  { name = "empty password", setup = function() Keychain.SetPassword("glimmet.empty", "user", "") end },
  { name = "removed", setup = function()
      Keychain.SetPassword("glimmet.empty", "user", "x")
      Keychain.RemovePassword("glimmet.empty", "user")
    end },
}, function(case)
  case.setup()
  local n = select("#", Keychain.GetPassword("glimmet.empty", "user"))
  local value, message = Keychain.GetPassword("glimmet.empty", "user")
  T.eq(n, 2, "two results")
  T.eq(value, nil)
  T.eq(message, "No password found")
  Keychain.RemovePassword("glimmet.empty", "user")
end)

T.test("texts end at their first NUL byte", function()
  T.eq(Keychain.SetPassword("glimmet.nul\0ignored", "user", "pw\0rest"), true)
  T.eq(Keychain.GetPassword("glimmet.nul", "user"), "pw")
  T.eq(Keychain.RemovePassword("glimmet.nul", "user\0x"), true)
end)

T.test("a keychain that refuses reports it through the results", function()
  glimmet_test.setKeychainLocked(true)
  local ok, err = pcall(function()
    T.eq(Keychain.SetPassword("glimmet.locked", "user", "pw"), false)
    T.eq(select(2, Keychain.GetPassword("glimmet.locked", "user")), "No password found")
    T.eq(Keychain.RemovePassword("glimmet.locked", "user"), false)
  end)
  glimmet_test.setKeychainLocked(false)
  assert(ok, err)
end)

T.cases("keychain argument errors", {
  { name = "GetPassword without names", f = "GetPassword", n = 0, err = "bad argument #1" },
  { name = "GetPassword second name", f = "GetPassword", n = 2, "a", {}, err = "bad argument #2" },
  { name = "SetPassword without password", f = "SetPassword", n = 2, "a", "b", err = "bad argument #3" },
  { name = "RemovePassword with nil", f = "RemovePassword", n = 2, nil, "b", err = "bad argument #1" },
}, function(case)
  local ok, err = pcall(Keychain[case.f], unpack(case, 1, case.n))
  T.eq(ok, false)
  T.ok(err:find(case.err, 1, true), err)
end)

T.test("zelLocale gives the application language", function()
  local lib = require "zellua.zelLocale"
  T.eq(lib, zelLocale)
  T.eq(type(debug.getregistry()["zellua.zelLocale"]), "table", "its metatable")
  T.eq(zelLocale.ApplicationLanguage(), "en_US")
  glimmet_test.setApplicationLanguage("de_DE")
  T.eq(zelLocale.ApplicationLanguage(), "de_DE")
  glimmet_test.setApplicationLanguage("en_US")
end)

T.cases("zelTypes", {
  { name = "ZEL_OS_Flag_WIN", 1 },
  { name = "ZEL_OS_Flag_MAC", 2 },
  { name = "ZEL_OS_Flag_THIS_ONE", 2 },
  { name = "ZEL_OS_Flag_ALL", -1 },
}, function(case)
  local lib = require "zellua.zelcore.zelTypes"
  T.eq(lib, zelTypes)
  T.eq(type(debug.getregistry()["zellua.core.zelTypes"]), "table", "its metatable")
  T.eq(zelTypes[case.name], case[1])
end)

T.finish()

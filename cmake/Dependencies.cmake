# Debian packages the system calls; scripts/install-deps.sh installs them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LUA51 REQUIRED IMPORTED_TARGET lua5.1)
pkg_check_modules(LUASOCKET REQUIRED IMPORTED_TARGET lua5.1-socket)
pkg_check_modules(LUAMIME REQUIRED IMPORTED_TARGET lua5.1-mime)
pkg_check_modules(LUASEC REQUIRED IMPORTED_TARGET lua5.1-sec)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(DUKTAPE REQUIRED IMPORTED_TARGET duktape)
find_package(OpenSSL 3 REQUIRED)
find_package(Boost 1.74 REQUIRED COMPONENTS system thread regex)
find_package(Threads REQUIRED)

# The Lua halves of LuaSocket and LuaSec that the bundle carries in its scripts folder.
set(GLIMMET_LUA_SHARE_DIR /usr/share/lua/5.1)

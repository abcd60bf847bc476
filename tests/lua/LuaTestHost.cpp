// Runs one Lua test script as the boot script of the real host, in a temporary bundle, with the
// script modules it shares (testlib.lua, then any others) beside it.
// The script reaches the test through the table "glimmet_test"; the process exits 0 only when the
// script reported at least one passed case and no failed one.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "App.h"
#include "TempBundle.h"
#include "TestControls.h"
#include "arx/testing.h"
#include "kqkernel/testing.h"
#include "zelcore/ConsoleCommand.h"
#include "zelworkspace/ConsolePanel.h"
#include "zellua/binding/Protected.h"

namespace {

int gPassed = -1;
int gFailed = -1;

int report(lua_State* L) {
  gPassed = static_cast<int>(luaL_checkinteger(L, 1));
  gFailed = static_cast<int>(luaL_checkinteger(L, 2));
  return 0;
}

int endEventLoop(lua_State*) {
  if (auto* app = arx::app::App::GetApp()) app->EndEventLoop();
  return 0;
}

// Runs a console command with an open console panel; returns what the panel showed and what the
// command wrote to its output stream.
int console(lua_State* L) {
  const std::string name = luaL_checkstring(L, 1);
  const std::string text = luaL_checkstring(L, 2);
  const boost::intrusive_ptr<zelworkspace::ConsolePanel> panel(new zelworkspace::ConsolePanel());
  zelcore::UTF16String output;
  const bool found = zelcore::console::CommandRegistry::Get().Run(zelcore::UTF8to16(name), zelcore::UTF8to16(text), output);
  if (!found) return luaL_error(L, "no console command %s", name.c_str());
  lua_pushstring(L, panel->Output().c_str());
  lua_pushstring(L, zelcore::UTF16to8(output).c_str());
  return 2;
}

// runsThroughTrampoline(f) → whether f is a native function wrapped in the exception trampoline.
int runsThroughTrampoline(lua_State* L) {
  lua_pushboolean(L, lua_tocfunction(L, 1) == zellua::binding::detail::ProtectedUpvalue);
  return 1;
}

const luaL_Reg kTestFunctions[] = {{"report", report}, {"endEventLoop", endEventLoop}, {"console", console},
                                   {"runsThroughTrampoline", runsThroughTrampoline}, {nullptr, nullptr}};
const glimmet::testing::TestControls kHostControls(kTestFunctions);

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: " << argv[0] << " <test script> <testlib.lua> [<shared script>...]\n";
    return 2;
  }
  glimmet::testing::TempBundle bundle;
  bundle.WriteBootstrap(ReadFile(argv[1]));
  for (int i = 2; i < argc; ++i)
    bundle.WriteFile(bundle.ScriptsDir() / std::filesystem::path(argv[i]).filename(), ReadFile(argv[i]));

  kqkernel::testing::SetStateOpenedHook([](lua_State* L) {
    glimmet::testing::TestControls::Register(L);
  });
  // A script that never ends the event loop fails instead of hanging.
  arx::testing::SetIdleTurnLimit(3000);

  fennick::RunApplication();

  if (gPassed < 0) {
    std::cout << "the script reported no result\n0 passed, 1 failed\n";
    return 1;
  }
  std::cout << gPassed << " passed, " << gFailed << " failed\n";
  return gFailed == 0 && gPassed > 0 ? 0 : 1;
}

// The host's start-up and shutdown order, and what the environment looks like in its edge cases.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <chrono>

extern "C" {
#include <lualib.h>
}

#include "HostRun.h"
#include "HostTestSupport.h"
#include "kqkernel/testing.h"
#include "TempBundle.h"
#include "engine/testing.h"
#include "websocketpplua/testing.h"
#include "zelcore/ConsoleCommand.h"
#include "zelcore/xml/AbstractParseHandler.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelcore/testing.h"
#include "zellua/ScriptDirs.h"
#include "zellua/binding/LuaRef.h"

using namespace glimmet::testing;

namespace {

std::string DefaultPackagePath() {
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "path");
  std::string path = lua_tostring(L, -1);
  lua_close(L);
  return path;
}

std::string PackagePath(lua_State* L) {
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "path");
  std::string path = lua_tostring(L, -1);
  lua_pop(L, 2);
  return path;
}

}  // namespace

TEST(HostStartup, RunsInOrderAndTerminatesInOrder) {
  OfferRecordFunction();
  TempBundle bundle;
  bundle.WriteBootstrap(R"(
    record("bootstrap")
    function fennick_DoIdleLoop() record("idle") end
    function fennick_OnShutdown() record("shutdown") end
  )");
  const int shutdownsBefore = engine::testing::ShutdownCount();
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(run.App().IsLuaReady());
  EXPECT_EQ(websocketslua::testing::LastInitialisedState(), run.L());
  EXPECT_TRUE(engine::testing::IsRunning());
  EXPECT_EQ(lua_gettop(run.L()), 0);
  const auto* command = zelcore::console::CommandRegistry::Get().Find(u"execLua");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->Description(), u"execLua - Execute a Lua chunk in the app universe");
  auto parser = zelcore::xml::GetParser(std::make_unique<zelcore::xml::AbstractParseHandler>());
  ASSERT_NE(parser, nullptr) << "the XML parser factory is installed";
  EXPECT_EQ(parser->ParseBuffer("<a/>"), 0);

  EXPECT_EQ(run.Idle(2), 2);
  run.Stop();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"bootstrap", "idle", "idle", "shutdown"}));
  EXPECT_EQ(run.App().GetLuaState(), nullptr);
  EXPECT_FALSE(engine::testing::IsRunning());
  EXPECT_EQ(engine::testing::ShutdownCount(), shutdownsBefore + 1);
}

// The web engine starts once per process: a second start of the host in the same process finds
// it terminated for good, and its termination shuts nothing down again.
TEST(HostStartup, TheWebEngineStartsOncePerProcess) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  const int shutdownsBefore = engine::testing::ShutdownCount();
  {
    HostRun run;
    ASSERT_TRUE(run.Start());
    EXPECT_TRUE(engine::testing::IsRunning());
    run.Stop();
  }
  HostRun again;
  ASSERT_TRUE(again.Start());
  EXPECT_FALSE(engine::testing::IsRunning());
  again.Stop();
  EXPECT_EQ(engine::testing::ShutdownCount(), shutdownsBefore + 1);
}

TEST(HostStartup, BootstrapThatDoesNotCompileIsReportedAndSkipped) {
  OfferRecordFunction();
  TempBundle bundle;
  bundle.WriteBootstrap("record('never') this is not Lua (");
  // The idle hook comes from externalinit, which the package's scripts folder announces and the
  // embedded-code searcher finds among the resources.
  bundle.WriteFile(bundle.PackageScriptsDir() / "externalinit.lua", "-- marks externalinit as present\n");
  bundle.WriteFile(bundle.Resources() / "externalinit.lua",
                   "idleCount = 0\nfunction fennick_DoIdleLoop() idleCount = idleCount + 1 end\n");
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(lua_gettop(run.L()), 0);
  EXPECT_TRUE(Recorded().empty());
  bool reported = false;
  for (const auto& line : zelcore::testing::TraceLog())
    reported = reported || line.find("bootstrap.lua did not load") != std::string::npos;
  EXPECT_TRUE(reported);
  run.Idle(3);
  EXPECT_EQ(GlobalNumber(run.L(), "idleCount"), 3);
}

// A pipe (nobody writing) or a device where "bootstrap.lua" should be is reported as not loading;
// start-up neither waits on it nor reads it without end, and the program idles on.
TEST(HostStartup, BootstrapThatIsNoRegularFileIsRefusedAtOnce) {
  for (const bool pipe : {true, false}) {
    TempBundle bundle;
    const auto file = bundle.ScriptsDir() / "bootstrap.lua";
    std::filesystem::create_directories(bundle.ScriptsDir());
    std::filesystem::remove(file);
    zelcore::testing::ResetTrace();
    if (pipe)
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    else
      std::filesystem::create_symlink("/dev/zero", file);
    HostRun run;
    ASSERT_TRUE(run.Start()) << (pipe ? "pipe" : "device");
    bool reported = false;
    for (const auto& line : zelcore::testing::TraceLog())
      reported = reported || line.find("bootstrap.lua did not load: cannot read") != std::string::npos;
    EXPECT_TRUE(reported) << (pipe ? "pipe" : "device");
    run.Idle(1);
  }
}

// A boot script that raises while it runs is reported in the trace log and on standard error,
// and start-up goes on: what ran before the error stays, and the other boot script still runs.
TEST(HostStartup, BootScriptErrorsAreReportedAndStartUpGoesOn) {
  struct Row {
    const char* name;
    const char* bootstrap;
    const char* externalinit;
    const char* report;  // the start of the reported line
    const char* message;
  };
  const Row rows[] = {
      {"bootstrap.lua", "record('bootstrap') error('boot went wrong')", "record('externalinit')",
       "bootstrap.lua failed: ", "bootstrap.lua:2: boot went wrong"},
      {"an error value that is not a string", "record('bootstrap') error({})", "record('externalinit')",
       "bootstrap.lua failed: ", "(no message)"},
      {"externalinit", "record('bootstrap')", "record('externalinit') error('external went wrong')",
       "require 'externalinit' failed: ", "external went wrong"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    zelcore::testing::ResetTrace();
    OfferRecordFunction();
    TempBundle bundle;
    bundle.WriteBootstrap("function fennick_DoIdleLoop() record('idle') end\n" + std::string(row.bootstrap));
    bundle.WriteFile(bundle.PackageScriptsDir() / "externalinit.lua", "-- marks externalinit as present\n");
    bundle.WriteFile(bundle.Resources() / "externalinit.lua", row.externalinit);
    HostRun run;
    ::testing::internal::CaptureStderr();
    const bool started = run.Start();
    const std::string errorOutput = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(started);
    EXPECT_EQ(lua_gettop(run.L()), 0);
    std::vector<std::string> reports;
    for (const std::string& line : zelcore::testing::TraceLog())
      if (line.rfind(row.report, 0) == 0) reports.push_back(line);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(row.message), std::string::npos) << reports[0];
    EXPECT_NE(errorOutput.find(reports[0]), std::string::npos) << errorOutput;
    run.Idle(1);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"bootstrap", "externalinit", "idle"}));
  }
}

TEST(HostStartup, NoExternalInitFileMeansNoRequire) {
  OfferRecordFunction();
  TempBundle bundle;
  bundle.WriteBootstrap("");
  bundle.WriteFile(bundle.ScriptsDir() / "externalinit.lua", "record('externalinit')\n");
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(Recorded().empty());
}

TEST(HostStartup, ScriptsFolderWithoutProjectFolderSetsOnlySourceRoot) {
  OfferRecordFunction();
  TempBundle bundle(/*withResources=*/false);
  const auto scripts = bundle.Contents() / "elsewhere" / "lua";
  bundle.WriteFile(scripts / "bootstrap.lua", "record('bootstrap')");
  zel::lua::utility::SetLuaScriptsDirOverride(zelcore::Dir(scripts));
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(GlobalString(run.L(), "SOURCE_ROOT"), scripts.string() + "/");
  for (const char* name : {"PROJECT_ROOT", "PATH_SEPARATOR", "DEBUG_SUPPORT", "sleep"})
    EXPECT_TRUE(GlobalIsNil(run.L(), name)) << name;
  EXPECT_EQ(PackagePath(run.L()), DefaultPackagePath());
  EXPECT_TRUE(Recorded().empty());
}

TEST(HostStartup, NoScriptsFolderSetsNothing) {
  TempBundle bundle(/*withResources=*/false);
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(GlobalIsNil(run.L(), "SOURCE_ROOT"));
  EXPECT_EQ(PackagePath(run.L()), DefaultPackagePath());
}

TEST(HostStartup, CommonScriptsFolderJoinsThePathOnce) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  const auto common = bundle.Contents() / "zellua-bundle" / "Resources" / "scripts" / "lua";
  std::filesystem::create_directories(common);
  bundle.WriteFile(bundle.Contents() / "zellua-bundle" / "zellua", "code");
  zelcore::testing::RegisterModule(u"com.quorvin.zellua.framework",
                                   zelcore::UTF8to16((bundle.Contents() / "zellua-bundle" / "zellua").string()));
  HostRun run;
  ASSERT_TRUE(run.Start());
  const std::string s = ";" + bundle.ScriptsDir().string() + "/?.lua;";
  const std::string k = ";" + common.string() + "/?.lua;";
  EXPECT_EQ(PackagePath(run.L()), s + s + k + s + DefaultPackagePath());
}

TEST(HostIdle, MissingOrFailingIdleHookLeavesTheStackAlone) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  for (const char* hook : {"fennick_DoIdleLoop = nil", "function fennick_DoIdleLoop() error('idle fails') end",
                           "function fennick_DoIdleLoop() return 1, 2, 3 end",
                           // Scripts that refuse to read undeclared globals (a "strict" module):
                           // fetching the missing hook raises, and the host must not die of it.
                           "fennick_DoIdleLoop = nil fennick_OnShutdown = nil "
                           "setmetatable(_G, {__index = function(_, name) error('undeclared ' .. name, 2) end})"}) {
    ASSERT_EQ(luaL_dostring(run.L(), hook), 0);
    lua_pushinteger(run.L(), 7);  // a value a Lua caller might still hold
    EXPECT_EQ(run.Idle(5), 5) << hook;
    EXPECT_EQ(lua_gettop(run.L()), 1) << hook;
    lua_settop(run.L(), 0);
  }
}

TEST(HostSleep, BlocksForTheWholeSeconds) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(luaL_dostring(run.L(), "sleep(2.7)"), 0);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  EXPECT_GE(seconds, 1.9);
  EXPECT_LT(seconds, 2.6);
}

namespace {

// Every name the host adds to the globals table or to package.loaded, in order: a metatable on
// each records the new key and stores it as usual.
std::vector<std::string>& NewNames() {
  static std::vector<std::string> names;
  return names;
}

int RecordNewName(lua_State* L) {
  if (lua_type(L, 2) == LUA_TSTRING) {
    lua_getmetatable(L, 1);
    lua_getfield(L, -1, "prefix");
    NewNames().push_back(std::string(lua_tostring(L, -1)) + lua_tostring(L, 2));
    lua_pop(L, 2);
  }
  lua_rawset(L, 1);
  return 0;
}

void WatchNewNames(lua_State* L, int table, const char* prefix) {
  lua_newtable(L);
  lua_pushstring(L, prefix);
  lua_setfield(L, -2, "prefix");
  lua_pushcfunction(L, RecordNewName);
  lua_setfield(L, -2, "__newindex");
  lua_setmetatable(L, table < 0 && table > LUA_REGISTRYINDEX ? table - 1 : table);
}

}  // namespace

TEST(HostStartup, OpensTheNativeModulesInTheirFixedOrder) {
  NewNames().clear();
  kqkernel::testing::SetStateOpenedHook([](lua_State* L) {
    WatchNewNames(L, LUA_GLOBALSINDEX, "");
    // package.loaded is made by the standard libraries: watched from the first library opened.
    lua_getfield(L, LUA_REGISTRYINDEX, "_LOADED");
    if (lua_isnil(L, -1)) {
      lua_pop(L, 1);
      lua_newtable(L);
      lua_pushvalue(L, -1);
      lua_setfield(L, LUA_REGISTRYINDEX, "_LOADED");
    }
    WatchNewNames(L, -1, "loaded:");
    lua_pop(L, 1);
  });
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  kqkernel::testing::SetStateOpenedHook(nullptr);
  // The names each opener adds, in the order of the openers (the identity bridge and the
  // websocket module add none); the standard libraries' names are left out.
  const std::vector<std::string> expected = {
      "VyAppUtils",        "zelLogging",       "utilitieslua",      "zeroconf",
      "VySecurity",        "VyStringUtils",    "VyFileUtils",       "ulmliblua",
      "loaded:socket.core", "loaded:mime.core", "loaded:ssl.core",   "loaded:ssl.context",
      "zellua",            "loaded:zellua.core.Keychain",           "App",
      "SOURCE_ROOT",       "PROJECT_ROOT",     "PATH_SEPARATOR",    "DEBUG_SUPPORT",
      "sleep"};
  std::vector<std::string> seen;
  for (const std::string& name : NewNames())
    if (std::find(expected.begin(), expected.end(), name) != expected.end()) seen.push_back(name);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(websocketslua::testing::LastInitialisedState(), run.L());
  EXPECT_EQ(lua_gettop(run.L()), 0);
}

namespace {

// Whether the state was open, as a token taken during the run saw it, each time a finaliser ran.
zellua::binding::StateToken& RunToken() {
  static zellua::binding::StateToken token;
  return token;
}
std::vector<bool>& OpenInFinalisers() {
  static std::vector<bool> seen;
  return seen;
}

}  // namespace

// Finalisers run inside lua_close. References held by native code and released there must find
// the state already marked closed, or they would go back into a registry that is being freed.
TEST(HostShutdown, TheStateIsMarkedClosedBeforeItIsClosed) {
  OpenInFinalisers().clear();
  kqkernel::testing::SetStateOpenedHook([](lua_State* L) {
    lua_pushcfunction(L, [](lua_State*) -> int {
      OpenInFinalisers().push_back(RunToken().IsOpen());
      return 0;
    });
    lua_setfield(L, LUA_GLOBALSINDEX, "reportStateOpen");
  });
  TempBundle bundle;
  bundle.WriteBootstrap("kept = newproxy(true)\ngetmetatable(kept).__gc = reportStateOpen\n");
  HostRun run;
  ASSERT_TRUE(run.Start());
  RunToken() = zellua::binding::StateToken(run.L());
  ASSERT_TRUE(RunToken().IsOpen());
  run.Stop();
  EXPECT_EQ(OpenInFinalisers(), std::vector<bool>{false});
  EXPECT_FALSE(RunToken().IsOpen());
  RunToken() = zellua::binding::StateToken();
}

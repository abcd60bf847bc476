// Where the binding library finds the script folders.
#include <gtest/gtest.h>

#include "TempBundle.h"
#include "zelcore/Files.h"
#include "zelcore/testing.h"
#include "zellua/ScriptDirs.h"

using namespace glimmet::testing;
namespace lu = zel::lua::utility;

namespace {
std::string Path(const zelcore::Dir& dir) { return zelcore::UTF16to8(dir.FullPath()); }
}  // namespace

TEST(ScriptDirs, TheApplicationScriptsFolderIsUnderResources) {
  TempBundle bundle;
  EXPECT_EQ(Path(lu::GetLuaScriptsDir("bootstrap.lua")), (bundle.ScriptsDir() / "bootstrap.lua").string());
  EXPECT_EQ(Path(lu::GetProjectBaseDir()), bundle.Resources().string());
  lu::SetLuaScriptsDirOverride(zelcore::Dir("/elsewhere"));
  EXPECT_EQ(Path(lu::GetLuaScriptsDir("x.lua")), "/elsewhere/x.lua");
}

TEST(ScriptDirs, WithoutResourcesTheScriptsFolderIsUnsetAndNamesStayUnset) {
  TempBundle bundle(/*withResources=*/false);
  EXPECT_TRUE(lu::GetLuaScriptsDir("bootstrap.lua").FullPath().empty());
  EXPECT_TRUE(lu::GetLuaScriptsDir(zelcore::Dir(bundle.Contents() / "missing")).FullPath().empty());
}

TEST(ScriptDirs, CommonFolderFallsBackToTheFrameworksFolder) {
  TempBundle bundle;
  // The bundle's Frameworks folder links to the built libraries, which carry no scripts.
  EXPECT_TRUE(lu::GetCommonLuaScriptsDir("x.lua").FullPath().empty());
}

TEST(ScriptDirs, CommonFolderUnderTheApplicationsFrameworksFolder) {
  TempBundle bundle;
  const auto frameworks = bundle.Contents() / "Frameworks";
  std::filesystem::remove(frameworks);  // a folder of its own in place of the link to the built one
  const auto scripts = frameworks / "zellua.framework" / "Resources" / "scripts" / "lua";
  std::filesystem::create_directories(scripts);
  EXPECT_EQ(Path(lu::GetCommonLuaScriptsDir("x.lua")), (scripts / "x.lua").string());
}

// The module path of the registered bundle names either its folder or the code file inside it.
static void ExpectCommonFolderOfRegisteredBundle(bool pathNamesCodeFile) {
  TempBundle bundle;
  const auto framework = bundle.Contents() / "Lib" / "zellua.framework";
  const auto scripts = framework / "Resources" / "scripts" / "lua";
  std::filesystem::create_directories(scripts);
  bundle.WriteFile(framework / "zellua", "code");
  const auto modulePath = pathNamesCodeFile ? framework / "zellua" : framework;
  zelcore::testing::RegisterModule(u"com.quorvin.zellua.framework", zelcore::UTF8to16(modulePath.string()));
  EXPECT_EQ(Path(lu::GetCommonLuaScriptsDir("x.lua")), (scripts / "x.lua").string());
}

TEST(ScriptDirs, CommonFolderOfTheRegisteredBundleByItsFolder) { ExpectCommonFolderOfRegisteredBundle(false); }
TEST(ScriptDirs, CommonFolderOfTheRegisteredBundleByItsCodeFile) { ExpectCommonFolderOfRegisteredBundle(true); }

// The built-in workspace provider, the manager over it and the workspace submenu.
#include "BuiltInWorkspaceProvider.h"
#include "HostRun.h"
#include "ShellTestSupport.h"
#include "TempBundle.h"
#include "arx/app/App.h"
#include "arx/testing.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"
#include "zelworkspace/MenuHelper.h"
#include "zelworkspace/Workspace.h"
#include "zelworkspace/testing.h"

using namespace glimmet::testing;

namespace {

class BuiltInWorkspace : public ShellTest {};

}  // namespace

TEST_F(BuiltInWorkspace, ProvidesExactlyOneName) {
  fennick::BuiltInWorkspaceProvider provider(u"Default");
  std::vector<zelcore::UTF16String> names{u"Saved"};
  provider.GetWorkspaces(names);
  EXPECT_EQ(names, (std::vector<zelcore::UTF16String>{u"Saved", u"Default"}));
}

TEST_F(BuiltInWorkspace, BuildersForItsOwnNameAndForOthers) {
  zelworkspace::testing::SetMonitors({{0, 25, 1280, 775}, {1280, 0, 800, 600}});
  arx::testing::SetResource(u"DefaultWorkspace", u"xml",
                            "<PropList><String name='name' value='Default'/><List name='windows'/></PropList>");
  zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>());
  fennick::BuiltInWorkspaceProvider provider(u"Default");
  zelworkspace::Workspace workspace;

  // Without an application there is no resource manager: even "Default" gets the plain window.
  std::unique_ptr<zelworkspace::WorkspaceBuilder> plain(provider.GetWorkspaceBuilder(u"Default", &workspace));
  ASSERT_NE(plain, nullptr);
  EXPECT_FALSE(plain->IsDescribed());

  arx::app::App app;
  std::unique_ptr<zelworkspace::WorkspaceBuilder> own(provider.GetWorkspaceBuilder(u"Default", &workspace));
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->GetWorkspace(), &workspace);
  EXPECT_TRUE(own->IsBuiltIn());
  EXPECT_TRUE(own->IsDescribed());
  EXPECT_TRUE(own->Windows().empty());
  std::string name;
  EXPECT_TRUE(own->GetPropList().GetStringValue("name", name));
  EXPECT_EQ(name, "Default");
  EXPECT_NE(own->GetPropList().GetSubList("windows"), nullptr);

  for (const char16_t* other : {u"default", u"Other", u""}) {
    std::unique_ptr<zelworkspace::WorkspaceBuilder> builder(provider.GetWorkspaceBuilder(other, &workspace));
    ASSERT_NE(builder, nullptr);
    EXPECT_TRUE(builder->IsBuiltIn());
    EXPECT_FALSE(builder->IsDescribed());
    ASSERT_EQ(builder->Windows().size(), 1u);
    EXPECT_EQ(builder->Windows()[0].bounds, (zelworkspace::Rect{0, 25, 1280, 775}));
    EXPECT_TRUE(builder->Windows()[0].frame.Tabs().empty());
    EXPECT_TRUE(builder->Windows()[0].title.empty());
    EXPECT_TRUE(builder->GetPropList().GetPropertyNames().empty());
  }
}

TEST_F(BuiltInWorkspace, TheWorkspaceMenuListsItAndSwitchesToIt) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  bundle.WriteFile(bundle.Resources() / "CommandRegistry.xml", kCommandRegistry);
  bundle.WriteFile(bundle.Resources() / "MainMenu.xml",
                   "<Menu><Menu title='Window'><Menu title='Workspaces' command='Workspaces'>"
                   "<MenuItem title='Save' id='35001'/></Menu></Menu></Menu>");
  bundle.WriteFile(bundle.Resources() / "DefaultWorkspace.xml", "<PropList><String name='name' value='Default'/></PropList>");
  HostRun run;
  ASSERT_TRUE(run.Start());
  const auto* manager = run.App().GetWorkspaceManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->GetWorkspaceNames(), (std::vector<zelcore::UTF16String>{u"Default"}));
  EXPECT_EQ(manager->GetWorkspaceDirs().size(), 3u);
  EXPECT_NE(manager->GetWorkspaceDirs()[0].find(u"Glimmet"), zelcore::UTF16String::npos);

  const auto lines = os::DescribeMenu(*run.App().GetMainMenu());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "  Workspaces [35003] >");
  EXPECT_EQ(lines[3], "    Default [37000]") << "the first synthetic id";

  bool enabled = false, checked = false;
  zelcore::UTF16String text;
  EXPECT_TRUE(run.App().CommandEnabled(37000, enabled, checked, text));
  EXPECT_TRUE(enabled && checked);
  EXPECT_EQ(manager->GetCurrentLayout(), nullptr);
  EXPECT_TRUE(run.App().HandleCommand(37000));
  ASSERT_NE(manager->GetCurrentLayout(), nullptr);
  EXPECT_TRUE(manager->GetCurrentLayout()->IsDescribed());
}

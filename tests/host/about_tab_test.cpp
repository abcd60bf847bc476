// The About tab and its creator.
#include "AboutTabCreator.h"
#include "HostRun.h"
#include "ShellTestSupport.h"
#include "TempBundle.h"
#include "arx/testing.h"
#include "zelui/limner/Limner.h"
#include "zelui/testing.h"
#include "zelworkspace/ConsolePanel.h"

using namespace glimmet::testing;

using AboutTab = ShellTest;

TEST_F(AboutTab, TheCreatorMakesAnUnclosableTabThatTakesNoCommand) {
  fennick::AboutTabCreator creator;
  EXPECT_EQ(creator.TabType(), "Vt/AboutTab");
  EXPECT_FALSE(creator.HideWhenClosed());
  EXPECT_FALSE(creator.ObliterateWhenClosed());
  EXPECT_FALSE(creator.SaveStateWhenObliterated());

  zelworkspace::Workspace workspace;
  auto panel = creator.CreateTabPanel(&workspace, workspace.GetMainFrame());
  auto* about = dynamic_cast<fennick::AboutTab*>(panel.get());
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->GetTabType(), "Vt/AboutTab");
  EXPECT_EQ(about->GetName(), u"About");
  EXPECT_EQ(about->GetWorkspace(), &workspace);
  EXPECT_EQ(about->GetFrame(), workspace.GetMainFrame());
  EXPECT_TRUE(about->UI_SupportsLimner());
  EXPECT_FALSE(about->AllowClose());
  EXPECT_TRUE(about->AllowTabless());
  EXPECT_TRUE(about->IsLockable());
  for (int id : {35001, 35004, 35005, 37000}) {
    bool enabled = true, checked = false;
    zelcore::UTF16String text;
    EXPECT_FALSE(about->HandleCommand(id)) << id;
    EXPECT_FALSE(about->CommandEnabled(id, enabled, checked, text)) << id;
  }
  about->UI_Show(false);
  EXPECT_FALSE(about->UI_IsShown());
  about->UI_Show(true);
  about->UI_Invalidate();
  EXPECT_TRUE(about->UI_IsShown());
  EXPECT_EQ(zelui::testing::Record(*about).invalidations, 1);
}

TEST_F(AboutTab, DrawsTheAboutImageAtTheCornerWhenThereIsOne) {
  fennick::AboutTab about(nullptr, nullptr);
  limner::Limner without(nullptr, nullptr);
  about.UI_Draw(without);
  EXPECT_TRUE(without.Log().empty());

  arx::testing::SetResource(u"veyra_about", u"png", PngOfSize(320, 200));
  limner::Limner with(nullptr, nullptr);
  about.UI_Draw(with);
  EXPECT_EQ(with.Log(), (std::vector<std::string>{"DrawImage veyra_about at 0,0 factor 1"}));
}

TEST_F(AboutTab, TheApplicationRegistersItAndTheWorkspaceKeepsItOpen) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  auto* workspace = run.App().GetWorkspace();
  EXPECT_TRUE(zelworkspace::WorkspaceUtils::ToggleTabState(workspace, "Vt/AboutTab", false));
  EXPECT_TRUE(zelworkspace::WorkspaceUtils::TabIsShown(workspace, "Vt/AboutTab"));
  EXPECT_FALSE(zelworkspace::WorkspaceUtils::ToggleTabState(workspace, "Vt/AboutTab", false));
  EXPECT_TRUE(zelworkspace::WorkspaceUtils::TabIsShown(workspace, "Vt/AboutTab"));
}

// The About tab takes the focus, and with it the current command handler, but handles nothing:
// the application's own commands still reach the application through the chain.
TEST_F(AboutTab, WhileFocusedTheApplicationsCommandsPassItBy) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  auto* workspace = run.App().GetWorkspace();
  ASSERT_TRUE(zelworkspace::WorkspaceUtils::ToggleTabState(workspace, "Vt/AboutTab", false));
  auto* about = workspace->GetFocusedTabPanel();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(arx::uisupport::CommandHandlerBase::GetCurrentCommandHandler(),
            dynamic_cast<arx::uisupport::CommandHandlerBase*>(about));
  EXPECT_TRUE(arx::uisupport::CommandHandlerBase::CallCommandChain(35004));
  EXPECT_TRUE(zelworkspace::WorkspaceUtils::TabIsShown(workspace, zelworkspace::ConsolePanel::kTabType));
  const auto enablement = arx::testing::AskChainCommandEnabled(35004);
  EXPECT_TRUE(enablement.handled && enablement.enabled && enablement.checked);
}

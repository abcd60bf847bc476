// The colour theme the application applies at start-up.
#include <gtest/gtest.h>

#include "HostRun.h"
#include "TempBundle.h"
#include "zelui/Theme.h"
#include "zelworkspace/Workspace.h"

using namespace glimmet::testing;

TEST(ColorTheme, ResourceKeysThenTheApplicationsOwnKey) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  bundle.WriteFile(bundle.Resources() / "ZELColorThemesV2.xml", R"(<themes>
      <ColorKey id="12" position="0.5" red="0.25" green="0.5" blue="0.75" alpha="1"/>
      <ColorKey id="277" position="1.0" red="1" green="1" blue="1"/>
    </themes>)");
  HostRun run;
  ASSERT_TRUE(run.Start());
  zelui::Theme& theme = zelui::Theme::Get();
  auto* editor = dynamic_cast<zelui::KeyframeThemeEditor*>(theme.GetThemeEditor());
  ASSERT_NE(editor, nullptr);
  const zelui::ColorKeyValue* fromResource = editor->GetColorKeyValue(12, 0.5f);
  ASSERT_NE(fromResource, nullptr) << "the resource was parsed";
  EXPECT_EQ(*fromResource, (zelui::ColorKeyValue{0.25f, 0.5f, 0.75f, 1, false}));
  const zelui::ColorKeyValue* own = editor->GetColorKeyValue(277, 1.0f);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(*own, (zelui::ColorKeyValue{0, 0, 1, 1, false})) << "set after the resource, so it wins";
  EXPECT_EQ(theme.GetBrightness(), 1.0f);
  EXPECT_EQ(theme.ChangeNotifications(), 1);
  EXPECT_TRUE(run.App().GetWorkspace()->GetDrawSupplier()->FollowsTheme());
}

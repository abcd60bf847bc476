// The status item, its icon, and the tray menu built from its resource on every pop-up.
#include <cmath>

#include "App.h"
#include "HostRun.h"
#include "ShellTestSupport.h"
#include "TempBundle.h"
#include "arx/testing.h"
#include "mac/MenuHack.h"
#include "os/Application.h"
#include "os/StatusBar.h"
#include "os/testing.h"
#include "zelcore/testing.h"
#include "zelworkspace/Workspace.h"

using namespace glimmet::testing;

namespace {

class TrayMenu : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    bundle.WriteBootstrap("");
    bundle.WriteFile(bundle.Resources() / "CommandRegistry.xml", kCommandRegistry);
    bundle.WriteFile(bundle.Resources() / "TrayMenu.xml",
                     "<Menu><MenuItem title='$$$/T/Console=Show Console' command='ToggleConsole'/><Separator/>"
                     "<MenuItem title='Quit Glimmet' command='Quit' key='q'/></Menu>");
    bundle.WriteFile(bundle.Resources() / "glimmet_menu_icon.png", PngOfSize(16, 16));
    ASSERT_TRUE(run.Start());
  }

  os::StatusItem& Item() { return *run.App().GetStatusItem(); }

  TempBundle bundle;
  HostRun run;
};

const std::vector<std::string> kTrayItems{"Show Console [35004]", "-", "Quit Glimmet [35005]"};

}  // namespace

TEST_F(TrayMenu, TheStatusItemIsMadeAtStartUp) {
  ASSERT_NE(run.App().GetStatusItem(), nullptr);
  EXPECT_EQ(os::StatusBar::SystemStatusBar().Items().size(), 1u);
  EXPECT_EQ(Item().Length(), os::kVariableStatusItemLength);
  EXPECT_TRUE(Item().HighlightMode());
  EXPECT_EQ(Item().Target(), &fennick::MenuHack::Class());
  EXPECT_EQ(Item().Action(), "onTrayMenuClick:");
  ASSERT_NE(Item().GetImage(), nullptr);
  EXPECT_EQ(Item().GetImage()->AlignmentRect(), (os::Rect{0, 1, 16, 16}));
  EXPECT_TRUE(os::testing::PoppedUpMenus().empty()) << "nothing pops up before a click";
}

TEST_F(TrayMenu, AClickWithNoTabPopsTheMenuUpAtOnce) {
  // The web engine's pump is the only timer of a started host.
  const int timersBefore = os::testing::PendingTimers();
  Item().PerformClick();
  ASSERT_EQ(os::testing::PoppedUpMenus().size(), 1u);
  EXPECT_EQ(os::testing::PoppedUpMenus()[0], kTrayItems);
  EXPECT_EQ(os::testing::ActivationCount(), 0);
  EXPECT_EQ(os::testing::PendingTimers(), timersBefore);
  const auto& tray = run.App().GetTrayMenu();
  ASSERT_TRUE(tray);
  EXPECT_TRUE(tray->GetPlatformMenu()->AllowsKeyEquivalents());
  EXPECT_EQ(tray->GetPlatformMenu()->Items()[2].keyEquivalent, "q");
}

TEST_F(TrayMenu, AClickWithATabOpenActivatesFirstAndPopsUpAfterTheTimer) {
  ASSERT_TRUE(zelworkspace::WorkspaceUtils::ToggleTabState(run.App().GetWorkspace(), "Vt/AboutTab", false));
  Item().PerformClick();
  EXPECT_EQ(os::testing::ActivationCount(), 1);
  EXPECT_TRUE(os::testing::PoppedUpMenus().empty());
  // The web engine's pump fires on the way too; the menu tells when the tray's timer fired.
  os::testing::AdvanceRunLoopClock(0.004);
  EXPECT_TRUE(os::testing::PoppedUpMenus().empty());
  os::testing::AdvanceRunLoopClock(0.001);
  ASSERT_EQ(os::testing::PoppedUpMenus().size(), 1u);
  EXPECT_EQ(os::testing::PoppedUpMenus()[0], kTrayItems);
  os::testing::AdvanceRunLoopClock(1);
  EXPECT_EQ(os::testing::PoppedUpMenus().size(), 1u) << "the timer fires once";
}

TEST_F(TrayMenu, TheMenuIsRebuiltFromTheResourceOnEveryPopUp) {
  Item().PerformClick();
  const auto first = run.App().GetTrayMenu();
  arx::testing::SetResource(u"TrayMenu", u"xml", "<Menu><MenuItem title='Other' id='7'/></Menu>");
  Item().PerformClick();
  ASSERT_EQ(os::testing::PoppedUpMenus().size(), 2u);
  EXPECT_EQ(os::testing::PoppedUpMenus()[1], (std::vector<std::string>{"Other [7]"}));
  EXPECT_NE(run.App().GetTrayMenu(), first);
  EXPECT_EQ(first->Size(), 3) << "the earlier menu is left as it was";

  arx::testing::SetResource(u"TrayMenu", u"xml", "");
  Item().PerformClick();
  EXPECT_TRUE(os::testing::PoppedUpMenus()[2].empty()) << "an unreadable description gives an empty menu";
}

TEST_F(TrayMenu, ANullPlatformMenuIsReportedAndLeavesNoTrayMenu) {
  EXPECT_FALSE(run.App().CreateTrayMenu(nullptr));
  EXPECT_FALSE(run.App().GetTrayMenu());
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "mTrayOSMenu");
}

TEST_F(TrayMenu, TheIconSitsCentredOnAWholePoint) {
  struct Row {
    double thickness;
    unsigned width, height;  // 0 by 0: no such resource
    double y;
  };
  const Row rows[] = {
      {22, 16, 16, 1},  {22, 18, 17, 0}, {22, 20, 18, 0}, {22, 21, 21, -1},
      {24, 16, 16, 2},  {22, 30, 30, -6}, {22, 0, 0, 9},
  };
  for (const Row& row : rows) {
    os::testing::SetStatusBarThickness(row.thickness);
    const bool present = row.width != 0;
    if (present) arx::testing::SetResource(u"tray_icon", u"png", PngOfSize(row.width, row.height));
    run.App().SetTrayIconFromPng(present ? u"tray_icon" : u"no_such_icon");
    const auto& image = Item().GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->AlignmentRect(), (os::Rect{0, row.y, double(row.width), double(row.height)}))
        << row.thickness << " " << row.height << " gave y " << image->AlignmentRect().y;
    EXPECT_EQ(image->IsEmpty(), !present);
  }
}

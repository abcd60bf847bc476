// The workspace: creators by type, panels kept by id and shown or hidden, focus, the main window,
// and what happens when panels or the workspace go while something still runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "WorkspaceTestSupport.h"
#include "os/Window.h"
#include "zelworkspace/testing.h"

using namespace workspacetest;
using zelworkspace::WorkspaceUtils;
namespace wstest = zelworkspace::testing;

namespace {

bool IsLive(std::int32_t id) {
  const auto panels = wstest::LivePanels();
  return std::any_of(panels.begin(), panels.end(), [id](const auto& p) { return p.id == id; });
}

}  // namespace

TEST(WorkspacePanels, EachHasItsOwnFixedIdAndIsFoundAgainByIdAndType) {
  Workspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("B"));
  TabPanel* a1 = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
  TabPanel* b = WorkspaceUtils::CreateOrReanimateTab(&workspace, "B");
  TabPanel* a2 = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
  ASSERT_TRUE(a1 && a2 && b);
  EXPECT_NE(a1, a2) << "a second panel of a type that is shown";
  EXPECT_GT(a1->GetID(), 0);
  EXPECT_NE(a1->GetID(), a2->GetID());
  EXPECT_NE(a1->GetID(), b->GetID());
  EXPECT_EQ(a2->GetName(), u"Probe 2");
  EXPECT_EQ(a1->GetFrame(), workspace.GetMainFrame());
  EXPECT_EQ(a1->GetFrame()->GetTopLevelWindow(), workspace.GetMainTopLevelWindow());
  EXPECT_EQ(a1->UI_GetParentNode(), workspace.GetMainTopLevelWindow());

  for (TabPanel* panel : {a1, a2, b}) EXPECT_EQ(WorkspaceUtils::FindTabFromTabPanelID(&workspace, panel->GetID()), panel);
  EXPECT_EQ(WorkspaceUtils::FindTabFromTabPanelID(&workspace, 0), nullptr);
  EXPECT_EQ(WorkspaceUtils::FindTabFromTabPanelID(nullptr, a1->GetID()), nullptr);
  EXPECT_EQ(WorkspaceUtils::FindFirstTabOfType(&workspace, "A"), a1) << "the oldest";
  EXPECT_EQ(WorkspaceUtils::FindFirstTabOfType(&workspace, "A", workspace.GetMainFrame()), a1);
  WorkspaceFrameBase elsewhere;
  EXPECT_EQ(WorkspaceUtils::FindFirstTabOfType(&workspace, "A", &elsewhere), nullptr);
  EXPECT_EQ(WorkspaceUtils::FindFirstTabOfType(&workspace, "C"), nullptr);
  EXPECT_EQ(workspace.GetTabPanels(), (std::vector<TabPanel*>{a1, b, a2}));

  const std::int32_t id = a1->GetID();
  ASSERT_TRUE(WorkspaceUtils::CloseTab(&workspace, a1));
  EXPECT_EQ(WorkspaceUtils::FindTabFromTabPanelID(&workspace, id), nullptr);
  EXPECT_EQ(WorkspaceUtils::FindFirstTabOfType(&workspace, "A"), a2);
  EXPECT_NE(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A")->GetID(), id) << "ids are not given again";
}

TEST(WorkspaceCreators, ANewCreatorForATypeReplacesTheOldAndUnregisteringEndsIt) {
  Workspace workspace;
  auto firstAlive = std::make_shared<bool>(), secondAlive = std::make_shared<bool>();
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", false, nullptr, firstAlive));
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", false, nullptr, secondAlive));
  EXPECT_FALSE(*firstAlive);
  ASSERT_TRUE(*secondAlive);
  auto* creator = dynamic_cast<ProbeCreator*>(workspace.FindCreator("A"));
  ASSERT_NE(creator, nullptr);
  WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
  EXPECT_EQ(creator->Made(), 1);
  EXPECT_EQ(workspace.FindCreator("B"), nullptr);

  workspace.UnregisterTabCreator("A");
  workspace.UnregisterTabCreator("A");
  EXPECT_FALSE(*secondAlive);
  EXPECT_EQ(workspace.FindCreator("A"), nullptr);
  EXPECT_EQ(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A"), nullptr);
  EXPECT_EQ(workspace.GetTabPanels().size(), 1u) << "the panel made before stays";
}

// A creator replaced or unregistered by its own creation function finishes its call first: the
// probe creator reads its type and count after that function ran, which AddressSanitizer checks.
TEST(WorkspaceCreators, ACreatorReplacedWhileItCreatesLivesUntilTheCreationEnds) {
  struct Row {
    const char* name;
    bool reregister;
  };
  for (const Row& row : {Row{"re-registered", true}, Row{"unregistered", false}}) {
    Workspace workspace;
    auto oldAlive = std::make_shared<bool>();
    auto aliveDuring = std::make_shared<bool>(false);
    auto during = [&, row](Workspace* w) {
      if (row.reregister)
        w->RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
      else
        w->UnregisterTabCreator("A");
      *aliveDuring = *oldAlive;
    };
    workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", false, during, oldAlive));
    TabPanel* panel = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
    ASSERT_NE(panel, nullptr) << row.name;
    EXPECT_EQ(panel->GetTabType(), "A") << row.name;
    EXPECT_TRUE(*aliveDuring) << row.name;
    EXPECT_FALSE(*oldAlive) << row.name << ": gone once the creation is over";
    EXPECT_EQ(workspace.FindCreator("A") != nullptr, row.reregister) << row.name;
  }
}

TEST(WorkspacePanels, AGivenRectangleIsTakenAndToldToThePanel) {
  Workspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  const zelui::ui::Rect32 rect{5, 6, 300, 200};
  ProbePanel* placed = Probe(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A", &rect));
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(placed->UI_GetLocalRectF(false), (zelui::ui::RectF{5, 6, 300, 200}));
  EXPECT_EQ(placed->sizes, (std::vector<zelui::ui::RectF>{{5, 6, 300, 200}}));
  EXPECT_EQ(placed->UI_GetLocalRect(), rect);

  ProbePanel* plain = Probe(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A"));
  ASSERT_NE(plain, nullptr);
  EXPECT_TRUE(plain->sizes.empty());
  wstest::FireSizeChanged(*plain, {0, 0, 10.5f, 20});
  wstest::FireSizeChanged(*plain, {7, 7, 10.5f, 20});
  EXPECT_EQ(plain->sizes.size(), 1u) << "a move alone is no size change";
  EXPECT_EQ(plain->UI_GetLocalRect(), (zelui::ui::Rect32{7, 7, 11, 20})) << "covering whole units";
}

// Closing destroys a panel unless its creator hides closed panels; a hidden one comes back.
TEST(WorkspacePanels, ClosingDestroysOrHidesAndTabIsShownTellsWhich) {
  for (const bool hides : {false, true}) {
    SCOPED_TRACE(hides ? "hiding creator" : "plain creator");
    Workspace workspace;
    workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", hides));
    bool hidden = true;
    EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "A", &hidden));
    EXPECT_FALSE(hidden);

    TabPanel* panel = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
    const std::int32_t id = panel->GetID();
    EXPECT_TRUE(WorkspaceUtils::TabIsShown(&workspace, "A", &hidden));
    EXPECT_FALSE(hidden);

    EXPECT_TRUE(WorkspaceUtils::CloseTab(&workspace, panel));
    EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "A", &hidden));
    EXPECT_EQ(hidden, hides);
    EXPECT_EQ(IsLive(id), hides);
    EXPECT_EQ(WorkspaceUtils::FindTabFromTabPanelID(&workspace, id) != nullptr, hides);

    TabPanel* again = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
    EXPECT_EQ(again->GetID() == id, hides) << "a hidden panel is shown again";
    EXPECT_TRUE(again->UI_IsShown());
    EXPECT_TRUE(WorkspaceUtils::TabIsShown(&workspace, "A", &hidden));
    EXPECT_FALSE(hidden);
  }
  Workspace other;
  const TabPanelP stranger(new ProbePanel(&other, other.GetMainFrame(), "A", u"x"));
  EXPECT_FALSE(WorkspaceUtils::CloseTab(&other, stranger.get())) << "a panel the workspace does not hold";
  EXPECT_FALSE(WorkspaceUtils::TabIsShown(nullptr, "A"));
}

TEST(WorkspacePanels, APanelHeldElsewhereOutlivesItsClosingButIsNoLongerHeld) {
  Workspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  const TabPanelP held(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A"));
  WorkspaceUtils::CloseTab(&workspace, held.get());
  const auto panels = wstest::LivePanels();
  const auto it = std::find_if(panels.begin(), panels.end(), [&](const auto& p) { return p.id == held->GetID(); });
  ASSERT_NE(it, panels.end());
  EXPECT_FALSE(it->held);
  EXPECT_FALSE(it->shown);
  EXPECT_EQ(held->UI_GetParentNode(), nullptr);
}

TEST(WorkspaceToggle, TogglingShowsOrClosesAndOnlyAToolbarOpensWithoutFocus) {
  FocusWorkspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("Tab"));
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("Bar"));

  EXPECT_TRUE(WorkspaceUtils::ToggleToolbarTabState(&workspace, "Bar"));
  EXPECT_TRUE(workspace.gained.empty());
  EXPECT_EQ(workspace.GetFocusedTabPanel(), nullptr);
  EXPECT_TRUE(WorkspaceUtils::ToggleTabState(&workspace, "Tab", false));
  TabPanel* tab = WorkspaceUtils::FindFirstTabOfType(&workspace, "Tab");
  EXPECT_EQ(workspace.GetFocusedTabPanel(), tab);
  EXPECT_EQ(workspace.gained, (std::vector<TabPanel*>{tab}));

  EXPECT_TRUE(WorkspaceUtils::ToggleToolbarTabState(&workspace, "Bar"));
  EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "Bar"));
  EXPECT_TRUE(WorkspaceUtils::ToggleTabState(&workspace, "Tab", false));
  EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "Tab"));
  EXPECT_EQ(workspace.gained.back(), nullptr) << "the focused panel took the focus with it";

  EXPECT_FALSE(WorkspaceUtils::ToggleTabState(&workspace, "None", false));
  EXPECT_FALSE(WorkspaceUtils::ToggleTabState(nullptr, "Tab", false));
  EXPECT_FALSE(WorkspaceUtils::ToggleToolbarTabState(nullptr, "Bar"));
}

TEST(WorkspaceToggle, APanelThatRefusesClosingStaysOnToggleButNotOnCloseTab) {
  struct Fixed : ProbePanel {
    using ProbePanel::ProbePanel;
    bool AllowClose() const override { return false; }
  };
  struct FixedCreator : zelworkspace::TabCreator {
    FixedCreator() : TabCreator("Fixed") {}
    TabPanelP CreateTabPanel(Workspace* w, WorkspaceFrameBase* f) override { return new Fixed(w, f, "Fixed", u"F"); }
  };
  Workspace workspace;
  workspace.RegisterTabCreator(std::make_unique<FixedCreator>());
  ASSERT_TRUE(WorkspaceUtils::ToggleTabState(&workspace, "Fixed", false));
  EXPECT_FALSE(WorkspaceUtils::ToggleTabState(&workspace, "Fixed", false));
  EXPECT_TRUE(WorkspaceUtils::TabIsShown(&workspace, "Fixed"));
  EXPECT_TRUE(WorkspaceUtils::CloseTab(&workspace, WorkspaceUtils::FindFirstTabOfType(&workspace, "Fixed")));
  EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "Fixed"));
}

TEST(WorkspaceFocus, SettingTellsTheWorkspaceAndTouchesThePanel) {
  FocusWorkspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", true));
  TabPanel* first = workspace.CreateOrReanimateTab("A", nullptr, false);
  TabPanel* second = workspace.CreateOrReanimateTab("A", nullptr, false);
  EXPECT_EQ(workspace.GetLastTouchedTabPanel(), nullptr);

  workspace.SetFocusedTabPanel(first);
  workspace.SetFocusedTabPanel(first);
  EXPECT_EQ(workspace.gained, (std::vector<TabPanel*>{first, first})) << "told again when set again";
  EXPECT_EQ(workspace.GetLastTouchedTabPanel(), first);

  wstest::FireMouseEvent(*second, zelui::ui::MouseEvent());
  EXPECT_EQ(workspace.GetLastTouchedTabPanel(), second) << "a click touches";
  EXPECT_EQ(workspace.GetFocusedTabPanel(), first) << "but does not focus";

  Workspace other;
  const TabPanelP stranger(new ProbePanel(&other, other.GetMainFrame(), "A", u"x"));
  workspace.SetFocusedTabPanel(stranger.get());
  WorkspaceUtils::CloseTab(&workspace, second);  // hidden: its creator hides
  workspace.SetFocusedTabPanel(second);
  EXPECT_EQ(workspace.gained.size(), 2u) << "foreign and hidden panels are ignored";
  EXPECT_EQ(workspace.GetLastTouchedTabPanel(), second) << "a hidden panel stays the last touched";

  workspace.SetFocusedTabPanel(nullptr);
  EXPECT_EQ(workspace.gained.back(), nullptr);
  EXPECT_EQ(workspace.GetFocusedTabPanel(), nullptr);
}

TEST(WorkspaceFocus, PanelsThatGoAreNeitherFocusedNorLastTouched) {
  FocusWorkspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  TabPanel* panel = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
  ASSERT_EQ(workspace.GetFocusedTabPanel(), panel);
  WorkspaceUtils::CloseTab(&workspace, panel);
  EXPECT_EQ(workspace.GetFocusedTabPanel(), nullptr);
  EXPECT_EQ(workspace.GetLastTouchedTabPanel(), nullptr);
  EXPECT_EQ(workspace.gained.back(), nullptr);
}

TEST(WorkspaceWindow, TheMainWindowHasBoundsASupplierStaticElementsAndASpace) {
  Workspace workspace;
  zelworkspace::TopLevelWindow* window = workspace.GetMainTopLevelWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_GT(window->RefCount(), 0) << "a counted node";
  EXPECT_EQ(window->GetDrawSupplier(), workspace.GetDrawSupplier());
  EXPECT_EQ(window->GetBounds(), (zelui::ui::Rect32{}));
  window->SetBounds({10, 20, 800, 600});
  EXPECT_EQ(window->GetBounds(), (zelui::ui::Rect32{10, 20, 800, 600}));

  window->SetHasStaticElement(2, true);
  window->SetHasStaticElement(4, true);
  window->SetHasStaticElement(-1, true);
  for (int kind = -1; kind <= 4; ++kind) EXPECT_EQ(window->HasStaticElement(kind), kind == 2) << kind;

  const os::Window* platform = window->GetPlatformWindow();
  EXPECT_TRUE(platform->RespondsToIsOnActiveSpace());
  EXPECT_TRUE(platform->IsOnActiveSpace());
  wstest::SetMainWindowOnActiveSpace(workspace, false);
  EXPECT_FALSE(platform->IsOnActiveSpace());
  wstest::SetMainWindowOnActiveSpace(workspace, std::nullopt);
  EXPECT_FALSE(platform->RespondsToIsOnActiveSpace());

  const zelui::ui::UI_NodeP kept(window);
  workspace.CloseMainTopLevelWindow();
  EXPECT_EQ(workspace.GetMainTopLevelWindow(), nullptr);
  EXPECT_EQ(workspace.GetMainFrame()->GetTopLevelWindow(), nullptr);
  EXPECT_EQ(window->GetDrawSupplier(), nullptr);
  wstest::SetMainWindowOnActiveSpace(workspace, true);
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  EXPECT_EQ(WorkspaceUtils::CreateOrReanimateTab(&workspace, "A")->UI_GetParentNode(), nullptr);
}

// Panels go before the workspace: each forgets the workspace and its frame first, both the ones
// that die with it and the ones held elsewhere, which live on.
TEST(WorkspaceLifetime, PanelsForgetTheWorkspaceThatGoes) {
  Deaths().clear();
  TabPanelP kept;
  std::int32_t dyingId = 0;
  {
    Workspace workspace;
    workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A", true));
    kept = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
    TabPanel* dying = WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
    dyingId = dying->GetID();
    WorkspaceUtils::CloseTab(&workspace, dying);  // hidden, still held by the workspace
  }
  ASSERT_EQ(Deaths().size(), 1u);
  EXPECT_EQ(Deaths()[0].id, dyingId);
  EXPECT_EQ(Deaths()[0].workspace, nullptr);
  EXPECT_EQ(Deaths()[0].frame, nullptr);
  EXPECT_EQ(kept->GetWorkspace(), nullptr);
  EXPECT_EQ(kept->GetFrame(), nullptr);
  EXPECT_EQ(kept->UI_GetParentNode(), nullptr);
}

// A panel may close itself from its own code while the workspace shows it, and a visitor may
// close the tabs it visits.
TEST(WorkspaceLifetime, PanelsClosedFromTheirOwnCodeOrByAVisitorGoSafely) {
  Workspace workspace;
  workspace.RegisterTabCreator(std::make_unique<ProbeCreator>("A"));
  struct Closer : zelworkspace::TabCreator {
    Closer() : TabCreator("Closer") {}
    TabPanelP CreateTabPanel(Workspace* w, WorkspaceFrameBase* f) override {
      auto* panel = new ProbePanel(w, f, "Closer", u"c");
      panel->onSizeChanged = [](ProbePanel& p) { WorkspaceUtils::CloseTab(p.GetWorkspace(), &p); };
      return panel;
    }
  };
  workspace.RegisterTabCreator(std::make_unique<Closer>());
  const zelui::ui::Rect32 rect{0, 0, 10, 10};
  EXPECT_EQ(WorkspaceUtils::CreateOrReanimateTab(&workspace, "Closer", &rect), nullptr);
  EXPECT_FALSE(WorkspaceUtils::TabIsShown(&workspace, "Closer"));

  for (int i = 0; i < 3; ++i) WorkspaceUtils::CreateOrReanimateTab(&workspace, "A");
  struct ClosingVisitor : zelworkspace::TabVisitor {
    Workspace* workspace;
    int visits = 0;
    bool VisitTab(TabPanel* panel) override {
      ++visits;
      for (TabPanel* each : workspace->GetTabPanels()) WorkspaceUtils::CloseTab(workspace, each);
      EXPECT_EQ(panel->GetTabType(), "A");
      return true;
    }
  } visitor;
  visitor.workspace = &workspace;
  WorkspaceUtils::VisitEachTab(&workspace, visitor);
  EXPECT_EQ(visitor.visits, 3) << "the tabs shown when the visit began";
  EXPECT_TRUE(workspace.GetTabPanels().empty());
}

TEST(WorkspaceHooks, ThePlainPanelsAnswersAreTheFrameworks) {
  Workspace workspace;
  const TabPanelP panel(new TabPanel(&workspace, workspace.GetMainFrame(), "Plain", u"Plain"));
  EXPECT_TRUE(panel->AllowClose());
  EXPECT_FALSE(panel->AllowTabless());
  EXPECT_FALSE(panel->UI_SupportsLimner());
  EXPECT_TRUE(panel->GetFirstOption());
  EXPECT_TRUE(wstest::SnapSizes(*panel).empty());
  EXPECT_EQ(wstest::FirePopulateFlyout(*panel)->Size(), 0);
  EXPECT_FALSE(wstest::FireTimer(*panel, 7));
  wstest::FireOrientationChanged(*panel, true);
  wstest::FireFlyoutCommand(*panel, 3);

  panel->SetPanelRect({0, 0, 50, 40});
  const wstest::PanelDrawing drawing = wstest::DrawTabPanel(*panel);
  EXPECT_EQ(drawing.ownDraws, 1);
  EXPECT_TRUE(drawing.surfaceLog.empty());
}

// Tools tabs: the tool column added through the tool map, the active tool, tool images, the
// workspace popup and the options view.
#include <gtest/gtest.h>

#include <set>

#include "zelui/testing.h"
#include "zelworkspace/Manager.h"
#include "zelworkspace/testing.h"

using zelworkspace::Workspace;
using zelworkspace::sharedui::Tool;
using zelworkspace::sharedui::ToolMap;
using zelworkspace::sharedui::ToolPictureButton;
using zelworkspace::sharedui::ToolPictureButtonP;
using zelworkspace::sharedui::ToolsTab;
namespace wstest = zelworkspace::testing;

namespace {

// Resources that hold nothing, and an image cache that makes the images whose names it knows.
using NoResources = zelui::resources::ResourceManager;
struct KnownImages : zelui::resources::LimnerImageResourceCache {
  std::set<zelcore::UTF16String> names;
  limner::ImageP GetImage(const zelui::resources::ResourceManager&, limner::SupplierInterface*,
                          const zelcore::UTF16String& name, int) override {
    return names.count(name) ? limner::ImageP(new limner::ImageInterface(name, 16, 16)) : nullptr;
  }
};

struct TwoWorkspaces : zelworkspace::WorkspaceProviderBase {
  void GetWorkspaces(std::vector<zelcore::UTF16String>& names) override {
    names.push_back(u"Default");
    names.push_back(u"Editing");
  }
  zelworkspace::WorkspaceBuilder* GetWorkspaceBuilder(const zelcore::UTF16String&, Workspace*) override {
    return nullptr;
  }
};

class ToolsTabTest : public ::testing::Test {
 protected:
  ToolsTabTest() : manager(&workspace, u"u", u"m", u"f", &provider, false) {
    manager.Initialize();
    tab = new ToolsTab(&manager, &workspace, workspace.GetMainFrame(), true, "Tools", u"Tools", nullptr, true, nullptr);
  }

  ToolPictureButton* AddTool(int id, const char* image = "none") {
    const ToolPictureButtonP button(
        new ToolPictureButton(id, new Tool(id, u"Tool", image), &resources, &images, true));
    map.AddButtonToToolTab(button, tab.get());
    return button.get();
  }

  Workspace workspace;
  TwoWorkspaces provider;
  zelworkspace::Manager manager;
  NoResources resources;
  KnownImages images;
  boost::intrusive_ptr<ToolsTab> tab;
  ToolMap map;
};

}  // namespace

TEST_F(ToolsTabTest, ThePopupListsTheWorkspacesAndKeepsItsWidth) {
  wstest::WorkspacePopupState popup = wstest::WorkspacePopup(*tab);
  EXPECT_EQ(popup.items, (std::vector<zelcore::UTF16String>{u"Default", u"Editing"}));
  EXPECT_EQ(popup.chosen, u"Default");
  EXPECT_EQ(popup.width, ToolsTab::kDefaultWorkspacePopupWidth);
  EXPECT_TRUE(popup.shown);
  EXPECT_FALSE(popup.disabled);

  tab->SetWorkspacePopupWidth(tab->GetWorkSpacePopupWidth() + 50.0f);
  tab->GetWorkspacePopup()->UI_SetDisabled(true);
  popup = wstest::WorkspacePopup(*tab);
  EXPECT_EQ(popup.width, ToolsTab::kDefaultWorkspacePopupWidth + 50.0f);
  EXPECT_EQ(tab->GetWorkspacePopup()->UI_GetLocalRectF(false).width, popup.width);
  EXPECT_TRUE(popup.disabled);

  AddTool(1);
  EXPECT_EQ(wstest::ToolButtons(*tab)[0].rect.top, 22.0f) << "below the popup";
  tab->ShowWorkspacePopup(false);
  EXPECT_FALSE(wstest::WorkspacePopup(*tab).shown);
  EXPECT_EQ(wstest::ToolButtons(*tab)[0].rect.top, 0.0f) << "the column moves up";

  const ToolsTab* managerless =
      new ToolsTab(nullptr, &workspace, nullptr, false, "T", u"T", nullptr, false, nullptr);
  const boost::intrusive_ptr<const ToolsTab> hold(managerless);
  EXPECT_TRUE(wstest::WorkspacePopup(*managerless).items.empty());
}

TEST_F(ToolsTabTest, ToolsAndSeparatorsFormAColumnThatSnapsWhole) {
  AddTool(1);
  tab->AddSeparator();
  AddTool(2);
  tab->ShowWorkspacePopup(false);
  tab->SetToolWidthHeight(20, 10);
  const auto column = wstest::ToolButtons(*tab);
  ASSERT_EQ(column.size(), 3u);
  EXPECT_EQ(column[0].toolId, 1);
  EXPECT_EQ(column[0].label, "Tool");
  EXPECT_TRUE(column[1].separator);
  EXPECT_EQ(column[2].rect, (zelcore::RectF32{0, 16, 20, 10}));
  EXPECT_EQ(wstest::SnapSizes(*tab), (std::vector<zelcore::PointT<int>>{{20, 26}}));
  EXPECT_TRUE(tab->UI_SupportsLimner());
}

TEST_F(ToolsTabTest, ActivatingAToolMakesItTheOnlyActiveOneBeforeItTells) {
  EXPECT_EQ(tab->GetActiveToolID(), ToolsTab::kNoTool);
  ToolPictureButton* first = AddTool(1);
  ToolPictureButton* second = AddTool(2);
  std::vector<int> told;
  for (ToolPictureButton* button : {first, second})
    button->NotifyWhenChanged([&](const zelui::controls::UI_ControlChangedMessage&) {
      told.push_back(tab->GetActiveToolID());
    });

  map.GetToolButtonFromToolID(1)->ActivateButton();
  second->ActivateButton();
  second->ActivateButton();
  EXPECT_EQ(told, (std::vector<int>{1, 2, 2})) << "told after the change, also when it was active already";
  EXPECT_EQ(tab->GetActiveToolID(), 2);
  EXPECT_EQ(tab->GetPreviouslyActiveToolID(), 1);
  EXPECT_FALSE(first->IsActive());
  EXPECT_TRUE(second->IsActive());
}

TEST_F(ToolsTabTest, ADuplicateIdKeepsBothButtonsAndTheMapFindsTheNewest) {
  ToolPictureButton* older = AddTool(7);
  ToolPictureButton* newer = AddTool(7);
  EXPECT_NE(older, newer);
  EXPECT_EQ(map.GetToolButtonFromToolID(7), newer);
  EXPECT_EQ(wstest::ToolButtons(*tab).size(), 2u);
  EXPECT_EQ(map.GetToolButtonFromToolID(8), nullptr);
  map.AddButtonToToolTab(nullptr, tab.get());
  EXPECT_EQ(wstest::ToolButtons(*tab).size(), 2u);
}

TEST_F(ToolsTabTest, AMouseDownActivatesAnEnabledToolOnly) {
  struct Row {
    const char* name;
    int action;
    bool disabled;
    bool activates;
  };
  for (const Row& row : {Row{"mouse down", zelui::ui::kMouseDown, false, true},
                         Row{"mouse up", zelui::ui::kMouseUp, false, false},
                         Row{"disabled", zelui::ui::kMouseDown, true, false}}) {
    ToolPictureButton* button = AddTool(static_cast<int>(wstest::ToolButtons(*tab).size()) + 1);
    button->SetDisabled(row.disabled);
    zelui::ui::MouseEvent event;
    event.action = row.action;
    zelui::testing::InjectMouseEvent(*button, event);
    EXPECT_EQ(button->IsActive(), row.activates) << row.name;
    EXPECT_EQ(tab->GetActiveToolID() == button->GetToolID(), row.activates) << row.name;
  }
}

TEST_F(ToolsTabTest, EachToolDrawsItsImageAndAMissingImageDrawsNothing) {
  images.names = {u"pen"};
  AddTool(1, "missing");
  AddTool(2, "pen");
  const wstest::PanelDrawing drawing = wstest::DrawTabPanel(*tab);
  EXPECT_EQ(drawing.contextLog, (std::vector<std::string>{"DrawImage pen at 0,54 factor 1"}));
  EXPECT_EQ(drawing.ownDraws, 1);

  const ToolPictureButtonP loose(new ToolPictureButton(3, new Tool(3, u"x", "pen"), nullptr, &images, false));
  tab->AddToolButton(loose.get());
  EXPECT_EQ(wstest::DrawTabPanel(*tab).contextLog.size(), 1u) << "a button without resources draws nothing";
}

TEST_F(ToolsTabTest, TheOptionsViewGoesBelowTheColumn) {
  const boost::intrusive_ptr<zelui::ui::UI_SubView> options(new zelui::ui::UI_SubView());
  options->UI_SetLocalRectF({0, 0, 10, 40});
  tab->SetPanelRect({0, 0, 64, 300});
  AddTool(1);
  tab->SetToolOptionsView(options.get(), -1.0f);
  EXPECT_EQ(tab->GetToolOptionsView(), options.get());
  EXPECT_EQ(options->UI_GetLocalRectF(false), (zelcore::RectF32{0, 54, 64, 40})) << "as wide as the tab";
  tab->SetToolOptionsView(options.get(), 30.0f);
  EXPECT_EQ(options->UI_GetLocalRectF(false).width, 30.0f);
  tab->SetToolOptionsView(nullptr, -1.0f);
  EXPECT_EQ(options->UI_GetParentNode(), nullptr);
}

// The change message may close the tools tab that shows the button: the button is held while it
// tells, and the tab dies when the workspace lets it go.
TEST(ToolsTabLifetime, AChangeHandlerMayCloseTheTab) {
  Workspace workspace;
  struct Creator : zelworkspace::TabCreator {
    Creator() : TabCreator("Tools") {}
    zelworkspace::TabPanelP CreateTabPanel(Workspace* w, zelworkspace::WorkspaceFrameBase* f) override {
      return new ToolsTab(nullptr, w, f, true, "Tools", u"Tools", nullptr, true, nullptr);
    }
  };
  workspace.RegisterTabCreator(std::make_unique<Creator>());
  auto* tab = dynamic_cast<ToolsTab*>(zelworkspace::WorkspaceUtils::ToggleToolbarTabState(&workspace, "Tools")
                                          ? workspace.FindFirstTabOfType("Tools")
                                          : nullptr);
  ASSERT_NE(tab, nullptr);
  const std::int32_t id = tab->GetID();
  ToolMap map;
  const ToolPictureButtonP button(new ToolPictureButton(1, new Tool(1, u"t", "i"), nullptr, nullptr, true));
  map.AddButtonToToolTab(button, tab);
  button->NotifyWhenChanged([&](const zelui::controls::UI_ControlChangedMessage&) {
    zelworkspace::WorkspaceUtils::CloseTab(&workspace, workspace.FindTabFromTabPanelID(id));
  });
  button->ActivateButton();
  EXPECT_EQ(workspace.FindTabFromTabPanelID(id), nullptr);
  EXPECT_EQ(button->UI_GetParentNode(), nullptr);
  EXPECT_TRUE(button->IsActive());
}

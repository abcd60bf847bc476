// OS menu items by position and by id, submenus that would contain their own menu, popup and
// context menus answered by the user's queued choice, and the input box.
#include <gtest/gtest.h>

#include "os/Menu.h"
#include "zelui/NodeManager.h"
#include "zelui/dialogs/SimpleInputBox.h"
#include "zelui/testing.h"
#include "zelui/ui/PopupMenu.h"
#include "zelui/ui/UI_SubView.h"

using zelui::utility::CreateOSMenu;
using zelui::utility::OS_MenuP;
namespace uitest = zelui::testing;

namespace {

// A menu: "Open [10]", a separator, "Recent [11] >" with "One [12]".
OS_MenuP SampleMenu() {
  const OS_MenuP menu = CreateOSMenu();
  const OS_MenuP recent = CreateOSMenu();
  recent->AppendItem(u"One", 12);
  menu->AppendItem(u"Open", 10);
  menu->AppendSeparator(0);
  menu->AppendItem(u"Recent", 11, recent);
  return menu;
}

}  // namespace

TEST(OSMenu, ItemsByPositionAreBoundsChecked) {
  const OS_MenuP menu = SampleMenu();
  ASSERT_EQ(menu->Size(), 3);
  struct Row {
    int position;
    bool exists;
  };
  for (const Row& row : {Row{-1, false}, Row{0, true}, Row{2, true}, Row{3, false}, Row{1 << 30, false}}) {
    SCOPED_TRACE(row.position);
    EXPECT_EQ(menu->SetItemEnabled(row.position, false), row.exists);
    EXPECT_FALSE(menu->IsItemEnabled(row.position));
    EXPECT_EQ(menu->SetItemChecked(row.position, true), row.exists);
    EXPECT_EQ(menu->IsItemChecked(row.position), row.exists);
    EXPECT_EQ(menu->SetItemID(row.position, 40 + row.position), row.exists);
    EXPECT_EQ(menu->GetItemID(row.position), row.exists ? 40 + row.position : 0);
  }
  EXPECT_EQ(menu->Size(), 3) << "nothing added past the end";
  EXPECT_TRUE(menu->IsItemSeparator(1));
  EXPECT_FALSE(menu->IsItemSeparator(0));
  EXPECT_FALSE(menu->IsItemSeparator(3));
  EXPECT_EQ(menu->GetItemText(2), u"Recent");
  EXPECT_EQ(menu->GetItemText(9), u"");
  EXPECT_TRUE(menu->SetItemEnabled(0, true));
  EXPECT_TRUE(menu->IsItemEnabled(0));
  EXPECT_EQ(os::DescribeMenu(*menu->GetPlatformMenu())[0], "Open [40] (checked)");
}

TEST(OSMenu, SubmenusAreFoundByPositionAndGivenById) {
  const OS_MenuP menu = SampleMenu();
  const OS_MenuP recent = menu->GetItemSubMenu(2);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->GetItemText(0), u"One");
  EXPECT_EQ(menu->GetItemSubMenu(0), nullptr);
  EXPECT_EQ(menu->GetItemSubMenu(5), nullptr);

  EXPECT_TRUE(menu->SetItemIDChecked(10, true));
  EXPECT_TRUE(menu->IsItemChecked(0));
  EXPECT_FALSE(menu->SetItemIDChecked(12, true)) << "only the menu's own items, not its submenus'";
  const OS_MenuP more = CreateOSMenu();
  EXPECT_TRUE(menu->SetItemIDSubMenu(10, more));
  EXPECT_EQ(menu->GetItemSubMenu(0)->GetPlatformMenu(), more->GetPlatformMenu());
  EXPECT_TRUE(menu->SetItemIDSubMenu(10, nullptr));
  EXPECT_EQ(menu->GetItemSubMenu(0), nullptr);
  EXPECT_FALSE(menu->SetItemIDSubMenu(99, more));
}

// A menu never contains itself: as its own submenu, or as the submenu of one of its submenus.
TEST(OSMenu, SubmenusThatWouldContainTheirOwnMenuAreRefused) {
  const OS_MenuP menu = SampleMenu();
  const OS_MenuP recent = menu->GetItemSubMenu(2);
  const OS_MenuP deeper = CreateOSMenu();
  recent->AppendItem(u"Deeper", 13, deeper);
  for (const OS_MenuP& into : {menu, recent, deeper}) {
    const int size = into->Size();
    EXPECT_FALSE(into->AppendItem(u"Loop", 1, menu));
    EXPECT_EQ(into->Size(), size);
  }
  EXPECT_FALSE(deeper->AppendItem(u"Loop", 1, recent));
  EXPECT_FALSE(recent->SetItemIDSubMenu(12, menu));
  EXPECT_FALSE(menu->SetItemIDSubMenu(10, menu));
  EXPECT_TRUE(menu->AppendItem(u"Shared", 14, deeper)) << "the same submenu twice is no loop";
  EXPECT_TRUE(menu->Contains(deeper->GetPlatformMenu()));
  EXPECT_FALSE(deeper->Contains(menu->GetPlatformMenu()));
}

TEST(PopupMenus, TheQueuedChoiceIsReturnedWhenAnEnabledItemOffersIt) {
  const OS_MenuP menu = SampleMenu();
  menu->SetItemEnabled(0, false);
  const zelui::ui::UI_NodeP node(new zelui::ui::UI_SubView());
  struct Row {
    const char* name;
    bool queue;
    int choice;
    int result;
  };
  const Row rows[] = {{"an item of a submenu", true, 12, 12},
                      {"a disabled item", true, 10, 0},
                      {"an id no item has", true, 77, 0},
                      {"an item that opens a submenu", true, 11, 0},
                      {"nothing queued", false, 0, 0}};
  for (const Row& row : rows) {
    if (row.queue) uitest::QueueMenuChoice(row.choice);
    EXPECT_EQ(zelui::ui::UI_DoPopupMenu(menu, node.get(), {1, 2, 30, 40}, true), row.result) << row.name;
  }
  uitest::QueueMenuChoice(12);
  EXPECT_EQ(zelui::ui::UI_DoContextMenu(menu, nullptr, {5, 6}), 12);
  EXPECT_EQ(zelui::ui::UI_DoContextMenu(nullptr, node.get(), {5, 6}), 0) << "a null menu shows nothing";

  const auto& shown = uitest::ShownMenus();
  ASSERT_EQ(shown.size(), std::size(rows) + 1);
  EXPECT_EQ(shown[0].kind, uitest::ShownMenu::kPopup);
  EXPECT_EQ(shown[0].node, node.get());
  EXPECT_EQ(shown[0].rect, (zelui::ui::RectF{1, 2, 30, 40}));
  EXPECT_TRUE(shown[0].flag);
  EXPECT_EQ(shown[0].items, os::DescribeMenu(*menu->GetPlatformMenu()));
  EXPECT_EQ(shown[1].result, 0);
  const uitest::ShownMenu& context = shown.back();
  EXPECT_EQ(context.kind, uitest::ShownMenu::kContext);
  EXPECT_EQ(context.point, (zelui::ui::PointF{5, 6}));
  EXPECT_EQ(context.result, 12);
}

TEST(InputBox, AcceptedGivesTheTextAndCancelledKeepsTheValue) {
  limner::SupplierInterface* supplier = zelui::ui::UI_NodeManager::Get(false)->GetDefaultSupplier();
  uitest::QueueInputBoxAnswer({true, u"typed"});
  zelcore::UTF16String value = u"start";
  EXPECT_TRUE(zelui::dialogs::SimpleInputBox(supplier, u"Name", u"Enter a name", value, true, nullptr, true, 0.0f,
                                             0.0f, 1, 2048));
  EXPECT_EQ(value, u"typed");
  uitest::QueueInputBoxAnswer({});
  EXPECT_FALSE(zelui::dialogs::SimpleInputBox(supplier, u"t", u"p", value, false, nullptr, false, 1, 2, 3, 4));
  EXPECT_FALSE(zelui::dialogs::SimpleInputBox(supplier, u"t", u"p", value, false, nullptr, false, 1, 2, 3, 4));
  EXPECT_EQ(value, u"typed") << "unchanged by a cancel";

  const auto& shown = uitest::ShownInputBoxes();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].supplier, supplier);
  EXPECT_EQ(shown[0].title, u"Name");
  EXPECT_EQ(shown[0].prompt, u"Enter a name");
  EXPECT_EQ(shown[0].initialValue, u"start");
  EXPECT_TRUE(shown[0].firstOption && shown[0].secondOption);
  EXPECT_EQ(shown[0].firstButton, 1);
  EXPECT_EQ(shown[0].secondButton, 2048);
  EXPECT_TRUE(shown[0].accepted);
  EXPECT_FALSE(shown[2].accepted);
  EXPECT_EQ(shown[2].initialValue, u"typed");
}

// The multi-column tree: rows by counted reference in one tree at a time, the rows a removal takes
// away, sorting under predicates that are no order, dragged-rows data checked against the live
// tree, and what the user's clicks, drags, drops and draws reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zelui/controls/MultiColumnTree.h"
#include "zelui/testing.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;
using controls::UI_MultiColumnTree;
using controls::UI_MultiColumnTreeRow;
using controls::UI_MultiColumnTreeRowList;
using controls::UI_MultiColumnTreeRowP;

namespace {

// A row that knows its name.
class NamedRow : public UI_MultiColumnTreeRow {
 public:
  explicit NamedRow(std::string name) : UI_MultiColumnTreeRow(true), name(std::move(name)) {}
  std::string name;
};

const std::string& NameOf(const UI_MultiColumnTreeRow* row) { return static_cast<const NamedRow*>(row)->name; }

std::string Names(const UI_MultiColumnTreeRowList& rows) {
  std::string names;
  for (const auto& row : rows) names += (names.empty() ? "" : " ") + NameOf(row.get());
  return names;
}

UI_MultiColumnTreeRowP Add(UI_MultiColumnTree& tree, const std::string& name, UI_MultiColumnTreeRow* parent = nullptr) {
  UI_MultiColumnTreeRowP row(new NamedRow(name));
  EXPECT_GE(tree.AppendRow(row, parent, false), 0) << name;
  return row;
}

// a (a1 a2 (a2x)) b c
struct Fixture : ::testing::Test {
  boost::intrusive_ptr<UI_MultiColumnTree> tree{new UI_MultiColumnTree(2, 10)};
  UI_MultiColumnTreeRowP a = Add(*tree, "a"), a1 = Add(*tree, "a1", a.get()), a2 = Add(*tree, "a2", a.get()),
                         a2x = Add(*tree, "a2x", a2.get()), b = Add(*tree, "b"), c = Add(*tree, "c");
};

}  // namespace

using TreeRows = Fixture;

TEST_F(TreeRows, IndexesCountsAndVisibility) {
  EXPECT_EQ(tree->CountRows(false), 3);
  EXPECT_EQ(tree->CountRows(true), 6);
  EXPECT_EQ(tree->GetRow(1), b.get());
  EXPECT_EQ(tree->GetRow(3), nullptr);
  EXPECT_EQ(tree->GetRow(-1), nullptr);
  EXPECT_EQ(a->GetChildRowIndex(a2.get()), 1);
  EXPECT_EQ(a->GetChildRowIndex(b.get()), -1);
  EXPECT_EQ(Names(tree->GetVisibleRows()), "a b c");
  tree->OpenRow(a.get());
  tree->OpenRow(a2.get());
  EXPECT_EQ(Names(tree->GetVisibleRows()), "a a1 a2 a2x b c");
  tree->CloseRow(a.get());
  EXPECT_EQ(Names(tree->GetVisibleRows()), "a b c");
  EXPECT_EQ(Names(tree->GetOpenedRows()), "a2");
}

TEST_F(TreeRows, RowsOfAnotherTreeAreRefusedAndNothingIsRemoved) {
  boost::intrusive_ptr<UI_MultiColumnTree> other(new UI_MultiColumnTree(1, 18));
  EXPECT_EQ(other->AppendRow(a, nullptr, false), -1);
  EXPECT_EQ(other->AppendRow(UI_MultiColumnTreeRowP(new NamedRow("x")), a.get(), false), -1);
  EXPECT_EQ(other->InsertRow(UI_MultiColumnTreeRowP(new NamedRow("x")), nullptr, b.get(), false, false), -1);
  other->RemoveRow(a.get(), true, false);
  other->OpenRow(a.get());
  other->SelectRows({a, b}, false, true, false);
  EXPECT_EQ(a->GetTree(), tree.get());
  EXPECT_FALSE(a->GetParentRow());
  EXPECT_EQ(tree->CountRows(true), 6);
  EXPECT_EQ(other->CountRows(true), 0);
  EXPECT_TRUE(other->GetSelectedRows().empty());
  EXPECT_FALSE(tree->IsRowOpen(a.get()));
}

TEST_F(TreeRows, ARemovedSubtreeForgetsItsTreeAndMayJoinAnother) {
  tree->OpenRow(a2.get());
  tree->SelectRows({a2x}, false, false, false);
  tree->RemoveRow(a2.get(), true, false);
  EXPECT_EQ(a2->GetTree(), nullptr);
  EXPECT_EQ(a2->GetParentRow(), nullptr);
  EXPECT_EQ(a2x->GetTree(), nullptr);
  EXPECT_EQ(a2x->GetParentRow(), a2.get());
  EXPECT_EQ(Names(tree->AllRows()), "a a1 b c");
  EXPECT_TRUE(tree->GetSelectedRows().empty());
  // Removing again, or opening it, reaches nothing.
  tree->RemoveRow(a2.get(), true, false);
  tree->OpenRow(a2x.get());
  EXPECT_TRUE(tree->GetOpenedRows().empty());

  boost::intrusive_ptr<UI_MultiColumnTree> other(new UI_MultiColumnTree(1, 18));
  EXPECT_EQ(other->AppendRow(a2, nullptr, false), 0);
  EXPECT_EQ(a2x->GetTree(), other.get());
  EXPECT_EQ(other->CountRows(true), 2);
}

TEST_F(TreeRows, RowsOutliveTheirTree) {
  tree.reset();
  EXPECT_EQ(a2x->GetTree(), nullptr);
  EXPECT_EQ(a2x->GetParentRow(), a2.get());
}

TEST_F(TreeRows, SelectRowsSelectsExactlyTheRowsGiven) {
  tree->SelectRows({a, b}, false, true, false);
  EXPECT_EQ(Names(tree->GetSelectedRows()), "a");
  tree->SetSupportMultipleSelections(true);
  tree->SelectRows({c, a1}, false, true, false);
  EXPECT_EQ(Names(tree->GetSelectedRows()), "a1 c");
  EXPECT_EQ(tree->GetSelectionNotifications(), 2);
  tree->SelectRows({c, a1}, false, true, false);
  EXPECT_EQ(tree->GetSelectionNotifications(), 2) << "no change, no notification";
  tree->DeselectAllRows(false);
  EXPECT_TRUE(tree->GetSelectedRows().empty());
  EXPECT_EQ(tree->GetSelectionNotifications(), 2);
}

using TreeSorting = Fixture;

TEST_F(TreeSorting, SortsEveryLevelByThePredicate) {
  tree->SetRowSortingFunction([](UI_MultiColumnTreeRow* x, UI_MultiColumnTreeRow* y) { return NameOf(x) > NameOf(y); });
  tree->SortTree();
  EXPECT_EQ(Names(tree->AllRows()), "c b a a2 a2x a1");
}

TEST_F(TreeSorting, HostilePredicatesEndAndLoseNoRow) {
  for (int i = 0; i < 40; ++i) Add(*tree, "n" + std::to_string(i), i % 2 ? a.get() : nullptr);
  const std::vector<std::function<bool(UI_MultiColumnTreeRow*, UI_MultiColumnTreeRow*)>> predicates = {
      [](auto*, auto*) { return true; },
      [](auto*, auto*) { return false; },
      [n = 0](auto*, auto*) mutable { return (++n % 3) == 0; },
      [](UI_MultiColumnTreeRow* x, UI_MultiColumnTreeRow* y) { return x == y; },
  };
  for (const auto& predicate : predicates) {
    tree->SetRowSortingFunction(predicate);
    tree->SortTree();
    EXPECT_EQ(tree->CountRows(true), 46);
  }
}

TEST_F(TreeSorting, APredicateThatChangesTheTreeLeavesItConsistent) {
  int calls = 0;
  tree->SetRowSortingFunction([&](UI_MultiColumnTreeRow* x, UI_MultiColumnTreeRow* y) {
    if (++calls == 1) {
      tree->RemoveRow(b.get(), true, false);
      tree->RemoveRow(a2.get(), true, false);
      Add(*tree, "d");
    }
    return NameOf(x) < NameOf(y);
  });
  tree->SortTree();
  EXPECT_EQ(Names(tree->AllRows()), "a a1 c d");
  EXPECT_EQ(b->GetTree(), nullptr);
}

using TreeDragging = Fixture;

TEST_F(TreeDragging, DraggedRowsAreFoundByHandleInTheLiveTreeOnly) {
  const zelcore::UTF16String value = UI_MultiColumnTree::MakeRowsDragData({c, a2x, b});
  EXPECT_EQ(Names(tree->GetRowsBeingDragged(value)), "c a2x b");
  tree->RemoveRow(a.get(), true, false);
  EXPECT_EQ(Names(tree->GetRowsBeingDragged(value)), "c b");
  boost::intrusive_ptr<UI_MultiColumnTree> other(new UI_MultiColumnTree(1, 18));
  EXPECT_TRUE(other->GetRowsBeingDragged(value).empty());
  for (const char16_t* junk : {u"", u",,", u"x1,2", u"99999999999999999999999", u"-1"})
    EXPECT_TRUE(tree->GetRowsBeingDragged(junk).empty());
}

TEST_F(TreeDragging, ADragStartAsksTheCallbackAndDragsTheSelectedRows) {
  tree->SetRowsDraggedDataType(u"rows");
  int asked = 0;
  tree->SetSelectedRowsBeingDraggedCallback([&](const ui::MouseEvent&) { return ++asked > 1; });
  EXPECT_FALSE(zt::TreeDragStart(*tree, {5, 15})) << "row dragging is off";
  tree->SetAllowRowDragging(true);
  EXPECT_FALSE(zt::TreeDragStart(*tree, {5, 15}));
  EXPECT_TRUE(zt::TreeDragStart(*tree, {5, 15}));
  EXPECT_EQ(Names(tree->GetSelectedRows()), "b");
  ASSERT_FALSE(zt::Drags().empty());
  EXPECT_EQ(Names(tree->GetRowsBeingDragged(zt::Drags().back().data.values.at(u"rows"))), "b");
}

using TreeInput = Fixture;

TEST_F(TreeInput, ClicksHitRowsByHeightAndColumnsByWidth) {
  std::vector<std::string> seen;
  const auto record = [&seen](const char* what) {
    return [&seen, what](UI_MultiColumnTreeRow* row, const ui::PointF&, ui::ModifierFlags mods, std::size_t column) {
      seen.push_back(std::string(what) + " " + NameOf(row) + " col " + std::to_string(column) + " mod " +
                     std::to_string(mods));
    };
  };
  tree->SetRowSingleClickDownCallback(record("down"));
  tree->SetRowSingleClickUpCallback(record("up"));
  tree->SetRowDoubleClickedCallback(record("double"));
  tree->SetColumnWidth(0, 50);
  EXPECT_TRUE(zt::TreeClick(*tree, {60, 25}, 2));
  EXPECT_TRUE(zt::TreeClick(*tree, {400, 0}, 0, 2));
  EXPECT_FALSE(zt::TreeClick(*tree, {10, 30}));
  EXPECT_EQ(seen, (std::vector<std::string>{"down c col 1 mod 2", "up c col 1 mod 2", "double a col 1 mod 0",
                                            "up a col 1 mod 0"}));
  EXPECT_EQ(Names(tree->GetLastNotifiedSelection()), "a");
  EXPECT_EQ(tree->GetCallbackInstallCount(), 3);
}

TEST_F(TreeInput, DrawingCallsTheCellCallbackPerVisibleCell) {
  tree->OpenRow(a.get());
  std::vector<std::string> cells;
  tree->SetDrawCellOfRowCallback([&](limner::Limner&, UI_MultiColumnTreeRow* row, std::size_t column, const ui::RectF& r) {
    cells.push_back(NameOf(row) + ":" + std::to_string(column) + "@" + std::to_string(int(r.left)) + "," +
                    std::to_string(int(r.top)));
  });
  zt::LendableContext lent;
  zt::InjectDraw(*tree, lent.Context());
  EXPECT_EQ(cells.size(), 10u);
  EXPECT_EQ(cells[3], "a1:1@100,10");
}

TEST_F(TreeInput, DropsReportTheValidFlagAndEffectLeft) {
  EXPECT_FALSE(zt::DropOnTree(*tree, {}).accepted) << "no callback";
  tree->SetDropSupportCallback([](int action, controls::UI_MultiColumnTreeDropData* data) {
    if (data == nullptr) return action == controls::kDropAction_DragLeave;
    data->isDropValid = false;
    if (data->dropEffect) *data->dropEffect = 8;
    return data->data->GetAsText() == u"yes";
  });
  zt::TreeDrop drop;
  drop.action = controls::kDropAction_DragLeave;
  EXPECT_TRUE(zt::DropOnTree(*tree, drop).accepted);
  zelui::datatransfer::DataSet data;
  data.values[zelui::datatransfer::kUnicodeTextDataType] = u"yes";
  drop.data = data;
  drop.dropEffect = 1;
  const zt::TreeDropResult result = zt::DropOnTree(*tree, drop);
  EXPECT_TRUE(result.accepted);
  EXPECT_FALSE(result.isDropValid);
  EXPECT_EQ(result.dropEffect, 8);
}

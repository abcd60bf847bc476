// The node tree: what a container accepts and refuses, positions, lifetimes of counted nodes,
// coordinates, and the checked conversion of a node to a control class.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "NodeTestSupport.h"
#include "zelcore/Localizer.h"
#include "zelcore/utility/Cast.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/OS_Window.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;
using ui::UI_Node;
using ui::UI_NodeP;

namespace {

UI_NodeP NewNode(const std::string& id) {
  UI_NodeP node(new UI_Node());
  node->UI_SetNodeID(id);
  return node;
}

// The ids of a node's children, in order, as one text: "a b c".
std::string ChildIds(const UI_Node& node) {
  std::string ids;
  const auto& container = node.UI_GetContainer();
  for (std::ptrdiff_t i = 0; i < container.ChildSize(); ++i)
    ids += (ids.empty() ? "" : " ") + container.ChildGet(i)->UI_GetNodeID();
  return ids;
}

// root > mid > leaf
struct Chain {
  UI_NodeP root = NewNode("root"), mid = NewNode("mid"), leaf = NewNode("leaf");
  Chain() {
    root->UI_GetContainer().ChildPushBack(mid.get());
    mid->UI_GetContainer().ChildPushBack(leaf.get());
  }
};

}  // namespace

TEST(NodeContainer, RefusesItselfAndItsAncestors) {
  const std::vector<std::pair<const char*, std::function<bool(Chain&)>>> rows = {
      {"itself", [](Chain& c) { return c.mid->UI_GetContainer().ChildPushBack(c.mid.get()); }},
      {"its parent", [](Chain& c) { return c.mid->UI_GetContainer().ChildPushBack(c.root.get()); }},
      {"its grandparent", [](Chain& c) { return c.leaf->UI_GetContainer().ChildPushBack(c.root.get()); }},
      {"no node", [](Chain& c) { return c.leaf->UI_GetContainer().ChildPushBack(nullptr); }},
  };
  for (const auto& [name, push] : rows) {
    Chain c;
    EXPECT_FALSE(push(c)) << name;
    EXPECT_EQ(ChildIds(*c.root), "mid") << name;
    EXPECT_EQ(ChildIds(*c.mid), "leaf") << name;
    EXPECT_EQ(ChildIds(*c.leaf), "") << name;
    EXPECT_EQ(c.root->UI_GetParentNode(), nullptr) << name;
    EXPECT_EQ(c.leaf->UI_GetParentNode(), c.mid.get()) << name;
  }
}

TEST(NodeContainer, PushingBackReparentsAndMovesOwnChildToTheEnd) {
  Chain c;
  const UI_NodeP other = NewNode("other");
  c.root->UI_GetContainer().ChildPushBack(other.get());

  EXPECT_TRUE(c.root->UI_GetContainer().ChildPushBack(c.leaf.get()));
  EXPECT_EQ(ChildIds(*c.root), "mid other leaf");
  EXPECT_EQ(ChildIds(*c.mid), "");
  EXPECT_EQ(c.leaf->UI_GetParentNode(), c.root.get());
  EXPECT_EQ(c.leaf->UI_GetIndex(), 2);

  EXPECT_TRUE(c.root->UI_GetContainer().ChildPushBack(c.mid.get()));
  EXPECT_EQ(ChildIds(*c.root), "other leaf mid");
  EXPECT_EQ(c.mid->UI_GetIndex(), 2);
  EXPECT_EQ(c.root->UI_GetIndex(), -1);

  // A node that is no child of the container is not removed from its own parent.
  c.mid->UI_GetContainer().ChildRemove(other.get());
  EXPECT_EQ(other->UI_GetParentNode(), c.root.get());
}

TEST(NodeContainer, BadIndexesChangeNothing) {
  constexpr std::ptrdiff_t kHuge = std::numeric_limits<std::ptrdiff_t>::max();
  struct Row {
    const char* name;
    std::function<void(ui::UI_NodeContainer&)> op;
    const char* order;
  };
  const std::vector<Row> rows = {
      {"move first to last", [](auto& c) { c.ChildMove(0, 2); }, "b c a"},
      {"move last to first", [](auto& c) { c.ChildMove(2, 0); }, "c a b"},
      {"move in place", [](auto& c) { c.ChildMove(1, 1); }, "a b c"},
      {"swap ends", [](auto& c) { c.ChildSwapOrder(0, 2); }, "c b a"},
      {"move from past the end", [](auto& c) { c.ChildMove(3, 0); }, "a b c"},
      {"move to past the end", [](auto& c) { c.ChildMove(0, 3); }, "a b c"},
      {"move from -1", [](auto& c) { c.ChildMove(-1, 0); }, "a b c"},
      {"move to a huge index", [kHuge](auto& c) { c.ChildMove(0, kHuge); }, "a b c"},
      {"swap past the end", [](auto& c) { c.ChildSwapOrder(0, 3); }, "a b c"},
      {"swap with -1", [](auto& c) { c.ChildSwapOrder(-1, 1); }, "a b c"},
  };
  for (const Row& row : rows) {
    const UI_NodeP parent = NewNode("parent");
    for (const char* id : {"a", "b", "c"}) parent->UI_GetContainer().ChildPushBack(NewNode(id).get());
    row.op(parent->UI_GetContainer());
    EXPECT_EQ(ChildIds(*parent), row.order) << row.name;
  }
  const UI_NodeP parent = NewNode("parent");
  parent->UI_GetContainer().ChildPushBack(NewNode("a").get());
  for (std::ptrdiff_t index : {std::ptrdiff_t{-1}, std::ptrdiff_t{1}, kHuge})
    EXPECT_EQ(parent->UI_GetContainer().ChildGet(index), nullptr) << index;
}

TEST(NodeContainer, ChildrenAreCountedAndLoseADyingParent) {
  bool removedDied = false, keptDied = false, parentDied = false;
  UI_NodeP parent(new nodetest::ProbeNode(&parentDied));
  nodetest::ProbeNode* removed = new nodetest::ProbeNode(&removedDied);
  const UI_NodeP kept(new nodetest::ProbeNode(&keptDied));
  parent->UI_GetContainer().ChildPushBack(removed);
  parent->UI_GetContainer().ChildPushBack(kept.get());

  // The container held the only reference.
  parent->UI_GetContainer().ChildRemove(removed);
  EXPECT_TRUE(removedDied);

  // A child held elsewhere outlives its parent, without a parent.
  const UI_NodeP grandchild = NewNode("grandchild");
  kept->UI_GetContainer().ChildPushBack(grandchild.get());
  parent.reset();
  EXPECT_TRUE(parentDied);
  EXPECT_FALSE(keptDied);
  EXPECT_EQ(kept->UI_GetParentNode(), nullptr);
  EXPECT_EQ(grandchild->UI_GetRootNode(), kept.get());

  kept->UI_GetContainer().DeleteChildren();
  EXPECT_EQ(kept->UI_GetContainer().ChildSize(), 0);
  EXPECT_EQ(grandchild->UI_GetParentNode(), nullptr);
  EXPECT_EQ(grandchild->UI_GetRootNode(), nullptr);
}

TEST(NodeContainer, UserDataDiesWithTheNode) {
  auto data = std::make_shared<int>(7);
  UI_NodeP node = NewNode("n");
  node->SetUserData(data);
  ASSERT_NE(boost::any_cast<std::shared_ptr<int>>(&node->GetUserData()), nullptr);
  EXPECT_EQ(boost::any_cast<int>(&node->GetUserData()), nullptr);
  node.reset();
  EXPECT_EQ(data.use_count(), 1);
}

TEST(NodeGeometry, GlobalIsTheRootsCoordinates) {
  Chain c;
  c.root->UI_SetLocalRectF({100, 100, 500, 500});
  c.mid->UI_SetLocalRectF({10, 20, 200, 200});
  c.leaf->UI_SetLocalRectF({1, 2, 50, 50});
  const ui::PointF global = c.leaf->UI_LocalToGlobalF(ui::PointF{3, 4});
  EXPECT_EQ(global, (ui::PointF{14, 26}));
  EXPECT_EQ(c.leaf->UI_GlobalToLocalF(global), (ui::PointF{3, 4}));
  EXPECT_EQ(c.mid->UI_LocalToGlobalF(ui::RectF{0, 0, 5, 6}), (ui::RectF{10, 20, 5, 6}));
  EXPECT_EQ(c.root->UI_LocalToGlobalF(ui::PointF{3, 4}), (ui::PointF{3, 4}));
  EXPECT_EQ(c.leaf->UI_GetRootNode(), c.root.get());
  EXPECT_EQ(c.root->UI_GetRootNode(), nullptr);
}

namespace {

// A localiser that answers every literal with its key in brackets.
class BracketLocalizer : public zelcore::config::Localizer {
 public:
  zelcore::UTF16String GetLocalizedString(const char* literal) const override {
    const std::string text(literal);
    return zelcore::UTF8to16("[" + text.substr(0, text.find('=')) + "]");
  }
};

std::string ConversionError(UI_Node* node) {
  try {
    zelcore::utility::NonOptionalDynamicCast<controls::UI_Button>(node);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "converted";
}

}  // namespace

TEST(CheckedConversion, ThrowsTheLocalisedInvalidConversionText) {
  const UI_NodeP checkbox(new controls::UI_Checkbox());
  const UI_NodeP button(new controls::UI_TextButton());
  EXPECT_EQ(zelcore::utility::NonOptionalDynamicCast<controls::UI_Button>(button),
            dynamic_cast<controls::UI_Button*>(button.get()));
  EXPECT_EQ(ConversionError(checkbox.get()), "Invalid type conversion.");
  EXPECT_EQ(ConversionError(nullptr), "Invalid type conversion.");

  zelcore::config::Localizer* const previous = zelcore::config::Localizer::Get();
  BracketLocalizer localizer;
  zelcore::config::Localizer::Set(&localizer);
  EXPECT_EQ(ConversionError(checkbox.get()), "[$$$/zelcore/utility/Error/InvalidTypeConversion]");
  zelcore::config::Localizer::Set(previous);
}

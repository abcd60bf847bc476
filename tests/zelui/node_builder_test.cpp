// Views built from XML through the process's parser: the toolkit's classes, other names through
// the factory, names nobody knows skipped with their children, bytes that are no view, the id
// map; and the framework's image cache and cursors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"
#include "zelui/controls/Controls.h"
#include "zelui/resources/Resources.h"
#include "zelui/testing.h"
#include "zelui/ui/UI_NodeBuilder.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace resources = zelui::resources;
namespace zt = zelui::testing;

namespace {

// A node of a class only the factory knows.
class FactoryNode : public ui::UI_SubView {};

class NodeBuilder : public ::testing::Test {
 protected:
  NodeBuilder() { zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>()); }
  ~NodeBuilder() override { zelcore::xml::SetParserFactory(nullptr); }

  // Knows "FactoryNode" and records every name it was asked for.
  ui::UI_NodeP Build(const std::string& xml) {
    asked.clear();
    return ui::UI_NodeBuilder(xml).Build(nullptr, ids, [this](const zelcore::UTF16String& name) {
      asked.push_back(zelcore::UTF16to8(name));
      return name == u"FactoryNode" ? ui::UI_NodeP(new FactoryNode()) : ui::UI_NodeP();
    });
  }

  ui::UI_NodeBuilder::NodeIDMap ids;
  std::vector<std::string> asked;
};

// The tree as text: "Class#id(children)"; classes by their most telling name.
std::string Describe(const ui::UI_Node& node) {
  std::string name = dynamic_cast<const FactoryNode*>(&node)                ? "Factory"
                     : dynamic_cast<const controls::UI_StaticText*>(&node)  ? "Text"
                     : dynamic_cast<const controls::UI_ScrollView*>(&node)  ? "Scroll"
                     : dynamic_cast<const controls::UI_ScrollBar*>(&node)   ? "Bar"
                     : dynamic_cast<const controls::UI_ListBox*>(&node)     ? "List"
                     : dynamic_cast<const controls::UI_ListBoxItem*>(&node) ? "Row"
                     : dynamic_cast<const ui::UI_SubView*>(&node)           ? "View"
                                                                            : "Node";
  if (!node.UI_GetNodeID().empty()) name += "#" + node.UI_GetNodeID();
  const auto& children = node.UI_GetContainer();
  if (children.ChildSize() == 0) return name;
  name += "(";
  for (std::ptrdiff_t i = 0; i < children.ChildSize(); ++i) name += (i ? " " : "") + Describe(*children.ChildGet(i));
  return name + ")";
}

}  // namespace

TEST_F(NodeBuilder, BuildsTheTreeTheFactoryCompletesAndUnknownNamesAreSkippedWithChildren) {
  const auto root = Build(R"(<UI_SubView id="root">
      <UI_StaticText id="title" rect="10 20 180 16" text="Hello"/>
      <FactoryNode id="custom"><UI_Node id="inner"/></FactoryNode>
      <Mystery id="gone"><UI_StaticText id="lost"/><FactoryNode id="lost2"/></Mystery>
      <UI_ScrollView id="scroll"><UI_Node id="content"/></UI_ScrollView>
      <UI_ListBox id="list"><UI_ListBoxItem text="first"/></UI_ListBox>
    </UI_SubView>)");
  ASSERT_TRUE(root);
  EXPECT_EQ(Describe(*root),
            "View#root(Text#title Factory#custom(Node#inner) Scroll#scroll(View(Node#content) Bar Bar) "
            "List#list(Row(Text)))");
  EXPECT_EQ(asked, (std::vector<std::string>{"FactoryNode", "Mystery"}));

  std::vector<std::string> idNames;
  for (const auto& [id, node] : ids) idNames.push_back(id);
  EXPECT_EQ(idNames, (std::vector<std::string>{"content", "custom", "inner", "list", "root", "scroll", "title"}));
  auto* title = dynamic_cast<controls::UI_StaticText*>(ids["title"].get());
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->GetStringValue(), u"Hello");
  EXPECT_EQ(title->UI_GetLocalRectF(), (ui::RectF{10, 20, 180, 16}));
  auto* list = dynamic_cast<controls::UI_ListBox*>(ids["list"].get());
  ASSERT_EQ(list->CountItems(), 1);
  EXPECT_EQ(list->GetItem(0)->GetItemLabel()->GetStringValue(), u"first");
}

TEST_F(NodeBuilder, BytesThatAreNoViewGiveNoRootAndLeaveTheIdMapAlone) {
  ids["kept"] = new ui::UI_Node();
  for (const char* xml : {"", "not xml at all", "<UI_SubView id=\"a\"><UI_Node id=\"b\"></UI_SubView>",
                          "<Mystery id=\"a\"><UI_SubView id=\"b\"/></Mystery>", "<?xml version=\"1.0\"?>"}) {
    EXPECT_FALSE(Build(xml)) << xml;
    EXPECT_EQ(ids.size(), 1u) << xml;
  }
}

TEST_F(NodeBuilder, TextGoesWhereEachClassShowsIt) {
  const auto root = Build(R"(<UI_SubView>
      <UI_TextEdit id="edit" text="e"/><UI_SearchBox id="search" text="s"/>
      <UI_HotTextButton id="hot" text="h"/><UI_Checkbox id="check" text="c"/>
      <UI_Node id="plain" text="ignored" rect="1 2 3"/>
    </UI_SubView>)");
  ASSERT_TRUE(root);
  EXPECT_EQ(dynamic_cast<controls::UI_TextEdit&>(*ids["edit"]).GetStringValue(), u"e");
  EXPECT_EQ(dynamic_cast<controls::UI_SearchBox&>(*ids["search"]).GetStringValue(), u"s");
  EXPECT_EQ(dynamic_cast<controls::UI_HotTextButton&>(*ids["hot"]).GetText(), u"h");
  EXPECT_EQ(dynamic_cast<controls::UI_Checkbox&>(*ids["check"]).GetLabelText(), u"c");
  // Three numbers are no rectangle.
  EXPECT_EQ(ids["plain"]->UI_GetLocalRectF(), ui::RectF{});
}

TEST(NodeBuilderWithoutParser, GivesNoRoot) {
  zelcore::xml::SetParserFactory(nullptr);
  ui::UI_NodeBuilder::NodeIDMap ids;
  EXPECT_FALSE(ui::UI_NodeBuilder("<UI_SubView/>").Build(nullptr, ids, nullptr));
}

// Images and cursors.

namespace {

// The smallest PNG header the platform reads a size from: 3 x 2 pixels.
std::string TinyPng() {
  const unsigned char bytes[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                 0,    0,   0,   3,   0,    0,    0,    2,    8, 6, 0, 0, 0};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace

TEST(ImageResourceCache, FindsPngResourcesAndThrowsForMissingOnesOnlyWhenSetTo) {
  zt::ClearUIResources();
  zt::SetUIResource(u"Icon_N", u"png", TinyPng());
  resources::LimnerImageResourceCache& cache = resources::GetUIImageResourceCache();
  const resources::ResourceManager& manager = resources::GetUIResourceManager();
  const limner::ImageP image = cache.GetImage(manager, nullptr, u"Icon_N", 1);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Name(), u"Icon_N");
  EXPECT_EQ(cache.GetImage(manager, nullptr, u"Icon_N", 1), image);
  EXPECT_FALSE(cache.GetImage(manager, nullptr, u"Icon_P", 1));

  zt::SetMissingImagesThrow(cache, true);
  EXPECT_THROW(cache.GetImage(manager, nullptr, u"Icon_P", 1), std::runtime_error);
  EXPECT_EQ(cache.GetImage(manager, nullptr, u"Icon_N", 1), image);
  zt::SetMissingImagesThrow(cache, false);
  zt::ClearUIResources();
}

TEST(PictureSupply, TheControlAsksItsFunctionWithItsState) {
  const boost::intrusive_ptr<controls::UI_PictureButton> button(new controls::UI_PictureButton());
  EXPECT_FALSE(button->RequestImage(controls::kPictureStatePressed));
  const limner::ImageP image(new limner::ImageInterface(u"Icon_P", 3, 2));
  button->SetImageSupplyFunction([&](controls::UI_PictureSupplyMessage& message) {
    EXPECT_EQ(message.GetControl(), button.get());
    if (message.GetStateFlags() & controls::kPictureStatePressed) message.SetImage(image);
  });
  EXPECT_EQ(button->RequestImage(controls::kPictureStatePressed | controls::kPictureStateRollover), image);
  EXPECT_FALSE(button->RequestImage(controls::kPictureStateRollover));
}

TEST(Cursors, DisplayedByIdAndFromImagesAreRecorded) {
  zt::ResetCursors();
  resources::GetUIResourceManager().DisplayCursor(4);
  resources::DisplayCursorFromImage(limner::ImageInterface(u"hand", 16, 16), -1, 7);
  ASSERT_EQ(zt::DisplayedCursors().size(), 2u);
  EXPECT_FALSE(zt::DisplayedCursors()[0].fromImage);
  EXPECT_EQ(zt::DisplayedCursors()[0].cursorId, 4);
  EXPECT_TRUE(zt::DisplayedCursors()[1].fromImage);
  EXPECT_EQ(zt::DisplayedCursors()[1].imageName, u"hand");
  EXPECT_EQ(zt::DisplayedCursors()[1].hotSpotX, -1);
  EXPECT_EQ(zt::DisplayedCursors()[1].hotSpotY, 7);
  zt::ResetCursors();
}

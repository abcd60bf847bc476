#include "zelui/ui/UI_NodeBuilder.h"

#include <memory>
#include <sstream>
#include <vector>

#include "zelcore/xml/DocParserFactory.h"
#include "zelui/controls/Controls.h"

namespace zelui::ui {

namespace {

namespace controls = zelui::controls;

using Maker = UI_NodeP (*)();

// The toolkit's classes the builder makes itself, with the values their constructors need.
const std::map<zelcore::UTF16String, Maker>& ToolkitClasses() {
  static const std::map<zelcore::UTF16String, Maker> classes = {
      {u"UI_Node", [] { return UI_NodeP(new UI_Node()); }},
      {u"UI_SubView", [] { return UI_NodeP(new UI_SubView()); }},
      {u"UI_Button", [] { return UI_NodeP(new controls::UI_Button()); }},
      {u"UI_TextButton", [] { return UI_NodeP(new controls::UI_TextButton()); }},
      {u"UI_DisclosureTriangleButton", [] { return UI_NodeP(new controls::UI_DisclosureTriangleButton()); }},
      {u"UI_PictureButton", [] { return UI_NodeP(new controls::UI_PictureButton()); }},
      {u"UI_PictureTextButton", [] { return UI_NodeP(new controls::UI_PictureTextButton()); }},
      {u"UI_Popup", [] { return UI_NodeP(new controls::UI_Popup(0, false)); }},
      {u"UI_Checkbox", [] { return UI_NodeP(new controls::UI_Checkbox()); }},
      {u"UI_RadioButton", [] { return UI_NodeP(new controls::UI_RadioButton()); }},
      {u"UI_RadioGroup", [] { return UI_NodeP(new controls::UI_RadioGroup()); }},
      {u"UI_HotTextButton", [] { return UI_NodeP(new controls::UI_HotTextButton()); }},
      {u"UI_HotTextNumber", [] { return UI_NodeP(new controls::UI_HotTextNumber()); }},
      {u"UI_Knob", [] { return UI_NodeP(new controls::UI_Knob()); }},
      {u"UI_Slider", [] { return UI_NodeP(new controls::UI_Slider()); }},
      {u"UI_ScrollBar", [] { return UI_NodeP(new controls::UI_ScrollBar()); }},
      {u"UI_ScrollView", [] { return UI_NodeP(new controls::UI_ScrollView(0, new UI_SubView())); }},
      {u"UI_SearchBox", [] { return UI_NodeP(new controls::UI_SearchBox(false, false)); }},
      {u"UI_TextEdit", [] { return UI_NodeP(new controls::UI_TextEdit(0, 0)); }},
      {u"UI_StaticText", [] { return UI_NodeP(new controls::UI_StaticText()); }},
      {u"UI_StaticImage", [] { return UI_NodeP(new controls::UI_StaticImage()); }},
      {u"UI_Divider", [] { return UI_NodeP(new controls::UI_Divider()); }},
      {u"UI_ListBox", [] { return UI_NodeP(new controls::UI_ListBox(false, false, false, false)); }},
      {u"UI_ListBoxItem", [] { return UI_NodeP(new controls::UI_ListBoxItem()); }},
      {u"UI_SplitterView", [] { return UI_NodeP(new controls::UI_SplitterView(0, 0.5f, 6.0f)); }},
      {u"UI_ArrangementView", [] { return UI_NodeP(new controls::UI_ArrangementView()); }},
      {u"UI_SectionView", [] { return UI_NodeP(new controls::UI_SectionView(zelcore::UTF16String(), true)); }},
      {u"UI_TabWell", [] { return UI_NodeP(new controls::UI_TabWell()); }},
  };
  return classes;
}

zelcore::UTF16String Attribute(const zelcore::xml::AttributeMap& attributes, const char16_t* name, bool& present) {
  const auto it = attributes.find(name);
  present = it != attributes.end();
  return present ? it->second : zelcore::UTF16String();
}

// "left top width height"; false unless it is exactly four numbers.
bool ParseRect(const zelcore::UTF16String& text, RectF& rect) {
  std::istringstream in(zelcore::UTF16to8(text));
  RectF parsed;
  if (!(in >> parsed.left >> parsed.top >> parsed.width >> parsed.height)) return false;
  std::string rest;
  if (in >> rest) return false;
  rect = parsed;
  return true;
}

void SetText(UI_Node& node, const zelcore::UTF16String& text) {
  if (auto* staticText = dynamic_cast<controls::UI_StaticText*>(&node))
    staticText->SetStringValue(text);
  else if (auto* edit = dynamic_cast<controls::UI_TextEdit*>(&node))
    edit->SetStringValue(text);
  else if (auto* search = dynamic_cast<controls::UI_SearchBox*>(&node))
    search->SetStringValue(text);
  else if (auto* hotText = dynamic_cast<controls::UI_HotTextButton*>(&node))
    hotText->SetText(text);
  else if (auto* row = dynamic_cast<controls::UI_ListBoxItem*>(&node))
    row->Init(text);
  else if (auto* labelled = dynamic_cast<controls::UI_TextControlBase*>(&node))
    labelled->SetLabelText(text);
}

// Where a node's children go.
UI_Node& ChildrenHolder(UI_Node& node) {
  if (auto* scrollView = dynamic_cast<controls::UI_ScrollView*>(&node))
    if (UI_Node* content = scrollView->GetContentView()) return *content;
  return node;
}

class ViewHandler : public zelcore::xml::AbstractParseHandler {
 public:
  ViewHandler(const UI_NodeBuilder::NodeFactory& factory, UI_NodeP* root, UI_NodeBuilder::NodeIDMap* ids)
      : mFactory(factory), mRoot(root), mIds(ids) {}

  void StartElement(const zelcore::UTF16String& className, const zelcore::xml::AttributeMap& attributes) override {
    if (mSkipDepth > 0 || (mOpen.empty() && *mRoot)) {
      ++mSkipDepth;
      return;
    }
    const UI_NodeP node = Make(className);
    if (!node) {
      mSkipDepth = 1;
      return;
    }
    Apply(*node, attributes);
    if (mOpen.empty())
      *mRoot = node;
    else
      ChildrenHolder(*mOpen.back()).UI_GetContainer().ChildPushBack(node.get());
    mOpen.push_back(node);
  }

  void EndElement(const zelcore::UTF16String&) override {
    if (mSkipDepth > 0)
      --mSkipDepth;
    else if (!mOpen.empty())
      mOpen.pop_back();
  }

 private:
  UI_NodeP Make(const zelcore::UTF16String& className) const {
    const auto& classes = ToolkitClasses();
    const auto it = classes.find(className);
    if (it != classes.end()) return it->second();
    return mFactory ? mFactory(className) : UI_NodeP();
  }

  void Apply(UI_Node& node, const zelcore::xml::AttributeMap& attributes) {
    bool present = false;
    const zelcore::UTF16String id = Attribute(attributes, u"id", present);
    if (present) {
      node.UI_SetNodeID(zelcore::UTF16to8(id));
      (*mIds)[node.UI_GetNodeID()] = &node;
    }
    RectF rect;
    if (ParseRect(Attribute(attributes, u"rect", present), rect)) node.UI_SetLocalRectF(rect);
    const zelcore::UTF16String text = Attribute(attributes, u"text", present);
    if (present) SetText(node, text);
  }

  const UI_NodeBuilder::NodeFactory& mFactory;
  UI_NodeP* mRoot;
  UI_NodeBuilder::NodeIDMap* mIds;
  std::vector<UI_NodeP> mOpen;
  int mSkipDepth = 0;
};

}  // namespace

UI_NodeP UI_NodeBuilder::Build(limner::SupplierInterface*, NodeIDMap& ids, const NodeFactory& factory) const {
  UI_NodeP root;
  NodeIDMap built;
  auto parser = zelcore::xml::GetParser(std::make_unique<ViewHandler>(factory, &root, &built));
  if (!parser || parser->ParseBuffer(mXml) != zelcore::xml::kParseSucceeded || !root) return nullptr;
  for (auto& [id, node] : built) ids[id] = std::move(node);
  return root;
}

}  // namespace zelui::ui

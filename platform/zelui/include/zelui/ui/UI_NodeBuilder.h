#pragma once
// Builds a node tree from an XML view description: one element per node, named by the node's
// class, nested as the nodes are; the attributes "id" (the node's id), "rect" ("left top width
// height" in the parent's coordinates) and "text" (the node's text: a static text's, text edit's
// or search box's string value, a hot-text button's text, a list-box row's text, any other text
// control's label). The children of a scroll view go into its content view.
//
//   <UI_SubView id="panel" rect="0 0 200 100">
//     <UI_StaticText id="title" rect="10 10 180 20" text="Hello"/>
//     <LuaPictureButton id="ok"/>
//   </UI_SubView>
//
// The toolkit's classes are made by the builder; any other name goes to the factory, and a name
// neither knows is skipped together with its children. Bytes that are no XML, or whose outermost
// element is skipped, give no root.
#include <functional>
#include <map>
#include <string>

#include "zelcore/Strings.h"
#include "zelui/ui/UI_Node.h"

namespace limner {
class SupplierInterface;
}

namespace zelui::ui {

class UI_NodeBuilder {
 public:
  // A node of the class, or null when the factory does not know it.
  using NodeFactory = std::function<UI_NodeP(const zelcore::UTF16String& className)>;
  // Node id (UTF-8) -> node.
  using NodeIDMap = std::map<std::string, UI_NodeP>;

  // Over the XML bytes (UTF-8).
  explicit UI_NodeBuilder(std::string xml) : mXml(std::move(xml)) {}

  // Builds the tree and returns its root (null: none). The nodes that have an id are added to ids
  // (a later node replaces an earlier one of the same id); ids is left alone when there is no
  // root. The supplier measures text for layout; this builder lays nothing out. Parses through
  // the process's XML parser (zelcore::xml::GetParser): without one there is no root.
  UI_NodeP Build(limner::SupplierInterface* supplier, NodeIDMap& ids, const NodeFactory& factory) const;

 private:
  std::string mXml;
};

}  // namespace zelui::ui

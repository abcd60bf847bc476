#pragma once
// Views: a sub view is a node that lays out and draws its children; a popup view container is
// the platform view that holds the content of a popup.
#include "zelui/ui/UI_Node.h"

namespace zelui::ui {

class UI_SubView : public UI_Node {
 public:
  UI_SubView() = default;

  // Whether the view lays out its children when its size changes, and how it is bound to its
  // parent's layout (the toolkit's code); kept as set.
  void SetLayoutsChildren(bool layouts) { mLayoutsChildren = layouts; }
  bool GetLayoutsChildren() const { return mLayoutsChildren; }
  void SetLayoutBinding(int binding) { mLayoutBinding = binding; }
  int GetLayoutBinding() const { return mLayoutBinding; }
  // Draws one child of this view into the context; a node that is no child of this view is not drawn.
  void UI_DispatchDrawToChild(UI_Node* child, limner::Limner& context);

 protected:
  ~UI_SubView() override;

 private:
  bool mLayoutsChildren = false;
  int mLayoutBinding = 0;
};

class OS_PopupViewContainer : public UI_SubView {
 public:
  // The option is the platform view container's, kept as given.
  explicit OS_PopupViewContainer(bool containerOption);
  bool GetContainerOption() const { return mContainerOption; }

 protected:
  ~OS_PopupViewContainer() override;

 private:
  bool mContainerOption;
};

}  // namespace zelui::ui

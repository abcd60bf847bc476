#pragma once
// Views: a sub view is a node that lays out and draws its children; a popup view container is
// the platform view that holds the content of a popup.
#include "zelui/ui/UI_Node.h"

namespace zelui::ui {

class UI_SubView : public UI_Node {
 public:
  UI_SubView() = default;

 protected:
  ~UI_SubView() override;
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

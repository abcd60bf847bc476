#pragma once
// Nodes for the node tests: one that says when it dies and may want the keyboard focus.
#include "zelui/controls/UI_ControlView.h"
#include "zelui/ui/UI_Node.h"

namespace nodetest {

class ProbeNode : public zelui::ui::UI_Node {
 public:
  explicit ProbeNode(bool* died = nullptr, bool wantsFocus = true) : mDied(died), mWantsFocus(wantsFocus) {}
  bool UI_WantsKeyboardFocus() const override { return mWantsFocus; }

 protected:
  ~ProbeNode() override {
    if (mDied != nullptr) *mDied = true;
  }

 private:
  bool* mDied;
  bool mWantsFocus;
};

class ProbeControl : public zelui::controls::UI_InteractiveControlView {
 public:
  explicit ProbeControl(bool* died) : mDied(died) {}

 protected:
  ~ProbeControl() override { *mDied = true; }

 private:
  bool* mDied;
};

}  // namespace nodetest

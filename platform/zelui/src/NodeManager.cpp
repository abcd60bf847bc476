#include "zelui/NodeManager.h"

#include "zelui/ControlView.h"
#include "zelui/testing.h"

namespace zelui::ui {

namespace {

std::uint32_t gRedrawDebugFlashDelay = 0;

}  // namespace

UI_NodeManager* UI_NodeManager::Get(bool) {
  static UI_NodeManager manager;
  return &manager;
}

void SetRedrawDebugFlashDelay(std::uint32_t delay) { gRedrawDebugFlashDelay = delay; }

}  // namespace zelui::ui

namespace zelui::testing {

std::uint32_t RedrawDebugFlashDelay() { return ui::gRedrawDebugFlashDelay; }

}  // namespace zelui::testing

#include "zelworkspace/TopLevelWindow.h"

namespace zelworkspace {

TopLevelWindow::TopLevelWindow(limner::SupplierInterface* supplier, const zelcore::UTF16String& title)
    : OS_Window(title), mSupplier(supplier) {}

TopLevelWindow::~TopLevelWindow() = default;

bool TopLevelWindow::HasStaticElement(int kind) const {
  return kind >= 0 && kind < kStaticElementKinds && mStaticElements[kind];
}

void TopLevelWindow::SetHasStaticElement(int kind, bool has) {
  if (kind >= 0 && kind < kStaticElementKinds) mStaticElements[kind] = has;
}

}  // namespace zelworkspace

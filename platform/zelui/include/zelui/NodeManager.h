#pragma once
// The UI framework's node manager: one per process, with the default drawing supplier that
// drawing outside any view uses.
#include "zelui/limner/Limner.h"

namespace zelui::ui {

class UI_NodeManager {
 public:
  // The process-wide manager. The flag asks to make it when there is none yet; the stand-in's
  // manager always exists.
  static UI_NodeManager* Get(bool create = true);

  limner::SupplierInterface* GetDefaultSupplier() { return &mDefaultSupplier; }

 private:
  UI_NodeManager() = default;

  limner::SupplierInterface mDefaultSupplier;
};

}  // namespace zelui::ui

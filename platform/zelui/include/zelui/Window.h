#pragma once
// A top-level window of the UI framework, the parent of the dialogs shown over it.
#include "zelcore/Strings.h"

namespace zelui::ui {

class OS_Window {
 public:
  explicit OS_Window(zelcore::UTF16String title = {}) : mTitle(std::move(title)) {}
  OS_Window(const OS_Window&) = delete;
  OS_Window& operator=(const OS_Window&) = delete;

  const zelcore::UTF16String& GetTitle() const { return mTitle; }

 private:
  zelcore::UTF16String mTitle;
};

}  // namespace zelui::ui

#pragma once
// The stack of modal windows, bottom first: the window on top takes the user's input. A window on
// the stack is held by it.
#include <vector>

namespace zelui::ui {

class OS_Window;

// Puts the window on top; a null window is ignored.
void PushModalWindow(OS_Window* window);
// Takes the topmost entry of the window off; a window not on the stack changes nothing.
void PopModalWindow(OS_Window* window);
std::vector<OS_Window*> ModalWindows();

}  // namespace zelui::ui

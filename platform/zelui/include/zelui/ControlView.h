#pragma once
// Settings the UI framework's controls share: the font names by id (0 is the default font) and how long a redrawn area flashes while redraws are debugged.
#include <cstdint>

#include "zelcore/Strings.h"

namespace zelui::ui {

// The name of the font with the id (0 is the default font); defined with the theme's fonts.
zelcore::UTF16String GetFontName(int id = 0);

// In milliseconds; 0 turns the flash off.
void SetRedrawDebugFlashDelay(std::uint32_t delay);

}  // namespace zelui::ui

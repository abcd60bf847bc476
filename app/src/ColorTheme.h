#pragma once
namespace zelworkspace {
class Workspace;
}

namespace fennick {

// Loads the colour themes resource into the current theme, then sets the application's own
// colour key and full brightness and tells the themed views.
void ApplyColorTheme(zelworkspace::Workspace* workspace);

}  // namespace fennick

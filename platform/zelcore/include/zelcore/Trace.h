#pragma once
// The framework's trace log: labelled lines enabled per label up to a trace level.
#include <string>

namespace zelcore::trace {

// Whether lines with this label are enabled at this level.
bool IsEnabled(const std::string& label, int level);
// A counter that changes whenever the enable settings change, so callers may cache results.
unsigned SettingsGeneration();
void Write(const std::string& line);

}  // namespace zelcore::trace

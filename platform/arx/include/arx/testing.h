#pragma once
// What only tests do with the application framework stand-in.
#include <string>

#include "arx/app/App.h"
#include "zelcore/Strings.h"

namespace arx::testing {

// Resources held in memory; they take precedence over files in the Resources folder.
void SetResource(const zelcore::UTF16String& name, const zelcore::UTF16String& type, const std::string& bytes);
void ClearResources();

// Ends every later event loop after this many turns (negative: no limit), so that a test whose
// script never ends the loop cannot hang.
void SetIdleTurnLimit(long turns);
// Runs up to this many turns of the event loop; returns how many ran before the loop ended.
int RunIdleTurns(app::App& app, int turns);

}  // namespace arx::testing

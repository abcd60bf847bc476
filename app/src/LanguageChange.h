#pragma once
// The change of the user-interface language, as the scripts reach it (VyAppUtils.ChangeLanguage).

namespace fennick {

// Runs the language dialog of the application object. The running language stays; a new choice
// is stored and used from the next start. True when a new choice was stored.
bool ChangeLanguage();

}  // namespace fennick

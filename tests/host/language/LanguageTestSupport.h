#pragma once
// A bundle set up for the choice of the user-interface language: the language map and the
// installed dictionaries.
#include <map>
#include <string>
#include <vector>

#include "App.h"
#include "TempBundle.h"

namespace glimmet::testing {

// Display names the test bundles use: de_DE "Deutsch", en_US "English", fr_FR "Francais".
std::string DisplayName(const std::string& code);

// Writes "LangMapping.xml" listing these codes.
void WriteLanguageMap(const TempBundle& bundle, const std::vector<std::string>& codes);
// Installs a dictionary for each code, whose text for "$$$/lang/name" is "<code> dictionary".
void InstallDictionaries(const TempBundle& bundle, const std::vector<std::string>& codes);
// The application's string preferences, in memory.
std::map<std::string, std::string> Preferences(const fennick::App& app);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace glimmet::testing

#pragma once
// A bundle set up for the choice of the user-interface language: the language map, installed
// dictionaries, the stored preferences.
#include <map>
#include <string>
#include <vector>

#include "TempBundle.h"

namespace glimmet::testing {

// Display names the test bundles use: de_DE "Deutsch", en_US "English", fr_FR "Francais".
std::string DisplayName(const std::string& code);

// Writes "LangMapping.xml" listing these codes.
void WriteLanguageMap(const TempBundle& bundle, const std::vector<std::string>& codes);
// Installs a dictionary for each code, whose text for "$$$/lang/name" is "<code> dictionary".
void InstallDictionaries(const TempBundle& bundle, const std::vector<std::string>& codes);
// Writes "AppPrefs.xml" in the folder with these string preferences.
void WritePreferences(const std::filesystem::path& folder, const std::map<std::string, std::string>& values);
// The string preferences of "AppPrefs.xml" in the folder.
std::map<std::string, std::string> ReadPreferences(const std::filesystem::path& folder);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace glimmet::testing

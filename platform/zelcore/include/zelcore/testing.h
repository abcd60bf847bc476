#pragma once
// What only tests do with the core framework stand-in: set folders, read logs and assertions,
// reset the keychain, count property lists.
#include <filesystem>
#include <string>
#include <vector>

#include "zelcore/Strings.h"

namespace zelcore::testing {

// Folders: each replaces the one derived from the program's location until ResetFolders.
void SetAppDir(const std::filesystem::path& path);
void SetResourcesDir(const std::filesystem::path& path);
void SetPackageDir(const std::filesystem::path& path);
void SetPreferencesDir(const std::filesystem::path& path);
// An empty path leaves the documents folder unset.
void SetDocumentsDir(const std::filesystem::path& path);
// The user's home and desktop folders; an empty path leaves the folder unset.
void SetHomeDir(const std::filesystem::path& path);
void SetDesktopDir(const std::filesystem::path& path);
void SetCommonFilesDir(const std::filesystem::path& path);
void ResetFolders();

// Trace log.
void EnableTrace(const std::string& label, int level);
void ResetTrace();
const std::vector<std::string>& TraceLog();

// Assertion dialogs shown so far.
struct AssertionRecord {
  std::string condition, message, file;
  int line;
  std::string function;
};
const std::vector<AssertionRecord>& Assertions();
// Forgets the dialogs shown and the answers still queued.
void ResetAssertions();
// The answers the next assertion dialogs give, in order; once they run out a dialog answers
// "continue". "Ignore" turns its call site off; "break" asks to stop in the debugger.
enum class AssertAnswer { kContinue, kIgnoreSite, kBreak };
void QueueAssertAnswer(AssertAnswer answer);

// Loaded bundles known by identifier.
void RegisterModule(const UTF16String& identifier, const UTF16String& path);
void ClearModules();

// Keychain: forget every item and unlock.
void ResetKeychain();
// A locked keychain finds nothing and refuses every change.
void SetKeychainLocked(bool locked);
// The stored item, read past the lock; false when there is none.
bool KeychainItem(const UTF16String& first, const UTF16String& second, UTF16String& password);

// Property lists alive in the process.
int LivePropListCount();

}  // namespace zelcore::testing

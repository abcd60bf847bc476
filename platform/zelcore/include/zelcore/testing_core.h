#pragma once
// What only tests do with the core framework's keychain and property lists.
#include "zelcore/Strings.h"

namespace zelcore::testing {

// Keychain: forget every item and unlock.
void ResetKeychain();
// A locked keychain finds nothing and refuses every change.
void SetKeychainLocked(bool locked);
// The stored item, read past the lock; false when there is none.
bool KeychainItem(const UTF16String& first, const UTF16String& second, UTF16String& password);

// Property lists alive in the process.
int LivePropListCount();

}  // namespace zelcore::testing

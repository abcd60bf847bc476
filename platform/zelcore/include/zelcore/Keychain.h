#pragma once
// Passwords kept in the system keychain, each item named by two UTF-16 names. Held in memory.
#include "zelcore/Strings.h"

namespace zelcore::utility {

class Keychain {
 public:
  // The item's password; empty when there is no such item.
  static UTF16String GetPassword(const UTF16String& first, const UTF16String& second);
  // Creates or replaces the item; false when the keychain refused.
  static bool SetPassword(const UTF16String& first, const UTF16String& second, const UTF16String& password);
  // False when there was no such item or the keychain refused.
  static bool RemovePassword(const UTF16String& first, const UTF16String& second);
};

}  // namespace zelcore::utility

#include "zelcore/Keychain.h"

#include <map>
#include <utility>

#include "zelcore/testing.h"

namespace zelcore::utility {

namespace {

struct Store {
  std::map<std::pair<UTF16String, UTF16String>, UTF16String> items;
  bool locked = false;
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

UTF16String Keychain::GetPassword(const UTF16String& first, const UTF16String& second) {
  const Store& store = TheStore();
  if (store.locked) return {};
  const auto it = store.items.find({first, second});
  return it == store.items.end() ? UTF16String() : it->second;
}

bool Keychain::SetPassword(const UTF16String& first, const UTF16String& second, const UTF16String& password) {
  Store& store = TheStore();
  if (store.locked) return false;
  store.items[{first, second}] = password;
  return true;
}

bool Keychain::RemovePassword(const UTF16String& first, const UTF16String& second) {
  Store& store = TheStore();
  if (store.locked) return false;
  return store.items.erase({first, second}) > 0;
}

}  // namespace zelcore::utility

namespace zelcore::testing {

void ResetKeychain() {
  utility::TheStore().items.clear();
  utility::TheStore().locked = false;
}

void SetKeychainLocked(bool locked) { utility::TheStore().locked = locked; }

bool KeychainItem(const UTF16String& first, const UTF16String& second, UTF16String& password) {
  const auto& items = utility::TheStore().items;
  const auto it = items.find({first, second});
  if (it == items.end()) return false;
  password = it->second;
  return true;
}

}  // namespace zelcore::testing

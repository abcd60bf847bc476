#include "os/MachineName.h"

#include <unistd.h>

#include <climits>
#include <optional>

#include "os/testing.h"
#include "zelcore/Strings.h"

namespace os {

namespace {

std::optional<std::u16string>& ScriptedName() {
  static std::optional<std::u16string> name;
  return name;
}

}  // namespace

// Linux has no separate user-visible name: the host name stands for it unless a test set one.
std::u16string CSCopyMachineName() {
  if (ScriptedName()) return *ScriptedName();
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return zelcore::UTF8to16(name);
}

namespace testing {

void SetMachineName(const std::u16string& name) { ScriptedName() = name; }
void ResetMachineName() { ScriptedName().reset(); }

}  // namespace testing

}  // namespace os

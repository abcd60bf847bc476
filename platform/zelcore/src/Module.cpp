#include "zelcore/Module.h"

#include <map>

#include "zelcore/testing.h"

namespace zelcore {

// Linux shared objects carry no bundle identifier: a bundle is known by identifier only once
// it was registered, so the lookup fails unless a test registered one.
struct Module {
  UTF16String path;
};

namespace {
std::map<UTF16String, Module>& Modules() {
  static std::map<UTF16String, Module> modules;
  return modules;
}
}  // namespace

const Module* OS_GetCurrentModule(const UTF16String& identifier) {
  const auto it = Modules().find(identifier);
  return it == Modules().end() ? nullptr : &it->second;
}

UTF16String GetModulePath(const Module* module) { return module ? module->path : UTF16String(); }

namespace testing {
void RegisterModule(const UTF16String& identifier, const UTF16String& path) { Modules()[identifier] = {path}; }
void ClearModules() { Modules().clear(); }
}  // namespace testing

}  // namespace zelcore

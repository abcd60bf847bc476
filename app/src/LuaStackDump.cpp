#include <map>
#include <sstream>
#include <string>
#include <thread>

extern "C" {
#include <lua.h>
}

#include "LuaInitializer.h"
#include "zelcore/Trace.h"

namespace fennick {

namespace {

const std::string sTrue = "true";
const std::string sFalse = "false";

// Whether the trace facility enables a label, cached until its settings change.
bool LabelEnabled(const std::string& label, int traceLevel) {
  static std::map<std::pair<std::string, int>, bool> cache;
  static unsigned generation = 0;
  if (generation != zelcore::trace::SettingsGeneration()) {
    cache.clear();
    generation = zelcore::trace::SettingsGeneration();
  }
  const auto key = std::make_pair(label, traceLevel);
  const auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  return cache[key] = zelcore::trace::IsEnabled(label, traceLevel);
}

void WriteSlot(const std::string& label, int traceLevel, const std::string& value) {
  if (!LabelEnabled(label, traceLevel)) return;
  std::ostringstream line;
  line << "<" << std::this_thread::get_id() << "> <" << label << "> <" << traceLevel << "> " << value << "\n";
  zelcore::trace::Write(line.str());
}

}  // namespace

void DumpLuaStackToConsole(lua_State* L, int traceLevel, bool clearStack, bool writeTrace) {
  if (writeTrace) {
    for (int i = 1; i <= lua_gettop(L); ++i) {
      switch (lua_type(L, i)) {
        case LUA_TBOOLEAN:
          WriteSlot("LuaPCall stackdump Boolean: ", traceLevel, lua_toboolean(L, i) ? sTrue : sFalse);
          break;
        case LUA_TNUMBER: {
          std::ostringstream number;
          number << lua_tonumber(L, i);
          WriteSlot("LuaPCall stackdump Number: ", traceLevel, number.str());
          break;
        }
        case LUA_TSTRING: {
          size_t length = 0;
          const char* text = lua_tolstring(L, i, &length);
          WriteSlot("LuaPCall stackdump String: ", traceLevel, std::string(text, length));
          break;
        }
        default:
          WriteSlot("LuaPCall stackdump Type: ", traceLevel, lua_typename(L, lua_type(L, i)));
          break;
      }
    }
  }
  if (clearStack) lua_settop(L, 0);
}

}  // namespace fennick

#include "zelcore/Config.h"

namespace zelcore::config {

namespace {

struct ClientInfo {
  UTF16String name, version, company;
};

ClientInfo& Info() {
  static ClientInfo info;
  return info;
}

}  // namespace

void SetClientName(const UTF16String& value) { Info().name = value; }
void SetClientVersion(const UTF16String& value) { Info().version = value; }
void SetClientInternalVersion(const UTF16String&) {}
void SetCompanyName(const UTF16String& value) { Info().company = value; }
void SetClientBuildNumber(const UTF16String&) {}

const UTF16String& GetClientName() { return Info().name; }
const UTF16String& GetClientVersion() { return Info().version; }
const UTF16String& GetCompanyName() { return Info().company; }

}  // namespace zelcore::config

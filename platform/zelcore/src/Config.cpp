#include "zelcore/Config.h"

namespace zelcore::config {

namespace {

struct ClientInfo {
  UTF16String name, version, internalVersion, company, buildNumber;
};

ClientInfo& Info() {
  static ClientInfo info;
  return info;
}

}  // namespace

void SetClientName(const UTF16String& value) { Info().name = value; }
void SetClientVersion(const UTF16String& value) { Info().version = value; }
void SetClientInternalVersion(const UTF16String& value) { Info().internalVersion = value; }
void SetCompanyName(const UTF16String& value) { Info().company = value; }
void SetClientBuildNumber(const UTF16String& value) { Info().buildNumber = value; }

const UTF16String& GetClientName() { return Info().name; }
const UTF16String& GetClientVersion() { return Info().version; }
const UTF16String& GetClientInternalVersion() { return Info().internalVersion; }
const UTF16String& GetCompanyName() { return Info().company; }
const UTF16String& GetClientBuildNumber() { return Info().buildNumber; }

}  // namespace zelcore::config

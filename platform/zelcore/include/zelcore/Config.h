#pragma once
// The framework's configuration: who the running client is.
#include "zelcore/Strings.h"

namespace zelcore::config {

void SetClientName(const UTF16String& value);
void SetClientVersion(const UTF16String& value);
void SetClientInternalVersion(const UTF16String& value);
void SetCompanyName(const UTF16String& value);
void SetClientBuildNumber(const UTF16String& value);

// What the folders are named after. The internal version and build number name nothing here.
const UTF16String& GetClientName();
const UTF16String& GetClientVersion();
const UTF16String& GetCompanyName();

}  // namespace zelcore::config

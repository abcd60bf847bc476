#pragma once
// Process-wide switches of the dictionary library.

namespace pembra {

// When true at the first escape conversion of the process, "^e" gives U+00E9.
// Read once; changing it later has no effect. False by default.
extern bool EnableWvHatEscapes;

// Names the library version (2.7); does nothing. Callers reference it so that a
// build against another version of the library fails to link.
void QuilletLibVersion_2_7();

}  // namespace pembra

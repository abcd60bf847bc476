#pragma once
// The preferences file "AppPrefs.xml": a property list of strings, numbers and sub-lists.
//
//   <preferences>
//     <string key="current_locale">de_DE</string>
//     <number key="width">640</number>
//     <list key="window"><string key="title">Main</string></list>
//   </preferences>
#include "zelcore/Files.h"
#include "zelcore/PropList.h"

namespace fennick {

extern const zelcore::UTF16String sAppPrefsFileName;

// Replaces the list's content with the file's. A missing or unreadable file leaves the list
// empty and gives false. Needs the XML parser factory.
bool ReadPreferencesFile(const zelcore::File& file, zelcore::proplist::PropList& list);

// Replaces the file with the list, whole or not at all (written beside it, then renamed over
// it). False when the file could not be written.
bool WritePreferencesFile(const zelcore::File& file, const zelcore::proplist::PropList& list);

}  // namespace fennick

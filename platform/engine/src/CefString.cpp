#include "engine/cef_string.h"

#include "zelcore/Strings.h"

CefString::CefString(const std::string& utf8) : mText(zelcore::utility::UTF8to16(utf8)) {}

CefString::CefString(const char* utf8) : mText(utf8 ? zelcore::utility::UTF8to16(utf8) : std::u16string()) {}

std::string CefString::ToString() const { return zelcore::utility::UTF16to8(mText); }

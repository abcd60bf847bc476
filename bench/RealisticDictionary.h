#pragma once
// A dictionary of realistic entries, written by the benchmarks themselves in every
// format the dictionary library reads.
#include <string>
#include <vector>

#include "DictionaryFixtures.h"

namespace bench {

// One entry as a translator writes it and as the library must store it.
struct RealisticEntry {
  std::string key;         // "/veyra/Mixer/Panel12/Title": a path with a number
  std::u16string written;  // the value with escapes ("\n", "^Q") and entities ("#{amp}")
  std::u16string stored;   // the value after their conversion
};

// `count` entries with values of 5 to 200 characters, made the same way on every run.
std::vector<RealisticEntry> MakeEntries(int count);

enum class Format { kTextUtf8, kTextMacRoman, kTextUtf16LE, kTextUtf16BE, kVersion10, kVersion15, kVersion2 };
inline constexpr Format kFormats[] = {Format::kTextUtf8,    Format::kTextMacRoman, Format::kTextUtf16LE,
                                      Format::kTextUtf16BE, Format::kVersion10,    Format::kVersion15,
                                      Format::kVersion2};

// "text-utf8", "text-macroman", "text-utf16le", "text-utf16be", "v1.0", "v1.5", "v2".
const char* FormatName(Format format);
// The application text encoding an 8-bit text file is read in; empty for the others.
const char* TextEncodingOf(Format format);

// The file bytes of the entries in one format. Text files hold one quoted
// entry line each, as written; binary files hold the stored values.
std::string WriteDictionary(const std::vector<RealisticEntry>& entries, Format format);

// UTF-16 to UTF-8.
std::string Utf8(std::u16string_view text);

}  // namespace bench

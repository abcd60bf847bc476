#include "RealisticDictionary.h"

#include <random>
#include <stdexcept>

namespace bench {

namespace {

// Pieces of values: what the translator writes, and what it stands for.
struct Piece {
  const char16_t* written;
  const char16_t* stored;
};

const Piece kWords[] = {
    {u"the ", u"the "},         {u"track ", u"track "},       {u"cannot be ", u"cannot be "},
    {u"saved", u"saved"},       {u"Export ", u"Export "},     {u"settings ", u"settings "},
    {u"Open", u"Open"},         {u"marker ", u"marker "},     {u"selection. ", u"selection. "},
    {u"Caf\u00E9 ", u"Caf\u00E9 "}, {u"\u00DCberpr\u00FCfung ", u"\u00DCberpr\u00FCfung "},
    {u"Gr\u00F6\u00DFe ", u"Gr\u00F6\u00DFe "}, {u"se\u00F1al ", u"se\u00F1al "},
    {u"cr\u00E8me ", u"cr\u00E8me "}, {u"Fran\u00E7ais ", u"Fran\u00E7ais "},
};

const Piece kEscapes[] = {
    {u"\\n", u"\n"},           {u"\\\"", u"\""},         {u"^Q", u"\""},
    {u"^[", u"\u201C"},        {u"^]", u"\u201D"},       {u"^T", u"\u2122"},
    {u"^B", u"\u2022"},        {u"#{amp}", u"&"},        {u"#{nbsp}", u"\u00A0"},
    {u"#{eacute}", u"\u00E9"}, {u"#{U+2013}", u"\u2013"}, {u"#{copy}", u"\u00A9"},
};

const char* const kAreas[] = {"Mixer", "Tracks", "Export", "Preferences", "Markers", "Transport", "Help"};
const char* const kPanels[] = {"Panel", "Dialog", "Menu", "Toolbar", "Alert"};
const char* const kItems[] = {"Title", "Label", "Tooltip", "Message", "Button", "Help"};

// The Mac Roman bytes of the few non-ASCII characters the pieces use.
char MacRoman(char16_t unit) {
  switch (unit) {
    case u'\u00E9': return '\x8E';
    case u'\u00DC': return '\x86';
    case u'\u00FC': return '\x9F';
    case u'\u00F6': return '\x9A';
    case u'\u00DF': return '\xA7';
    case u'\u00F1': return '\x96';
    case u'\u00E8': return '\x8F';
    case u'\u00E7': return '\x8D';
    default:
      if (unit < 0x80) return static_cast<char>(unit);
      throw std::logic_error("no Mac Roman byte for a character of the pieces");
  }
}

void Append16(std::string& out, char16_t unit, bool bigEndian) {
  const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
  out += bigEndian ? std::string{high, low} : std::string{low, high};
}

std::u16string TextLine(const RealisticEntry& entry) {
  return u"\"$$$" + std::u16string(entry.key.begin(), entry.key.end()) + u"=" + entry.written + u"\"\n";
}

}  // namespace

std::vector<RealisticEntry> MakeEntries(int count) {
  std::mt19937 random(20);
  std::vector<RealisticEntry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    RealisticEntry entry;
    entry.key = std::string("/veyra/") + kAreas[random() % std::size(kAreas)] + "/" +
                kPanels[random() % std::size(kPanels)] + std::to_string(i) + "/" + kItems[random() % std::size(kItems)];
    const std::size_t length = 5 + random() % 196;
    while (entry.stored.size() < length) {
      // About one piece in six is an escape or an entity.
      const Piece& piece = random() % 6 == 0 ? kEscapes[random() % std::size(kEscapes)]
                                             : kWords[random() % std::size(kWords)];
      entry.written += piece.written;
      entry.stored += piece.stored;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

const char* FormatName(Format format) {
  switch (format) {
    case Format::kTextUtf8: return "text-utf8";
    case Format::kTextMacRoman: return "text-macroman";
    case Format::kTextUtf16LE: return "text-utf16le";
    case Format::kTextUtf16BE: return "text-utf16be";
    case Format::kVersion10: return "v1.0";
    case Format::kVersion15: return "v1.5";
    case Format::kVersion2: return "v2";
  }
  return "";
}

const char* TextEncodingOf(Format format) {
  return format == Format::kTextUtf8 ? "UTF-8" : format == Format::kTextMacRoman ? "MACINTOSH" : "";
}

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) {
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | (unit >> 6));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (unit >> 12));
      out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

std::string WriteDictionary(const std::vector<RealisticEntry>& entries, Format format) {
  std::vector<fixtures::Entry> stored;
  if (format == Format::kVersion10 || format == Format::kVersion15 || format == Format::kVersion2) {
    for (const RealisticEntry& entry : entries) stored.push_back({entry.key, entry.stored});
  }
  std::string out;
  switch (format) {
    case Format::kTextUtf8:
      for (const RealisticEntry& entry : entries) out += Utf8(TextLine(entry));
      return out;
    case Format::kTextMacRoman:
      for (const RealisticEntry& entry : entries) {
        for (char16_t unit : TextLine(entry)) out += MacRoman(unit);
      }
      return out;
    case Format::kTextUtf16LE:
    case Format::kTextUtf16BE: {
      const bool big = format == Format::kTextUtf16BE;
      Append16(out, 0xFEFF, big);
      for (const RealisticEntry& entry : entries) {
        for (char16_t unit : TextLine(entry)) Append16(out, unit, big);
      }
      return out;
    }
    case Format::kVersion10: return fixtures::Version10(stored);
    case Format::kVersion15: return fixtures::Version15(stored);
    case Format::kVersion2: return fixtures::Version2(stored);
  }
  return out;
}

}  // namespace bench

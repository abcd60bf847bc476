// The syntax of a text dictionary line: [text] "[$$$]key=value" [text].
#include "DictionaryStore.h"
#include "Scan.h"

namespace pembra_private {

namespace {

constexpr std::u16string_view kLiteralMark = u"$$$";

// The first unit equal to `unit` at or after `from`, or npos.
std::size_t Find(std::u16string_view line, std::size_t from, char16_t unit) {
  const std::size_t at = from + scan::FindAny(line.data() + from, line.size() - from, unit, unit, unit);
  return at < line.size() ? at : std::u16string_view::npos;
}

// The first double quote at or after `from` that does not follow a backslash.
std::size_t FindUnescapedQuote(std::u16string_view line, std::size_t from) {
  for (std::size_t i = Find(line, from, u'"'); i != std::u16string_view::npos; i = Find(line, i + 1, u'"')) {
    if (i == 0 || line[i - 1] != u'\\') return i;
  }
  return std::u16string_view::npos;
}

}  // namespace

std::optional<ParsedEntry> Dictionary::ParseEntry(std::u16string_view line) {
  std::u16string_view entry = line;
  const std::size_t open = FindUnescapedQuote(line, 0);
  if (open != std::u16string_view::npos) {
    // The quoted part is the entry; text around it is ignored.
    const std::size_t close = FindUnescapedQuote(line, open + 1);
    entry = close == std::u16string_view::npos ? line.substr(open + 1)
                                               : line.substr(open + 1, close - open - 1);
  }
  if (!entry.empty() && entry[0] == u'$') {
    if (entry.substr(0, kLiteralMark.size()) != kLiteralMark) return std::nullopt;
    entry.remove_prefix(kLiteralMark.size());
  }
  const std::size_t equals = Find(entry, 0, u'=');
  if (equals == std::u16string_view::npos) return ParsedEntry{entry, {}};
  return ParsedEntry{entry.substr(0, equals), entry.substr(equals + 1)};
}

}  // namespace pembra_private

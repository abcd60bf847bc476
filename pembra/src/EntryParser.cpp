// The syntax of a text dictionary line: [text] "[$$$]key=value" [text].
#include "DictionaryStore.h"
#include "Scan.h"

namespace pembra_private {

namespace {

// The first unit equal to `unit` at or after `from`, or npos.
template <class Unit>
std::size_t Find(std::basic_string_view<Unit> line, std::size_t from, Unit unit) {
  const std::size_t at = from + scan::FindAny(line.data() + from, line.size() - from, unit);
  return at < line.size() ? at : std::basic_string_view<Unit>::npos;
}

// The first double quote at or after `from` that does not follow a backslash.
template <class Unit>
std::size_t FindUnescapedQuote(std::basic_string_view<Unit> line, std::size_t from) {
  constexpr auto npos = std::basic_string_view<Unit>::npos;
  for (std::size_t i = Find<Unit>(line, from, '"'); i != npos; i = Find<Unit>(line, i + 1, '"')) {
    if (i == 0 || line[i - 1] != '\\') return i;
  }
  return npos;
}

}  // namespace

template <class Unit>
std::optional<ParsedEntryOf<Unit>> ParseEntryLine(std::basic_string_view<Unit> line) {
  constexpr auto npos = std::basic_string_view<Unit>::npos;
  const std::size_t open = FindUnescapedQuote(line, 0);
  return ParseEntryLine(line, open, open == npos ? npos : FindUnescapedQuote(line, open + 1), false);
}

template <class Unit>
std::optional<ParsedEntryOf<Unit>> ParseEntryLine(std::basic_string_view<Unit> line, std::size_t open,
                                                  std::size_t close, bool swapped) {
  constexpr auto npos = std::basic_string_view<Unit>::npos;
  // The characters of the syntax as the line stores them.
  const auto mark = [swapped](char c) {
    return static_cast<Unit>(swapped && sizeof(Unit) == 2 ? static_cast<unsigned>(c) << 8 : static_cast<unsigned>(c));
  };
  std::basic_string_view<Unit> entry = line;
  if (open != npos) {
    // The quoted part is the entry; text around it is ignored.
    entry = close == npos ? line.substr(open + 1) : line.substr(open + 1, close - open - 1);
  }
  if (!entry.empty() && entry[0] == mark('$')) {
    // "$$$"
    if (entry.size() < 3 || entry[1] != mark('$') || entry[2] != mark('$')) return std::nullopt;
    entry.remove_prefix(3);
  }
  const std::size_t equals = Find<Unit>(entry, 0, mark('='));
  if (equals == npos) return ParsedEntryOf<Unit>{entry, {}};
  return ParsedEntryOf<Unit>{entry.substr(0, equals), entry.substr(equals + 1)};
}

template std::optional<ParsedEntryOf<char>> ParseEntryLine(std::string_view line, std::size_t open,
                                                            std::size_t close, bool swapped);
template std::optional<ParsedEntryOf<char16_t>> ParseEntryLine(std::u16string_view line, std::size_t open,
                                                                std::size_t close, bool swapped);
template std::optional<ParsedEntryOf<char16_t>> ParseEntryLine(std::u16string_view line);

std::optional<ParsedEntry> Dictionary::ParseEntry(std::u16string_view line) { return ParseEntryLine(line); }

}  // namespace pembra_private

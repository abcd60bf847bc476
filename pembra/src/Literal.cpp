#include "Literal.h"

#include <string>

#include "HashItem.h"
#include "zelcore/Strings.h"

namespace pembra_private {

namespace {

constexpr std::string_view kLiteralMark = "$$$";

std::optional<ParsedLiteral> ParseNonEmpty(const char* literal) {
  if (literal == nullptr || *literal == '\0') return std::nullopt;
  return ParseLiteral(literal);
}

}  // namespace

std::optional<ParsedLiteral> ParseLiteral(std::string_view literal) {
  if (!literal.empty() && literal[0] == '$') {
    if (literal.substr(0, kLiteralMark.size()) != kLiteralMark) return std::nullopt;
    literal.remove_prefix(kLiteralMark.size());
  }
  const std::size_t equals = literal.find('=');
  if (equals == std::string_view::npos) return ParsedLiteral{literal, {}};
  return ParsedLiteral{literal.substr(0, equals), literal.substr(equals + 1)};
}

UnicodeRun MakeDefaultText(std::string_view text, const pembra::EncodingInfo* encoding) {
  std::u16string units;
  if (encoding != nullptr && encoding->kind != pembra::EncodingInfo::kApplicationEncoding) {
    units = zelcore::utility::UTF8to16(std::string(text));
  } else {
    units.reserve(text.size());
    for (const char c : text) units.push_back(static_cast<unsigned char>(c));
  }
  return UnicodeRun(DictionaryEntry::ConvertEscapeSequences(units));
}

UnicodeRun LookupLiteral(const Dictionary& dictionary, const char* literal,
                         const pembra::EncodingInfo* encoding) {
  const std::optional<ParsedLiteral> parsed = ParseNonEmpty(literal);
  if (!parsed) return {};
  if (std::optional<UnicodeRun> stored = dictionary.Lookup(parsed->key)) return std::move(*stored);
  if (parsed->defaultText.empty()) return {};
  return MakeDefaultText(parsed->defaultText, encoding);
}

bool HasLiteralKey(const Dictionary& dictionary, const char* literal) {
  const std::optional<ParsedLiteral> parsed = ParseNonEmpty(literal);
  return parsed && dictionary.HasKey(parsed->key);
}

}  // namespace pembra_private

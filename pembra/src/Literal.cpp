#include "Literal.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "EightBitText.h"
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
  // Short texts, the usual ones, are widened on the stack; the result is the one allocation.
  constexpr std::size_t kOnStack = 256;
  char16_t onStack[kOnStack];
  std::u16string onHeap;
  char16_t* units = onStack;
  if (text.size() > kOnStack) {
    onHeap.resize(text.size());
    units = onHeap.data();
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  std::size_t count = text.size();
  if (encoding == nullptr || encoding->kind == pembra::EncodingInfo::kApplicationEncoding) {
    std::copy(bytes, bytes + count, units);
  } else if (!DecodeUtf8(bytes, text.size(), units, count)) {
    // Not well-formed: the faults become U+FFFD.
    onHeap = zelcore::utility::UTF8to16(std::string(text));
    units = onHeap.data();
    count = onHeap.size();
  }
  // Escapes never lengthen the text.
  RefPtr<UnitBuffer> converted = UnitBuffer::Make(count);
  const std::size_t length = DictionaryEntry::ConvertEscapeSequences({units, count}, converted->Units());
  return UnicodeRun(converted.get(), converted->Units(), length);
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

#pragma once
// Character entities of dictionary values: "#{name}" and "#{U+hhhh}".
#include <cstddef>
#include <string_view>

namespace pembra_private {

struct CharEntity {
  std::u16string_view name;  // case-sensitive
  char16_t code;
};

// The 132 entity names, in the order they are tried: endl tab cr lf, the HTML 4
// Latin-1 set (U+00A0-U+00FF), then quot amp lt gt and the HTML 4 special set.
const CharEntity* CharEntityTable();
inline constexpr std::size_t kCharEntityCount = 132;

// Whether text[i] may begin an entity: "#{" and at least four characters in all.
inline bool IsEntityStart(std::u16string_view text, std::size_t i) {
  return text[i] == u'#' && text.size() - i >= 4 && text[i + 1] == u'{';
}
// The entity that begins at text[start] (IsEntityStart): the length of the
// whole "#{...}" with `code` set, or 0 when it forms none.
std::size_t MatchEntity(std::u16string_view text, std::size_t start, char16_t& code);

}  // namespace pembra_private

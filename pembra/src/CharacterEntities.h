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

}  // namespace pembra_private

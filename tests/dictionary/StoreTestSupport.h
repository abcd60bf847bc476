#pragma once
// Reading fixture bytes into the library's dictionary and reading answers back.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "DictionaryStore.h"

namespace fixtures {

// Bytes written out one by one, for hand-made file images.
inline std::string Raw(std::initializer_list<unsigned> bytes) {
  std::string out;
  for (unsigned byte : bytes) out.push_back(static_cast<char>(byte));
  return out;
}

inline void ReadInto(pembra_private::Dictionary& dictionary, std::string_view bytes) {
  dictionary.ReadBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The stored text of `key`, or nothing when it is absent.
inline std::optional<std::u16string> TextOf(const pembra_private::Dictionary& dictionary,
                                            std::string_view key) {
  const auto run = dictionary.Lookup(key);
  if (!run) return std::nullopt;
  return std::u16string(run->view());
}

}  // namespace fixtures

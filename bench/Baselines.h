#pragma once
// What the dictionary library's work is measured against: the same results
// from a std::unordered_map and plain code, with no store of its own design.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "RealisticDictionary.h"

namespace bench {

// Literal lookups done plainly: split "$$$key=default", find the key in a
// std::unordered_map, copy its value (or the default text, decoded from UTF-8
// with its escapes and entities converted) into a UTF-16 buffer with a NUL.
class BaselineLookup {
 public:
  explicit BaselineLookup(const std::vector<RealisticEntry>& entries);
  // The units written before the NUL; at most capacity - 1.
  std::size_t Lookup(const char* literal, char16_t* out, std::size_t capacity) const;

 private:
  std::unordered_map<std::string_view, std::u16string> map_;  // keys view the entries
};

// The same bytes from the same kind of stream (a file stream) into one new
// buffer: the floor of any read. Sets `size` to the bytes read.
std::unique_ptr<char[]> PlainRead(const std::string& path, std::size_t& size);

}  // namespace bench

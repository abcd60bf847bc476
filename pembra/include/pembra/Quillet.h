#pragma once
// A localised string: the UTF-16 answer to a literal such as "$$$/key=default".
#include <cstddef>
#include <memory>
#include <string>

#include "pembra/EncodingInfo.h"

namespace pembra_private {
class Quillet;
}

namespace pembra {

class Quillet {
 public:
  // An empty string.
  Quillet();
  // Looks `literal` up in the process-wide dictionary of `dictionaryId`. An id
  // that was never filled holds no entries, so the result is the literal's
  // default text.
  Quillet(const char* literal, unsigned dictionaryId, const EncodingInfo* encoding = nullptr);
  explicit Quillet(std::unique_ptr<pembra_private::Quillet> impl);
  // Copies share the text.
  Quillet(const Quillet& other);
  Quillet& operator=(const Quillet& other);
  Quillet(Quillet&& other) noexcept;
  Quillet& operator=(Quillet&& other) noexcept;
  ~Quillet();

  // Length in UTF-16 units plus one, room for a terminating NUL; never 0.
  std::size_t GetUnicodeSize() const;
  // Copies min(capacity, GetUnicodeSize()) - 1 units and a NUL to `destination`;
  // a capacity of 0 (or a null destination) writes nothing. With `throwIfShort`
  // and capacity < GetUnicodeSize(), throws TkErrException 'BUFF' after the
  // truncated copy.
  void GetUnicode(char16_t* destination, std::size_t capacity, bool throwIfShort = false) const;

  // The text without a NUL.
  std::size_t Length() const;
  std::u16string ToUTF16() const;

 private:
  std::unique_ptr<pembra_private::Quillet> impl_;
};

}  // namespace pembra

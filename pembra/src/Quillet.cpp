#include "pembra/Quillet.h"

#include <algorithm>

#include "DictionaryMap.h"
#include "Literal.h"
#include "QuilletValue.h"
#include "pembra/TkErrException.h"

namespace pembra {

namespace {

// A moved-from value holds no private part and reads as empty.
const pembra_private::UnicodeRun& RunOf(const std::unique_ptr<pembra_private::Quillet>& impl) {
  static const pembra_private::UnicodeRun empty;
  return impl ? impl->Run() : empty;
}

}  // namespace

Quillet::Quillet() : impl_(std::make_unique<pembra_private::Quillet>()) {}

Quillet::Quillet(const char* literal, unsigned dictionaryId, const EncodingInfo* encoding)
    : impl_(std::make_unique<pembra_private::Quillet>(pembra_private::LookupLiteral(
          pembra_private::DictionaryMap::Instance()[dictionaryId], literal, encoding))) {}

Quillet::Quillet(std::unique_ptr<pembra_private::Quillet> impl)
    : impl_(impl ? std::move(impl) : std::make_unique<pembra_private::Quillet>()) {}

Quillet::Quillet(const Quillet& other)
    : impl_(std::make_unique<pembra_private::Quillet>(RunOf(other.impl_))) {}

Quillet& Quillet::operator=(const Quillet& other) {
  if (this != &other) impl_ = std::make_unique<pembra_private::Quillet>(RunOf(other.impl_));
  return *this;
}

Quillet::Quillet(Quillet&& other) noexcept = default;

Quillet& Quillet::operator=(Quillet&& other) noexcept = default;

Quillet::~Quillet() = default;

std::size_t Quillet::Length() const { return RunOf(impl_).size(); }

std::size_t Quillet::GetUnicodeSize() const { return Length() + 1; }

void Quillet::GetUnicode(char16_t* destination, std::size_t capacity, bool throwIfShort) const {
  const std::size_t size = GetUnicodeSize();
  if (destination == nullptr) capacity = 0;
  if (capacity > 0) {
    const std::size_t units = std::min(capacity, size) - 1;
    std::copy_n(RunOf(impl_).data(), units, destination);
    destination[units] = 0;
  }
  if (throwIfShort && capacity < size) throw TkErrException(kErrBufferTooSmall);
}

std::u16string Quillet::ToUTF16() const { return std::u16string(RunOf(impl_).view()); }

}  // namespace pembra

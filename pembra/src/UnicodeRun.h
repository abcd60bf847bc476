#pragma once
// A shared, immutable run of UTF-16 units.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace pembra_private {

// Copies share the storage. A run may view part of a larger shared buffer (a
// version-2 value blob); it then keeps that whole buffer alive, so a run never
// outlives its units. Every empty run is the same: no storage at all.
class UnicodeRun {
 public:
  UnicodeRun() = default;
  explicit UnicodeRun(std::u16string units);
  // `length` units at `units`, kept alive by `owner`.
  UnicodeRun(std::shared_ptr<const void> owner, const char16_t* units, std::size_t length);

  const char16_t* data() const { return units_.get(); }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  std::u16string_view view() const { return {units_.get(), length_}; }

 private:
  std::shared_ptr<const char16_t> units_;
  std::size_t length_ = 0;
};

}  // namespace pembra_private

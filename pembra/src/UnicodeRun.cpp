#include "UnicodeRun.h"

namespace pembra_private {

UnicodeRun::UnicodeRun(std::u16string units) {
  if (units.empty()) return;
  auto owner = std::make_shared<const std::u16string>(std::move(units));
  length_ = owner->size();
  units_ = std::shared_ptr<const char16_t>(owner, owner->data());
}

UnicodeRun::UnicodeRun(std::shared_ptr<const void> owner, const char16_t* units, std::size_t length) {
  if (length == 0) return;
  length_ = length;
  units_ = std::shared_ptr<const char16_t>(std::move(owner), units);
}

}  // namespace pembra_private

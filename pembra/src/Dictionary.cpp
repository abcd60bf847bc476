#include "pembra/Dictionary.h"

#include "DictionaryStore.h"
#include "Literal.h"
#include "QuilletValue.h"

namespace pembra {

Dictionary::Dictionary() : impl_(std::make_unique<pembra_private::Dictionary>()) {}

Dictionary::~Dictionary() = default;

void Dictionary::Read(std::istream* stream) { impl_->Read(stream); }

bool Dictionary::ReadFile(const std::string& path) { return impl_->ReadFile(path); }

bool Dictionary::IsValid() const { return impl_->IsValid(); }

int Dictionary::NumKeys() const { return impl_->NumKeys(); }

bool Dictionary::HasKey(const char* literal, const EncodingInfo*) const {
  return pembra_private::HasLiteralKey(*impl_, literal);
}

Quillet Dictionary::Lookup(const char* literal, const EncodingInfo* encoding) const {
  return Quillet(std::make_unique<pembra_private::Quillet>(
      pembra_private::LookupLiteral(*impl_, literal, encoding)));
}

}  // namespace pembra

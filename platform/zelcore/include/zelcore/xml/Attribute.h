#pragma once
// One attribute of an element as the parser reports it.
#include "zelcore/Strings.h"

namespace zelcore::xml {

struct Attribute {
  UTF16String qualifiedName;  // "prefix:local", or the local name when unprefixed
  UTF16String namespaceURI;   // empty when the attribute is in no namespace
  UTF16String localName;
  UTF16String value;

  bool operator==(const Attribute& other) const {
    return qualifiedName == other.qualifiedName && namespaceURI == other.namespaceURI &&
           localName == other.localName && value == other.value;
  }
  bool operator!=(const Attribute& other) const { return !(*this == other); }
};

}  // namespace zelcore::xml

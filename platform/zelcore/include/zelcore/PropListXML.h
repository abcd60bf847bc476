#pragma once
// Property lists written as XML: under the root element, <String name="..." value="..."/>,
// <Float name="..." value="..."/> and <List name="...">...</List> for a sub-list.
#include <string>

#include "zelcore/PropList.h"

namespace zelcore::proplist {

// Reads the document's values into the list, over what it held under the same names. False when
// the document cannot be parsed (the values read before the fault stay).
bool ReadPropList(const std::string& xml, PropList& into);

}  // namespace zelcore::proplist

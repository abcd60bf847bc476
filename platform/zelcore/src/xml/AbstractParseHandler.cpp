#include "zelcore/xml/AbstractParseHandler.h"

namespace zelcore::xml {

AbstractParseHandler::~AbstractParseHandler() = default;

void AbstractParseHandler::StartDocument() {}

void AbstractParseHandler::StartElement(const UTF16String&, const AttributeMap&) {}

void AbstractParseHandler::StartElementWithNamespace(const UTF16String& qualifiedName,
                                                     const UTF16String&, const UTF16String&,
                                                     const AttributeList& attributes) {
  AttributeMap byName;
  for (const Attribute& attribute : attributes) byName[attribute.qualifiedName] = attribute.value;
  StartElement(qualifiedName, byName);
}

void AbstractParseHandler::EndElement(const UTF16String&) {}

void AbstractParseHandler::EndElementWithNamespace(const UTF16String& qualifiedName,
                                                   const UTF16String&, const UTF16String&) {
  EndElement(qualifiedName);
}

void AbstractParseHandler::StartCDATA() {}
void AbstractParseHandler::EndCDATA() {}
void AbstractParseHandler::Characters(const UTF16String&) {}
void AbstractParseHandler::Comment(const UTF16String&) {}
void AbstractParseHandler::EndDocument() {}
void AbstractParseHandler::StartPrefixMapping(const UTF16String&, const UTF16String&) {}
void AbstractParseHandler::EndPrefixMapping(const UTF16String&) {}

}  // namespace zelcore::xml

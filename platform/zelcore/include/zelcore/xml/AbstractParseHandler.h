#pragma once
// The receiver of a document's events. Every operation has a default that
// does nothing, except the namespace forms of the element events: they
// forward to the plain forms, so a handler that only overrides StartElement
// and EndElement still sees every element.
#include <map>
#include <vector>

#include "zelcore/Strings.h"
#include "zelcore/xml/Attribute.h"

namespace zelcore::xml {

// Qualified attribute name -> value.
using AttributeMap = std::map<UTF16String, UTF16String>;
// Attributes in document order.
using AttributeList = std::vector<Attribute>;

class AbstractParseHandler {
 public:
  AbstractParseHandler() = default;
  AbstractParseHandler(const AbstractParseHandler&) = delete;
  AbstractParseHandler& operator=(const AbstractParseHandler&) = delete;
  virtual ~AbstractParseHandler();

  virtual void StartDocument();
  virtual void StartElement(const UTF16String& qualifiedName, const AttributeMap& attributes);
  virtual void StartElementWithNamespace(const UTF16String& qualifiedName,
                                         const UTF16String& namespaceURI,
                                         const UTF16String& localName,
                                         const AttributeList& attributes);
  virtual void EndElement(const UTF16String& qualifiedName);
  virtual void EndElementWithNamespace(const UTF16String& qualifiedName,
                                       const UTF16String& namespaceURI,
                                       const UTF16String& localName);
  virtual void StartCDATA();
  virtual void EndCDATA();
  virtual void Characters(const UTF16String& text);
  virtual void Comment(const UTF16String& text);
  virtual void EndDocument();
  virtual void StartPrefixMapping(const UTF16String& prefix, const UTF16String& namespaceURI);
  virtual void EndPrefixMapping(const UTF16String& prefix);
};

}  // namespace zelcore::xml

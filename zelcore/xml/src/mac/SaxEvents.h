#pragma once
// The libxml2 SAX2 callbacks of LibXML2ParseHandler. Each one receives the
// parser as its user data, converts libxml2's UTF-8 to UTF-16 and calls the
// handler. A handler exception is caught here, in the callback, so that it
// never unwinds through libxml2: the parse is stopped and marked failed, and
// no further event reaches the handler. Entity references can repeat text
// without limit; what the handler is given is counted against a budget.
#include <libxml/parser.h>

#include <cstddef>

#include "zelxml/LibXML2ParseHandler.h"

namespace zelcore::xml {

class LibXML2SaxEvents {
 public:
  // The table to install in a parser context whose user data is the parser.
  static xmlSAXHandler Table();

 private:
  // Runs the event unless the parse was stopped. `textBytes` of text from the
  // document come out of the parser's text budget first; when they do not fit,
  // the parse is stopped and marked failed instead.
  template <class Event>
  static void Deliver(void* parser, std::size_t textBytes, Event&& event);

  static void InternalSubset(void* parser, const xmlChar* name, const xmlChar* externalID,
                             const xmlChar* systemID);
  static xmlEntityPtr GetEntity(void* parser, const xmlChar* name);
  static void StartDocument(void* parser);
  static void EndDocument(void* parser);
  static void Characters(void* parser, const xmlChar* text, int length);
  static void CDataBlock(void* parser, const xmlChar* text, int length);
  static void Comment(void* parser, const xmlChar* text);
  static void StartElementNs(void* parser, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaultedCount, const xmlChar** attributes);
  static void EndElementNs(void* parser, const xmlChar* localName, const xmlChar* prefix,
                           const xmlChar* uri);
};

}  // namespace zelcore::xml

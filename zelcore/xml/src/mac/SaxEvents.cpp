#include "SaxEvents.h"

#include <libxml/SAX2.h>

#include <cstring>
#include <utility>

namespace zelcore::xml {

namespace {

UTF16String Text(const xmlChar* text) {
  if (text == nullptr) return UTF16String();
  return utility::UTF8to16(reinterpret_cast<const char*>(text));
}

UTF16String Text(const xmlChar* text, int length) {
  if (text == nullptr || length <= 0) return UTF16String();
  return utility::UTF8to16(
      std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(length)));
}

UTF16String Text(const xmlChar* begin, const xmlChar* end) {
  if (begin == nullptr || end == nullptr || end < begin) return UTF16String();
  return utility::UTF8to16(std::string(reinterpret_cast<const char*>(begin),
                                       static_cast<size_t>(end - begin)));
}

// Bytes of libxml2's text, for the text budget.
std::size_t Length(int length) { return length > 0 ? static_cast<std::size_t>(length) : 0; }
std::size_t Length(const xmlChar* text) {
  return text == nullptr ? 0 : std::strlen(reinterpret_cast<const char*>(text));
}
std::size_t Length(const xmlChar* begin, const xmlChar* end) {
  return begin == nullptr || end == nullptr || end < begin ? 0 : static_cast<std::size_t>(end - begin);
}

UTF16String QualifiedName(const xmlChar* prefix, const xmlChar* localName) {
  if (prefix == nullptr || *prefix == 0) return Text(localName);
  return Text(prefix) + u":" + Text(localName);
}

}  // namespace

xmlSAXHandler LibXML2SaxEvents::Table() {
  xmlSAXHandler table;
  std::memset(&table, 0, sizeof(table));
  table.initialized = XML_SAX2_MAGIC;
  table.internalSubset = InternalSubset;
  table.getEntity = GetEntity;
  table.startDocument = StartDocument;
  table.endDocument = EndDocument;
  table.characters = Characters;
  table.cdataBlock = CDataBlock;
  table.comment = Comment;
  table.startElementNs = StartElementNs;
  table.endElementNs = EndElementNs;
  return table;
}

template <class Event>
void LibXML2SaxEvents::Deliver(void* parser, std::size_t textBytes, Event&& event) {
  auto& self = *static_cast<LibXML2ParseHandler*>(parser);
  if (self.handlerFailed_) return;
  if (textBytes > self.textBudget_) {
    self.handlerFailed_ = true;
    xmlStopParser(self.context_);
    return;
  }
  self.textBudget_ -= textBytes;
  try {
    event(self, *self.Handler());
  } catch (...) {
    self.handlerFailed_ = true;
    xmlStopParser(self.context_);
  }
}

// Entity declarations and look-ups go to libxml2's own implementation with
// the real context, so that entities declared in the internal subset resolve.
void LibXML2SaxEvents::InternalSubset(void* parser, const xmlChar* name,
                                      const xmlChar* externalID, const xmlChar* systemID) {
  xmlSAX2InternalSubset(static_cast<LibXML2ParseHandler*>(parser)->context_, name, externalID,
                        systemID);
}

xmlEntityPtr LibXML2SaxEvents::GetEntity(void* parser, const xmlChar* name) {
  return xmlSAX2GetEntity(static_cast<LibXML2ParseHandler*>(parser)->context_, name);
}

void LibXML2SaxEvents::StartDocument(void* parser) {
  Deliver(parser, 0, [](LibXML2ParseHandler&, AbstractParseHandler& handler) {
    handler.StartDocument();
  });
}

void LibXML2SaxEvents::EndDocument(void* parser) {
  Deliver(parser, 0, [](LibXML2ParseHandler&, AbstractParseHandler& handler) {
    handler.EndDocument();
  });
}

void LibXML2SaxEvents::Characters(void* parser, const xmlChar* text, int length) {
  Deliver(parser, Length(length), [&](LibXML2ParseHandler&, AbstractParseHandler& handler) {
    handler.Characters(Text(text, length));
  });
}

void LibXML2SaxEvents::CDataBlock(void* parser, const xmlChar* text, int length) {
  Deliver(parser, Length(length), [&](LibXML2ParseHandler&, AbstractParseHandler& handler) {
    handler.StartCDATA();
    handler.Characters(Text(text, length));
    handler.EndCDATA();
  });
}

void LibXML2SaxEvents::Comment(void* parser, const xmlChar* text) {
  Deliver(parser, Length(text), [&](LibXML2ParseHandler&, AbstractParseHandler& handler) {
    handler.Comment(Text(text));
  });
}

// attributes holds five pointers per attribute: local name, prefix, URI,
// value start, value end. namespaces holds (prefix or null, URI) pairs.
void LibXML2SaxEvents::StartElementNs(void* parser, const xmlChar* localName,
                                      const xmlChar* prefix, const xmlChar* uri,
                                      int namespaceCount, const xmlChar** namespaces,
                                      int attributeCount, int /*defaultedCount*/,
                                      const xmlChar** attributes) {
  // An element can come from an entity's text as well: its name and attribute values count.
  std::size_t textBytes = Length(localName);
  for (int i = 0; i < attributeCount; ++i) {
    const xmlChar** attribute = attributes + 5 * i;
    textBytes += Length(attribute[0]) + Length(attribute[3], attribute[4]);
  }
  Deliver(parser, textBytes, [&](LibXML2ParseHandler& self, AbstractParseHandler& handler) {
    AttributeList list;
    if (attributeCount > 0) list.reserve(static_cast<size_t>(attributeCount));
    for (int i = 0; i < attributeCount; ++i) {
      const xmlChar** attribute = attributes + 5 * i;
      list.push_back(Attribute{QualifiedName(attribute[1], attribute[0]), Text(attribute[2]),
                               Text(attribute[0]), Text(attribute[3], attribute[4])});
    }

    LibXML2ParseHandler::PrefixScope scope;
    for (int i = 0; i < namespaceCount; ++i) {
      UTF16String declaredPrefix = Text(namespaces[2 * i]);
      UTF16String declaredURI = Text(namespaces[2 * i + 1]);
      handler.StartPrefixMapping(declaredPrefix, declaredURI);
      scope[std::move(declaredPrefix)] = std::move(declaredURI);
    }
    self.scopes_.push_back(std::move(scope));

    handler.StartElementWithNamespace(QualifiedName(prefix, localName), Text(uri),
                                      Text(localName), list);
  });
}

void LibXML2SaxEvents::EndElementNs(void* parser, const xmlChar* localName,
                                    const xmlChar* prefix, const xmlChar* uri) {
  Deliver(parser, 0, [&](LibXML2ParseHandler& self, AbstractParseHandler& handler) {
    handler.EndElementWithNamespace(QualifiedName(prefix, localName), Text(uri),
                                    Text(localName));
    if (self.scopes_.empty()) return;
    const LibXML2ParseHandler::PrefixScope scope = std::move(self.scopes_.back());
    self.scopes_.pop_back();
    for (const auto& declaration : scope) handler.EndPrefixMapping(declaration.first);
  });
}

}  // namespace zelcore::xml

#pragma once
// The document parser over libxml2's SAX2 interface: reports one document
// to the handler it owns, with namespaces.
#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "zelcore/Strings.h"
#include "zelcore/xml/AbstractDocParser.h"
#include "zelcore/xml/AbstractParseHandler.h"

struct _xmlParserCtxt;

namespace zelcore::xml {

class LibXML2ParseHandler : public AbstractDocParser {
 public:
  explicit LibXML2ParseHandler(std::unique_ptr<AbstractParseHandler>& handler);
  ~LibXML2ParseHandler() override;

  bool HasNamespaceSupport() const override;
  // kParseFailed when the file cannot be read.
  int ParseDocument(const UTF16String& path) override;
  // The text ends at its first NUL byte. kParseFailed for an empty or
  // malformed document, when the handler throws (the exception is swallowed
  // and no further event is reported), when entity references would hand the
  // handler more text than kTextPerDocumentByte times the document's size
  // plus kTextAllowance (the parse stops there), or when called during a
  // parse of this same parser. External entities are never loaded.
  int ParseBuffer(const std::string& text) override;

  static constexpr std::size_t kTextPerDocumentByte = 10;
  static constexpr std::size_t kTextAllowance = std::size_t{1} << 20;

 private:
  friend class LibXML2SaxEvents;

  // Namespace declarations made on one open element: prefix -> URI.
  using PrefixScope = std::map<UTF16String, UTF16String>;

  _xmlParserCtxt* context_ = nullptr;  // only during ParseBuffer
  std::deque<PrefixScope> scopes_;     // one per open element
  bool handlerFailed_ = false;         // the handler threw, or the text budget ran out
  std::size_t textBudget_ = 0;         // bytes of text the handler may still be given
};

}  // namespace zelcore::xml

#pragma once
// The factory the application installs with SetParserFactory: every parser
// it makes is a LibXML2ParseHandler.
#include <memory>

#include "zelcore/xml/DocParserFactory.h"

namespace zelcore::xml {

class LibXML2ParserFactory : public DocParserFactory {
 public:
  LibXML2ParserFactory() = default;
  ~LibXML2ParserFactory() override;

  std::unique_ptr<AbstractDocParser> GetParser(
      std::unique_ptr<AbstractParseHandler>& handler) override;
};

}  // namespace zelcore::xml

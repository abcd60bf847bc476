#include "zelxml/LibXML2ParserFactory.h"

#include "zelxml/LibXML2ParseHandler.h"

namespace zelcore::xml {

LibXML2ParserFactory::~LibXML2ParserFactory() = default;

std::unique_ptr<AbstractDocParser> LibXML2ParserFactory::GetParser(
    std::unique_ptr<AbstractParseHandler>& handler) {
  return std::make_unique<LibXML2ParseHandler>(handler);
}

}  // namespace zelcore::xml

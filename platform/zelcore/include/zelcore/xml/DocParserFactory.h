#pragma once
// The factory that makes the process's document parsers, and the process-wide
// slot it is installed in.
#include <memory>

#include "zelcore/xml/AbstractDocParser.h"
#include "zelcore/xml/AbstractParseHandler.h"

namespace zelcore::xml {

class DocParserFactory {
 public:
  DocParserFactory() = default;
  DocParserFactory(const DocParserFactory&) = delete;
  DocParserFactory& operator=(const DocParserFactory&) = delete;
  virtual ~DocParserFactory();

  // A new parser that takes the handler over; the caller owns the parser.
  virtual std::unique_ptr<AbstractDocParser> GetParser(
      std::unique_ptr<AbstractParseHandler>& handler) = 0;
};

// Installs the factory every later GetParser uses, destroying the one before.
// Null uninstalls.
void SetParserFactory(std::unique_ptr<DocParserFactory> factory);

// A new parser from the installed factory, owning the handler. With no
// factory installed: null, and the handler stays with the caller.
std::unique_ptr<AbstractDocParser> GetParser(std::unique_ptr<AbstractParseHandler>& handler);
// The same for a handler made on the spot.
std::unique_ptr<AbstractDocParser> GetParser(std::unique_ptr<AbstractParseHandler>&& handler);

}  // namespace zelcore::xml

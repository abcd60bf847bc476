#include "zelcore/xml/AbstractDocParser.h"

#include <utility>

namespace zelcore::xml {

AbstractDocParser::AbstractDocParser(std::unique_ptr<AbstractParseHandler>& handler)
    : handler_(std::move(handler)) {}

AbstractDocParser::~AbstractDocParser() = default;

}  // namespace zelcore::xml

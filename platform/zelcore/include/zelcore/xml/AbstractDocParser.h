#pragma once
// A document parser bound to the handler it owns and reports to.
#include <memory>
#include <string>

#include "zelcore/Strings.h"
#include "zelcore/xml/AbstractParseHandler.h"

namespace zelcore::xml {

// Results of ParseDocument and ParseBuffer.
constexpr int kParseSucceeded = 0;
constexpr int kParseFailed = 10;

class AbstractDocParser {
 public:
  AbstractDocParser(const AbstractDocParser&) = delete;
  AbstractDocParser& operator=(const AbstractDocParser&) = delete;
  virtual ~AbstractDocParser();

  // True when the parser reports elements through the namespace forms.
  virtual bool HasNamespaceSupport() const = 0;
  // Reads the file at path and parses its bytes.
  virtual int ParseDocument(const UTF16String& path) = 0;
  // Parses the bytes of a whole document.
  virtual int ParseBuffer(const std::string& text) = 0;

  // The handler the parser owns (null if it was given none).
  AbstractParseHandler* Handler() const { return handler_.get(); }

 protected:
  // Takes the handler over from the caller; the caller's pointer is left null.
  explicit AbstractDocParser(std::unique_ptr<AbstractParseHandler>& handler);

 private:
  std::unique_ptr<AbstractParseHandler> handler_;
};

}  // namespace zelcore::xml

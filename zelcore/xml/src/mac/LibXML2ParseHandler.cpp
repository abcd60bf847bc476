#include "zelxml/LibXML2ParseHandler.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>

#include <climits>
#include <mutex>

#include "ExternalEntityRefusal.h"
#include "FileBytes.h"
#include "SaxEvents.h"

namespace zelcore::xml {

namespace {

void InitLibXML2Once() {
  static std::once_flag once;
  std::call_once(once, [] { xmlInitParser(); });
}

}  // namespace

LibXML2ParseHandler::LibXML2ParseHandler(std::unique_ptr<AbstractParseHandler>& handler)
    : AbstractDocParser(handler) {}

LibXML2ParseHandler::~LibXML2ParseHandler() { scopes_.clear(); }

bool LibXML2ParseHandler::HasNamespaceSupport() const { return true; }

int LibXML2ParseHandler::ParseDocument(const UTF16String& path) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return kParseFailed;
  return ParseBuffer(bytes);
}

int LibXML2ParseHandler::ParseBuffer(const std::string& text) {
  // A handler that starts a parse of this same parser gets a failure instead
  // of a second context over the first.
  if (context_ != nullptr || Handler() == nullptr) return kParseFailed;

  const size_t nul = text.find('\0');
  const size_t length = nul == std::string::npos ? text.size() : nul;
  if (length == 0 || length > static_cast<size_t>(INT_MAX)) return kParseFailed;

  InitLibXML2Once();
  xmlParserCtxtPtr context = xmlCreateMemoryParserCtxt(text.data(), static_cast<int>(length));
  if (context == nullptr) return kParseFailed;

  // Entities are replaced by their text; set on this context only, not
  // through the process-wide default.
  xmlCtxtUseOptions(context, XML_PARSE_NOENT | XML_PARSE_NONET);
  *context->sax = LibXML2SaxEvents::Table();
  context->userData = this;

  context_ = context;
  scopes_.clear();
  handlerFailed_ = false;
  textBudget_ = kTextPerDocumentByte * length + kTextAllowance;

  int status;
  {
    ExternalEntityRefusal noExternalEntities;
    status = xmlParseDocument(context);
  }
  // A parse stopped by a failing handler can still report success.
  const bool failed = status != 0 || !context->wellFormed || handlerFailed_;

  // Entity declarations of the internal subset live in a document that
  // libxml2 makes for them and leaves to the caller.
  if (context->myDoc != nullptr) {
    xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
  }
  xmlFreeParserCtxt(context);

  context_ = nullptr;
  scopes_.clear();
  handlerFailed_ = false;
  return failed ? kParseFailed : kParseSucceeded;
}

}  // namespace zelcore::xml

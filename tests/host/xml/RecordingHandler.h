#pragma once
// A handler that writes every event as one line of UTF-8 text:
//   "startDocument", "endDocument",
//   "start{uri}qname attr=value {uri}p:attr=value", "end{uri}qname",
//   "map prefix=uri", "unmap prefix", "cdata{", "}cdata",
//   "text:..." (consecutive Characters calls joined), "comment:...".
// A local name that does not match its qualified name is flagged with
// "!local=...". With throwOn set, the first event whose line starts with it
// is recorded and then throws.
#include <string>
#include <vector>

#include "zelcore/xml/AbstractParseHandler.h"

class RecordingHandler : public zelcore::xml::AbstractParseHandler {
 public:
  using UTF16String = zelcore::UTF16String;

  explicit RecordingHandler(std::vector<std::string>& events, std::string throwOn = {});

  void StartDocument() override;
  void StartElementWithNamespace(const UTF16String& qualifiedName, const UTF16String& uri,
                                 const UTF16String& localName,
                                 const zelcore::xml::AttributeList& attributes) override;
  void EndElementWithNamespace(const UTF16String& qualifiedName, const UTF16String& uri,
                               const UTF16String& localName) override;
  void StartCDATA() override;
  void EndCDATA() override;
  void Characters(const UTF16String& text) override;
  void Comment(const UTF16String& text) override;
  void EndDocument() override;
  void StartPrefixMapping(const UTF16String& prefix, const UTF16String& uri) override;
  void EndPrefixMapping(const UTF16String& prefix) override;

 private:
  void Record(const std::string& line);

  std::vector<std::string>& events_;
  std::string throwOn_;
};

// A handler that only overrides the plain element forms:
//   "Start qname a=1 b=2" (attributes by name), "End qname".
class PlainElementHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit PlainElementHandler(std::vector<std::string>& events) : events_(events) {}

  void StartElement(const zelcore::UTF16String& qualifiedName,
                    const zelcore::xml::AttributeMap& attributes) override;
  void EndElement(const zelcore::UTF16String& qualifiedName) override;

 private:
  std::vector<std::string>& events_;
};

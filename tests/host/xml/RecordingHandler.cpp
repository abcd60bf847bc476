#include "RecordingHandler.h"

#include <stdexcept>
#include <utility>

using zelcore::utility::UTF16to8;

namespace {

// "{uri}qname", with "!local=..." when the local name is not the part after
// the prefix.
std::string Name(const zelcore::UTF16String& qualifiedName, const zelcore::UTF16String& uri,
                 const zelcore::UTF16String& localName, bool showEmptyURI) {
  std::string out;
  if (showEmptyURI || !uri.empty()) out += "{" + UTF16to8(uri) + "}";
  out += UTF16to8(qualifiedName);
  const size_t colon = qualifiedName.find(u':');
  const zelcore::UTF16String expectedLocal =
      colon == zelcore::UTF16String::npos ? qualifiedName : qualifiedName.substr(colon + 1);
  if (localName != expectedLocal) out += "!local=" + UTF16to8(localName);
  return out;
}

}  // namespace

RecordingHandler::RecordingHandler(std::vector<std::string>& events, std::string throwOn)
    : events_(events), throwOn_(std::move(throwOn)) {}

void RecordingHandler::Record(const std::string& line) {
  const bool joinsText = line.rfind("text:", 0) == 0 && !events_.empty() &&
                         events_.back().rfind("text:", 0) == 0;
  if (joinsText) {
    events_.back() += line.substr(5);
  } else {
    events_.push_back(line);
  }
  if (!throwOn_.empty() && line.rfind(throwOn_, 0) == 0) {
    throwOn_.clear();
    throw std::runtime_error("handler failure at " + line);
  }
}

void RecordingHandler::StartDocument() { Record("startDocument"); }
void RecordingHandler::EndDocument() { Record("endDocument"); }

void RecordingHandler::StartElementWithNamespace(const UTF16String& qualifiedName,
                                                 const UTF16String& uri,
                                                 const UTF16String& localName,
                                                 const zelcore::xml::AttributeList& attributes) {
  std::string line = "start" + Name(qualifiedName, uri, localName, true);
  for (const auto& attribute : attributes) {
    line += " " + Name(attribute.qualifiedName, attribute.namespaceURI, attribute.localName, false) +
            "=" + UTF16to8(attribute.value);
  }
  Record(line);
}

void RecordingHandler::EndElementWithNamespace(const UTF16String& qualifiedName,
                                               const UTF16String& uri,
                                               const UTF16String& localName) {
  Record("end" + Name(qualifiedName, uri, localName, true));
}

void RecordingHandler::StartCDATA() { Record("cdata{"); }
void RecordingHandler::EndCDATA() { Record("}cdata"); }
void RecordingHandler::Characters(const UTF16String& text) { Record("text:" + UTF16to8(text)); }
void RecordingHandler::Comment(const UTF16String& text) { Record("comment:" + UTF16to8(text)); }

void RecordingHandler::StartPrefixMapping(const UTF16String& prefix, const UTF16String& uri) {
  Record("map " + UTF16to8(prefix) + "=" + UTF16to8(uri));
}

void RecordingHandler::EndPrefixMapping(const UTF16String& prefix) {
  Record("unmap " + UTF16to8(prefix));
}

void PlainElementHandler::StartElement(const zelcore::UTF16String& qualifiedName,
                                       const zelcore::xml::AttributeMap& attributes) {
  std::string line = "Start " + UTF16to8(qualifiedName);
  for (const auto& [name, value] : attributes) line += " " + UTF16to8(name) + "=" + UTF16to8(value);
  events_.push_back(line);
}

void PlainElementHandler::EndElement(const zelcore::UTF16String& qualifiedName) {
  events_.push_back("End " + UTF16to8(qualifiedName));
}

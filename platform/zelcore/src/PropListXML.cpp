#include "zelcore/PropListXML.h"

#include <cstdlib>
#include <vector>

#include "zelcore/xml/DocParserFactory.h"

namespace zelcore::proplist {

namespace {

class PropListHandler : public xml::AbstractParseHandler {
 public:
  explicit PropListHandler(PropList& root) : mLists{&root} {}

  void StartElement(const UTF16String& element, const xml::AttributeMap& attributes) override {
    ++mDepth;
    if (mDepth == 1) return;  // the root element is the list itself
    PropList* list = mLists.back();
    const UTF8String name = Value(attributes, u"name");
    if (element == u"List") {
      mLists.push_back(name.empty() ? list : list->NewSubList(name));
      mListDepths.push_back(mDepth);
      return;
    }
    if (name.empty()) return;
    if (element == u"String") list->SetStringValue(name, Value(attributes, u"value"));
    if (element == u"Float") list->SetFloatValue(name, std::strtof(Value(attributes, u"value").c_str(), nullptr));
  }

  void EndElement(const UTF16String&) override {
    if (!mListDepths.empty() && mListDepths.back() == mDepth) {
      mListDepths.pop_back();
      mLists.pop_back();
    }
    --mDepth;
  }

 private:
  static UTF8String Value(const xml::AttributeMap& attributes, const char16_t* key) {
    const auto it = attributes.find(key);
    return it == attributes.end() ? UTF8String() : UTF16to8(it->second);
  }

  std::vector<PropList*> mLists;  // the lists being filled, innermost last
  std::vector<int> mListDepths;
  int mDepth = 0;
};

}  // namespace

bool ReadPropList(const std::string& text, PropList& into) {
  auto parser = xml::GetParser(std::make_unique<PropListHandler>(into));
  return parser && parser->ParseBuffer(text) == xml::kParseSucceeded;
}

}  // namespace zelcore::proplist

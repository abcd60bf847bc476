#include "PreferencesFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#include "zelcore/xml/DocParserFactory.h"

namespace fennick {

const zelcore::UTF16String sAppPrefsFileName = u"AppPrefs.xml";

namespace {

using zelcore::proplist::PropList;

// Fills a list from the file's elements. Elements it does not know, and everything inside them,
// are skipped.
class PreferencesParseHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit PreferencesParseHandler(PropList* list) : mRoot(list) {}

  void StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) override {
    Frame frame;
    const Frame* top = mFrames.empty() ? nullptr : &mFrames.back();
    if (top == nullptr) {
      if (name == u"preferences") frame = Frame{Frame::kList, mRoot, {}};
    } else if (top->kind == Frame::kList) {
      const auto key = attributes.find(u"key");
      if (key != attributes.end()) {
        const zelcore::UTF8String keyText = zelcore::UTF16to8(key->second);
        if (name == u"string") frame = Frame{Frame::kString, top->list, keyText};
        if (name == u"number") frame = Frame{Frame::kNumber, top->list, keyText};
        if (name == u"list") frame = Frame{Frame::kList, top->list->NewSubList(keyText), keyText};
      }
    }
    mFrames.push_back(frame);
    mText.clear();
  }

  void EndElement(const zelcore::UTF16String&) override {
    if (mFrames.empty()) return;
    const Frame frame = mFrames.back();
    mFrames.pop_back();
    if (frame.kind == Frame::kString) frame.list->SetStringValue(frame.key, zelcore::UTF16to8(mText));
    if (frame.kind == Frame::kNumber) {
      const std::string text = zelcore::UTF16to8(mText);
      char* end = nullptr;
      const float value = std::strtof(text.c_str(), &end);
      if (end != text.c_str()) frame.list->SetFloatValue(frame.key, value);
    }
    mText.clear();
  }

  void Characters(const zelcore::UTF16String& text) override {
    if (!mFrames.empty() && (mFrames.back().kind == Frame::kString || mFrames.back().kind == Frame::kNumber))
      mText += text;
  }

 private:
  struct Frame {
    enum Kind { kSkipped, kList, kString, kNumber } kind = kSkipped;
    PropList* list = nullptr;  // the list the element fills or stores into
    zelcore::UTF8String key;
  };

  PropList* mRoot;
  std::vector<Frame> mFrames;
  zelcore::UTF16String mText;
};

// XML 1.0 holds no control characters but tab, line feed and carriage return: others are left
// out. Text that is not UTF-8 is written as its replacement characters.
std::string Escaped(const zelcore::UTF8String& raw, bool attribute) {
  const std::string text = zelcore::UTF16to8(zelcore::UTF8to16(raw));
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      // Kept as references so that reading gives them back unchanged.
      case '\r': out += "&#13;"; break;
      case '\n': out += attribute ? "&#10;" : "\n"; break;
      case '\t': out += attribute ? "&#9;" : "\t"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
        break;
    }
  }
  return out;
}

void WriteList(std::ostream& out, const PropList& list, int depth) {
  const std::string indent(2 * depth, ' ');
  for (const zelcore::UTF8String& key : list.GetPropertyNames()) {
    const std::string keyAttribute = "key=\"" + Escaped(key, true) + "\"";
    zelcore::UTF8String text;
    float number = 0;
    if (list.GetStringValue(key, text)) {
      out << indent << "<string " << keyAttribute << ">" << Escaped(text, false) << "</string>\n";
    } else if (list.GetFloatValue(key, number)) {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(number));
      out << indent << "<number " << keyAttribute << ">" << buffer << "</number>\n";
    } else if (const PropList* sub = list.GetSubList(key)) {
      out << indent << "<list " << keyAttribute << ">\n";
      WriteList(out, *sub, depth + 1);
      out << indent << "</list>\n";
    }
  }
}

}  // namespace

bool ReadPreferencesFile(const zelcore::File& file, PropList& list) {
  list.Clear();
  if (!file.Exists()) return false;
  auto parser = zelcore::xml::GetParser(std::make_unique<PreferencesParseHandler>(&list));
  if (parser && parser->ParseDocument(file.FullPath()) == zelcore::xml::kParseSucceeded) return true;
  // Part of a broken file is not trusted.
  list.Clear();
  return false;
}

bool WritePreferencesFile(const zelcore::File& file, const PropList& list) {
  if (file.Path().empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(file.Path().parent_path(), ec);
  std::filesystem::path temporary = file.Path();
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<preferences>\n";
    WriteList(out, list, 1);
    out << "</preferences>\n";
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, ec);
      return false;
    }
  }
  std::filesystem::rename(temporary, file.Path(), ec);
  if (!ec) return true;
  std::filesystem::remove(temporary, ec);
  return false;
}

}  // namespace fennick

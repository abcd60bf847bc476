#include "Localizer.h"

#include <vector>

#include "pembra/Dictionary.h"
#include "pembra/EncodingInfo.h"
#include "pembra/Quillet.h"
#include "zelcore/Assert.h"
#include "zelcore/Locale.h"

namespace fennick {

namespace {

const pembra::EncodingInfo kLiteralEncoding{pembra::EncodingInfo::kUTF8};

zelcore::UTF16String TextOf(const pembra::Quillet& quillet) {
  const std::size_t stringSize = quillet.GetUnicodeSize();  // never 0: room for the NUL
  std::vector<char16_t> stringBuffer(stringSize);
  quillet.GetUnicode(stringBuffer.data(), stringSize, false);
  if (stringBuffer[stringSize - 1] != 0x0000) {
    static bool sAssertSiteDisabled = false;
    zelcore::BreakAfterAssertDialog(
        sAssertSiteDisabled, "stringBuffer[stringSize-1] == 0x0000",
        "pembra::Quillet::GetUnicode is supposed to return a 0x0000 (NUL) terminated Unicode UTF16 string",
        __FILE__, __LINE__, __func__);
  }
  return zelcore::UTF16String(stringBuffer.data(), stringSize - 1);
}

}  // namespace

Localizer::Localizer() = default;
Localizer::~Localizer() = default;

zelcore::UTF16String Localizer::GetLocalizedString(const char* literal) const {
  const std::string given = literal ? literal : "";
  std::string copy = given;
  if (copy.rfind("($$$", 0) == 0) {
    copy.erase(0, 1);
    if (!copy.empty() && copy.back() == ')') copy.pop_back();
  }
  if (copy.find('=') == std::string::npos) return zelcore::UTF8to16(given);
  return PerformQuilletLookup(copy);
}

zelcore::UTF16String Localizer::PerformQuilletLookup(const std::string& literal) const {
  if (mDictionary && mDictionary->IsValid() && mDictionary->HasKey(literal.c_str(), &kLiteralEncoding)) {
    const zelcore::UTF16String text = TextOf(mDictionary->Lookup(literal.c_str(), &kLiteralEncoding));
    if (!text.empty()) return text;
  }
  return TextOf(pembra::Quillet(literal.c_str(), 0, &kLiteralEncoding));
}

bool Localizer::LoadDictionary(const zelcore::UTF16String& path) { return LoadQuilletDictionaryFromPath(path); }

void Localizer::LoadAppDictionary() { LoadQuilletDictionary(zelcore::Dir::AppDir().FullPath()); }

bool Localizer::LoadQuilletDictionary(const zelcore::UTF16String& baseFolder) {
  zelcore::UTF16String path;
  return GetQuilletDictionaryFolder(baseFolder, path) && LoadQuilletDictionaryFromPath(path);
}

bool Localizer::GetQuilletDictionaryFolder(const zelcore::UTF16String& baseFolder, zelcore::UTF16String& path) {
  const zelcore::Dir base{std::filesystem::path(zelcore::UTF16to8(baseFolder))};
  const zelcore::Dir folder(zelcore::Dir(zelcore::Dir(base, u"Resources"), zelcore::Locale::ApplicationLangauge()),
                            u"quillet");
  const zelcore::File file(folder, u"veyra_dictionary.dat");
  if (!file.Exists()) return false;
  path = file.FullPath();
  return true;
}

bool Localizer::LoadQuilletDictionaryFromPath(const zelcore::UTF16String& path) {
  // Only a regular file is read, and a pipe at the path cannot hold start-up up. The dictionary
  // is made by the first file that opens; a later one adds to it.
  std::unique_ptr<pembra::Dictionary> made;
  if (!mDictionary) made = std::make_unique<pembra::Dictionary>();
  pembra::Dictionary& dictionary = made ? *made : *mDictionary;
  if (!dictionary.ReadFile(zelcore::UTF16to8(path))) return false;
  if (made) mDictionary = std::move(made);
  return true;
}

}  // namespace fennick

#pragma once
// The application's localiser: literals "$$$/key=default" looked up in the dictionary of the
// running language, else their default text.
#include <memory>

#include "zelcore/Files.h"
#include "zelcore/Localizer.h"

namespace pembra {
class Dictionary;
}

namespace fennick {

class Localizer : public zelcore::config::Localizer {
 public:
  Localizer();
  ~Localizer() override;

  zelcore::UTF16String GetLocalizedString(const char* literal) const override;
  virtual bool LoadDictionary(const zelcore::UTF16String& path);

  // Loads the running language's dictionary from the application folder.
  void LoadAppDictionary();
  bool LoadQuilletDictionary(const zelcore::UTF16String& baseFolder);
  // The dictionary file of the running language under the base folder; true when it exists.
  static bool GetQuilletDictionaryFolder(const zelcore::UTF16String& baseFolder, zelcore::UTF16String& path);
  bool LoadQuilletDictionaryFromPath(const zelcore::UTF16String& path);
  zelcore::UTF16String PerformQuilletLookup(const std::string& literal) const;

 private:
  std::unique_ptr<pembra::Dictionary> mDictionary;
};

}  // namespace fennick

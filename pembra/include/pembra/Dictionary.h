#pragma once
// A localisation dictionary: reads dictionary files (text, or binary versions
// 1.0, 1.5 and 2.x) and answers literals "$$$/key=default text".
#include <istream>
#include <memory>
#include <string>

#include "pembra/EncodingInfo.h"
#include "pembra/Quillet.h"

namespace pembra_private {
class Dictionary;
}

namespace pembra {

class Dictionary {
 public:
  // An empty, valid dictionary.
  Dictionary();
  ~Dictionary();
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // Reads a text or binary dictionary from the start of `stream`, adding to (or
  // replacing) what is already held. A null stream only marks the dictionary
  // invalid. Never throws; problems show through IsValid.
  void Read(std::istream* stream);
  // Reads the file at `path` as Read reads a stream. False, with the dictionary
  // untouched, when it cannot be opened or is not a regular file (the opening
  // never waits on a pipe). A file larger than 256 MB is not read and marks the
  // dictionary invalid, as a broken file does.
  bool ReadFile(const std::string& path);

  // False once a read failed or a text line was rejected.
  bool IsValid() const;
  int NumKeys() const;

  // Whether the literal's key is held; a null or empty literal, or one that
  // begins with "$" but not "$$$", gives false. The encoding is not used.
  bool HasKey(const char* literal, const EncodingInfo* encoding = nullptr) const;
  // The stored text of the literal's key, else its default text (converted from
  // `encoding`, then escapes and character entities converted), else empty.
  // Never throws.
  Quillet Lookup(const char* literal, const EncodingInfo* encoding = nullptr) const;

 private:
  std::unique_ptr<pembra_private::Dictionary> impl_;
};

}  // namespace pembra

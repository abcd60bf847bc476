#pragma once
// A uniquely named file in the temporary folder, removed on destruction.
#include <string>

class TempFile {
 public:
  // nameHint becomes part of the file name (may hold non-ASCII UTF-8).
  TempFile(const std::string& nameHint, const std::string& content);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

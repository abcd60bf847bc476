#pragma once
// Appending bytes to the end of a file that already exists.
#include <string>
#include <string_view>

namespace fennick {

// Writes every byte at the end of the file at path; false (and nothing written) when there is no
// such file or it cannot be opened for writing, false as well when a write fails part way.
bool AppendBytesToExistingFile(const std::string& path, std::string_view bytes);

}  // namespace fennick

// Writing a whole file at once, for the writers that build their text in memory.
#pragma once

#include <string>

namespace scribera::io {

// Replaces the file with `text`. False with "FILE: cannot be written" when it cannot be opened or
// written.
bool WriteTextFile(const std::string& path, const std::string& text, std::string* error);

}  // namespace scribera::io

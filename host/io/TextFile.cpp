#include "io/TextFile.h"

#include <fstream>

namespace scribera::io {

bool WriteTextFile(const std::string& path, const std::string& text, std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        if (error) *error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace scribera::io

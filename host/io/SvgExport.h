// Writing artwork as SVG. Besides what any viewer shows, the file carries in attributes of its own
// namespace everything the document holds that SVG cannot say exactly (colour kinds, corner flags,
// selection, gradient midpoints, meshes), so that reading the file back gives the same artwork.
#pragma once

#include "io/Artwork.h"

#include <string>

namespace scribera::io {

struct SvgPage {
    double width = 0, height = 0;
    SBRealPoint pageOrigin{0, 0};
    SBRealRect view{};
    int32_t colourModel = SB_MODEL_RGB;
};

std::string ExportSvg(const Artwork& artwork, const SvgPage& page);

// False with "FILE: what is wrong" when the file cannot be written.
bool ExportSvgFile(const Artwork& artwork, const SvgPage& page, const std::string& path, std::string* error);

}  // namespace scribera::io

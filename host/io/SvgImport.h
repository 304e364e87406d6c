// Reading SVG into artwork. One SVG user unit is one document unit; the vertical axis is flipped
// about the document's height. A file that is malformed or beyond the limits is refused as a whole
// with "FILE: what is wrong", and nothing of it is imported.
#pragma once

#include "io/Artwork.h"

#include <string>

namespace scribera::io {

struct SvgLimits {
    int maxDepth = 256;           // element nesting, references included
    size_t maxObjects = 200000;   // art objects made from one file
    size_t maxAnchors = 5000000;  // anchors over all paths of one file
    size_t maxFileBytes = 64u << 20;
};

bool ImportSvgText(const std::string& text, const std::string& fileName, double documentHeight, Artwork* out,
                   std::string* error, const SvgLimits& limits = SvgLimits());

bool ImportSvgFile(const std::string& path, double documentHeight, Artwork* out, std::string* error,
                   const SvgLimits& limits = SvgLimits());

}  // namespace scribera::io

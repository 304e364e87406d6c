// The outlines of SVG's basic shapes (path, rect, circle, ellipse, line, polyline, polygon) in the
// element's own user space.
#pragma once

#include "io/PathData.h"

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace scribera::io {

// False when the element is not a shape or draws nothing; a bad attribute throws SvgError.
bool ShapeOutlines(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>* subpaths);

// Over anchors and handles. In SVG space, so "bottom" holds the smallest y.
SBRealRect BoundsOf(const std::vector<Subpath>& subpaths);

}  // namespace scribera::io

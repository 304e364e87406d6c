// Paint defined elsewhere in the file: gradients by reference, and the exact paint our own files
// write beside the SVG paint, with the custom colours and patterns it names. Each definition joins
// the artwork's tables once, however often it is used.
#pragma once

#include "io/Affine.h"
#include "io/Artwork.h"
#include "io/SvgElement.h"
#include "io/SvgSyntax.h"

#include <pugixml.hpp>

#include <map>
#include <string>
#include <utility>

namespace scribera::io {

class SvgPaintServers {
public:
    SvgPaintServers(const SvgIds& ids, Artwork* artwork);
    // What percentages in user-space gradients refer to.
    void SetViewport(double width, double height);

    // `toDocument` maps the painted element's user space into the document; `bbox` is the element's
    // bounds in its user space.
    SBColor Resolve(const SvgPaint& paint, const Affine& toDocument, const SBRealRect& bbox);
    // "none", "gray G", "rgb R G B", "cmyk C M Y K", "custom ID TINT", "pattern ID A B C D TX TY".
    SBColor Exact(const std::string& text);

private:
    size_t CustomColour(const std::string& id);
    size_t Pattern(const std::string& id);
    // Walks a gradient's href chain for an attribute.
    const char* GradientAttribute(pugi::xml_node g, const char* name);
    pugi::xml_node StopsSource(pugi::xml_node g);
    size_t GradientTable(pugi::xml_node source, int16_t kind);
    SBColor Gradient(const std::string& id, const Affine& toDocument, const SBRealRect& bbox);

    const SvgIds& ids_;
    Artwork* artwork_;
    double viewportWidth_ = 100, viewportHeight_ = 100;
    std::map<std::pair<void*, int16_t>, size_t> gradientIndex_;
    std::map<std::string, size_t> customIndex_, patternIndex_;
};

}  // namespace scribera::io

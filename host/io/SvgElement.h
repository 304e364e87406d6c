// What one SVG element says about itself: its name without the "svg:" prefix, its style
// properties, its references and flags.
#pragma once

#include <pugixml.hpp>

#include <map>
#include <string>

namespace scribera::io {

std::string LocalName(const pugi::xml_node& node);

// "1" or "true".
bool IsTrue(const char* text);

// The href, or the older xlink:href; empty when neither is given.
std::string Href(const pugi::xml_node& node);

// The declarations of the style attribute, before the presentation attributes.
class SvgProperties {
public:
    explicit SvgProperties(const pugi::xml_node& node);
    // Null when the property is not given (or says "inherit").
    const char* Get(const char* name) const;

private:
    pugi::xml_node node_;
    std::map<std::string, std::string> declarations_;
};

}  // namespace scribera::io

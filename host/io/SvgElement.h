// What one SVG element says about itself: its name without the "svg:" prefix, its style
// properties, its references and flags; the elements of a document by id.
#pragma once

#include <pugixml.hpp>

#include <map>
#include <string>
#include <unordered_map>

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

// The elements of one document by id. A repeated id finds one of its elements, always the same one
// for the same file.
class SvgIds {
public:
    void Index(const pugi::xml_node& root);
    // Throws SvgError "missing WHAT reference #ID" when there is none.
    pugi::xml_node Find(const std::string& id, const char* what) const;

private:
    std::unordered_map<std::string, pugi::xml_node> ids_;
};

}  // namespace scribera::io

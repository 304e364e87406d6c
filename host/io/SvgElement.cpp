#include "io/SvgElement.h"

#include "io/SvgSyntax.h"

#include <cstring>

namespace scribera::io {

std::string LocalName(const pugi::xml_node& node) {
    std::string name = node.name();
    if (name.compare(0, 4, "svg:") == 0) name = name.substr(4);
    return name;
}

bool IsTrue(const char* text) { return text && (std::strcmp(text, "1") == 0 || std::strcmp(text, "true") == 0); }

std::string Href(const pugi::xml_node& node) {
    const char* h = node.attribute("href").value();
    if (!*h) h = node.attribute("xlink:href").value();
    return h;
}

SvgProperties::SvgProperties(const pugi::xml_node& node) : node_(node) {
    for (const std::string& decl : SplitAt(node.attribute("style").as_string(), ';')) {
        size_t colon = decl.find(':');
        if (colon == std::string::npos) continue;
        std::string name = LowerAscii(TrimSpace(decl.substr(0, colon)));
        std::string value = TrimSpace(decl.substr(colon + 1));
        size_t important = LowerAscii(value).find("!important");
        if (important != std::string::npos) value = TrimSpace(value.substr(0, important));
        declarations_[name] = value;
    }
}

const char* SvgProperties::Get(const char* name) const {
    auto it = declarations_.find(name);
    const char* value = nullptr;
    if (it != declarations_.end()) value = it->second.c_str();
    else if (pugi::xml_attribute a = node_.attribute(name)) value = a.value();
    if (value && TrimSpace(value) == "inherit") return nullptr;
    return value;
}

}  // namespace scribera::io

#include "io/SvgElement.h"

#include "io/SvgSyntax.h"

#include <cstring>
#include <vector>

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
    const char* style = node.attribute("style").as_string();
    if (!*style) return;  // most elements have none: no need to split
    for (const std::string& decl : SplitAt(style, ';')) {
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
    if (it != declarations_.end())
        value = it->second.c_str();
    else if (pugi::xml_attribute a = node_.attribute(name))
        value = a.value();
    if (value && TrimSpace(value) == "inherit") return nullptr;
    return value;
}

void SvgIds::Index(const pugi::xml_node& root) {
    std::vector<pugi::xml_node> stack{root};
    while (!stack.empty()) {
        pugi::xml_node n = stack.back();
        stack.pop_back();
        if (pugi::xml_attribute id = n.attribute("id")) ids_.emplace(id.value(), n);
        for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element) stack.push_back(c);
    }
}

pugi::xml_node SvgIds::Find(const std::string& id, const char* what) const {
    auto it = ids_.find(id);
    if (it == ids_.end()) FailSvg(std::string("missing ") + what + " reference #" + id);
    return it->second;
}

}  // namespace scribera::io

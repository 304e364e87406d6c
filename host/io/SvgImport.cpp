#include "io/SvgImport.h"

#include "io/Affine.h"
#include "io/PathData.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

namespace scribera::io {

namespace {

constexpr double kKappa = 0.55228474983079339840;  // 4/3 (sqrt 2 - 1): quarter circle as one cubic
constexpr double kPi = 3.14159265358979323846;

struct ImportError {
    std::string what;
};

[[noreturn]] void Fail(const std::string& what) { throw ImportError{what}; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string Trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && IsSpace(s[a])) ++a;
    while (b > a && IsSpace(s[b - 1])) --b;
    return s.substr(a, b - a);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Reads numbers from attribute texts (lists, transforms, lengths) with the same limits as path data.
class Scanner {
public:
    explicit Scanner(const std::string& s) : s_(s) {}

    void SkipSpace() {
        while (pos_ < s_.size() && IsSpace(s_[pos_])) ++pos_;
    }
    void SkipSeparator() {
        SkipSpace();
        if (pos_ < s_.size() && s_[pos_] == ',') ++pos_;
        SkipSpace();
    }
    bool AtEnd() {
        SkipSpace();
        return pos_ >= s_.size();
    }
    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
    void Advance() { ++pos_; }
    size_t Pos() const { return pos_; }

    bool TryNumber(double* value) {
        SkipSpace();
        size_t start = pos_, p = pos_;
        if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) ++p;
        size_t digits = 0;
        while (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) ++p, ++digits;
        if (p < s_.size() && s_[p] == '.') {
            ++p;
            while (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) ++p, ++digits;
        }
        if (digits == 0) return false;
        if (p < s_.size() && (s_[p] == 'e' || s_[p] == 'E')) {
            size_t q = p + 1;
            if (q < s_.size() && (s_[q] == '+' || s_[q] == '-')) ++q;
            if (q < s_.size() && std::isdigit(static_cast<unsigned char>(s_[q]))) {
                p = q;
                while (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) ++p;
            }
        }
        const char* first = s_.data() + start;
        if (*first == '+') ++first;
        auto r = std::from_chars(first, s_.data() + p, *value);
        if (r.ec != std::errc() || r.ptr != s_.data() + p || !std::isfinite(*value) ||
            std::fabs(*value) > kMaxCoordinate)
            Fail("number out of range in \"" + Excerpt() + "\"");
        pos_ = p;
        return true;
    }

    double Number() {
        double v;
        if (!TryNumber(&v)) Fail("expected a number in \"" + Excerpt() + "\"");
        return v;
    }

    std::string Rest() const { return s_.substr(std::min(pos_, s_.size())); }
    std::string Excerpt() const { return s_.size() > 60 ? s_.substr(0, 60) + "..." : s_; }

private:
    const std::string& s_;
    size_t pos_ = 0;
};

std::vector<double> NumberList(const std::string& text) {
    std::vector<double> values;
    Scanner sc(text);
    while (!sc.AtEnd()) {
        values.push_back(sc.Number());
        sc.SkipSeparator();
    }
    return values;
}

// A length in user units: a number with an optional absolute unit.
double Length(const std::string& text, const char* what) {
    std::string t = Trim(text);
    Scanner sc(t);
    double v;
    if (!sc.TryNumber(&v)) Fail(std::string("bad ") + what + " \"" + sc.Excerpt() + "\"");
    std::string unit = Lower(Trim(sc.Rest()));
    double scale = 1;
    if (unit.empty() || unit == "px") scale = 1;
    else if (unit == "pt") scale = 96.0 / 72.0;
    else if (unit == "pc") scale = 16;
    else if (unit == "in") scale = 96;
    else if (unit == "mm") scale = 96 / 25.4;
    else if (unit == "cm") scale = 96 / 2.54;
    else Fail(std::string("unsupported unit in ") + what + " \"" + t + "\"");
    return v * scale;
}

// A gradient coordinate: "50%" is 0.5 of `percentOf`.
double Coordinate(const std::string& text, double percentOf, const char* what) {
    std::string t = Trim(text);
    if (!t.empty() && t.back() == '%') {
        std::string n = t.substr(0, t.size() - 1);
        Scanner sc(n);
        double v;
        if (!sc.TryNumber(&v) || !sc.AtEnd()) Fail(std::string("bad ") + what + " \"" + t + "\"");
        return v / 100 * percentOf;
    }
    return Length(t, what);
}

Affine ParseTransform(const std::string& text) {
    Affine result;
    Scanner sc(text);
    while (!sc.AtEnd()) {
        std::string name;
        while (std::isalpha(static_cast<unsigned char>(sc.Peek()))) {
            name += sc.Peek();
            sc.Advance();
        }
        sc.SkipSpace();
        if (name.empty() || sc.Peek() != '(') Fail("bad transform \"" + sc.Excerpt() + "\"");
        sc.Advance();
        std::vector<double> args;
        while (true) {
            sc.SkipSpace();
            if (sc.Peek() == ')') break;
            args.push_back(sc.Number());
            sc.SkipSeparator();
            if (args.size() > 6) break;
        }
        if (sc.Peek() != ')') Fail("bad transform \"" + sc.Excerpt() + "\"");
        sc.Advance();
        size_t n = args.size();
        Affine t;
        if (name == "matrix" && n == 6) {
            t = {args[0], args[1], args[2], args[3], args[4], args[5]};
        } else if (name == "translate" && (n == 1 || n == 2)) {
            t = Affine::Translate(args[0], n == 2 ? args[1] : 0);
        } else if (name == "scale" && (n == 1 || n == 2)) {
            t = Affine::Scale(args[0], n == 2 ? args[1] : args[0]);
        } else if (name == "rotate" && (n == 1 || n == 3)) {
            t = Affine::Rotate(args[0]);
            if (n == 3) t = Affine::Translate(args[1], args[2]) * t * Affine::Translate(-args[1], -args[2]);
        } else if (name == "skewX" && n == 1) {
            t = {1, 0, std::tan(args[0] * kPi / 180), 1, 0, 0};
        } else if (name == "skewY" && n == 1) {
            t = {1, std::tan(args[0] * kPi / 180), 0, 1, 0, 0};
        } else {
            Fail("bad transform \"" + sc.Excerpt() + "\"");
        }
        result = result * t;
        sc.SkipSeparator();
    }
    return result;
}

SBColor Rgb(double r, double g, double b) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    c.c.three = {r, g, b};
    return c;
}

SBColor NoColour() {
    SBColor c{};
    c.kind = SB_COLOR_NONE;
    return c;
}

struct NamedColour {
    const char* name;
    int r, g, b;
};
const NamedColour kNamedColours[] = {
    {"black", 0, 0, 0},         {"white", 255, 255, 255},   {"red", 255, 0, 0},
    {"green", 0, 128, 0},       {"blue", 0, 0, 255},        {"yellow", 255, 255, 0},
    {"cyan", 0, 255, 255},      {"aqua", 0, 255, 255},      {"magenta", 255, 0, 255},
    {"fuchsia", 255, 0, 255},   {"gray", 128, 128, 128},    {"grey", 128, 128, 128},
    {"silver", 192, 192, 192},  {"maroon", 128, 0, 0},      {"olive", 128, 128, 0},
    {"lime", 0, 255, 0},        {"navy", 0, 0, 128},        {"purple", 128, 0, 128},
    {"teal", 0, 128, 128},      {"orange", 255, 165, 0},    {"brown", 165, 42, 42},
    {"pink", 255, 192, 203},    {"darkgray", 169, 169, 169}, {"darkgrey", 169, 169, 169},
    {"lightgray", 211, 211, 211}, {"lightgrey", 211, 211, 211},
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

struct Paint {
    enum Kind { None, Colour, Url } kind = None;
    SBColor colour{};
    std::string url;
};

// A CSS colour, or none / currentColor / url(#id).
Paint ParsePaint(const std::string& raw, const SBColor& current) {
    std::string text = Trim(raw);
    std::string low = Lower(text);
    Paint paint;
    if (low == "none" || low == "transparent") return paint;
    if (low == "currentcolor") {
        paint.kind = Paint::Colour;
        paint.colour = current;
        return paint;
    }
    if (low.compare(0, 4, "url(") == 0) {
        size_t close = text.find(')');
        if (close == std::string::npos) Fail("bad paint \"" + text + "\"");
        std::string ref = Trim(text.substr(4, close - 4));
        if (ref.size() >= 2 && (ref.front() == '"' || ref.front() == '\'')) ref = ref.substr(1, ref.size() - 2);
        if (ref.empty() || ref[0] != '#') Fail("only local references are supported: \"" + text + "\"");
        paint.kind = Paint::Url;
        paint.url = ref.substr(1);
        return paint;
    }
    paint.kind = Paint::Colour;
    if (!low.empty() && low[0] == '#') {
        std::string hex = low.substr(1);
        int v[8];
        for (size_t i = 0; i < hex.size() && i < 8; ++i) v[i] = HexDigit(hex[i]);
        bool ok = (hex.size() == 3 || hex.size() == 4 || hex.size() == 6 || hex.size() == 8) &&
                  std::all_of(v, v + hex.size(), [](int d) { return d >= 0; });
        if (!ok) Fail("bad colour \"" + text + "\"");
        if (hex.size() <= 4)
            paint.colour = Rgb(v[0] * 17 / 255.0, v[1] * 17 / 255.0, v[2] * 17 / 255.0);
        else
            paint.colour = Rgb((v[0] * 16 + v[1]) / 255.0, (v[2] * 16 + v[3]) / 255.0, (v[4] * 16 + v[5]) / 255.0);
        return paint;
    }
    if (low.compare(0, 4, "rgb(") == 0 || low.compare(0, 5, "rgba(") == 0) {
        size_t open = low.find('('), close = low.rfind(')');
        if (close == std::string::npos || close < open) Fail("bad colour \"" + text + "\"");
        std::string inner = low.substr(open + 1, close - open - 1);
        double rgb[3];
        Scanner sc(inner);
        for (int i = 0; i < 3; ++i) {
            double n = sc.Number();
            if (sc.Peek() == '%') {
                sc.Advance();
                n = n / 100;
            } else {
                n = n / 255;
            }
            rgb[i] = std::clamp(n, 0.0, 1.0);
            sc.SkipSeparator();
        }
        paint.colour = Rgb(rgb[0], rgb[1], rgb[2]);
        return paint;
    }
    for (const NamedColour& n : kNamedColours) {
        if (low == n.name) {
            paint.colour = Rgb(n.r / 255.0, n.g / 255.0, n.b / 255.0);
            return paint;
        }
    }
    Fail("unknown colour \"" + text + "\"");
}

// Style declarations of the style attribute, then presentation attributes.
class Properties {
public:
    explicit Properties(const pugi::xml_node& node) : node_(node) {
        std::string style = node.attribute("style").as_string();
        size_t start = 0;
        while (start < style.size()) {
            size_t end = style.find(';', start);
            if (end == std::string::npos) end = style.size();
            std::string decl = style.substr(start, end - start);
            size_t colon = decl.find(':');
            if (colon != std::string::npos) {
                std::string name = Lower(Trim(decl.substr(0, colon)));
                std::string value = Trim(decl.substr(colon + 1));
                size_t important = Lower(value).find("!important");
                if (important != std::string::npos) value = Trim(value.substr(0, important));
                declarations_[name] = value;
            }
            start = end + 1;
        }
    }
    // Null when the property is not given (or says "inherit").
    const char* Get(const char* name) const {
        auto it = declarations_.find(name);
        const char* value = nullptr;
        if (it != declarations_.end()) value = it->second.c_str();
        else if (pugi::xml_attribute a = node_.attribute(name)) value = a.value();
        if (value && Trim(value) == "inherit") return nullptr;
        return value;
    }

private:
    pugi::xml_node node_;
    std::map<std::string, std::string> declarations_;
};

struct State {
    Affine ctm;
    Paint fill;
    Paint stroke;
    double strokeWidth = 1;
    bool evenOdd = false;
    bool clipEvenOdd = false;
    SBColor colour = Rgb(0, 0, 0);
    bool fillOverprint = false, strokeOverprint = false;
    std::string exactFill, exactStroke;  // our own files' exact paint, when written
    State() {
        fill.kind = Paint::Colour;
        fill.colour = Rgb(0, 0, 0);
    }
};

std::string LocalName(const pugi::xml_node& node) {
    std::string name = node.name();
    if (name.compare(0, 4, "svg:") == 0) name = name.substr(4);
    return name;
}

bool IsTrue(const char* text) { return text && (std::strcmp(text, "1") == 0 || std::strcmp(text, "true") == 0); }

SBRealRect BoundsOf(const std::vector<Subpath>& subpaths) {
    SBRealRect r{1e300, -1e300, -1e300, 1e300};
    auto add = [&](SBRealPoint p) {
        r.left = std::min(r.left, p.h);
        r.right = std::max(r.right, p.h);
        r.bottom = std::min(r.bottom, p.v);  // in SVG space: "bottom" holds the smallest y
        r.top = std::max(r.top, p.v);
    };
    for (const Subpath& s : subpaths)
        for (const SBPathSegment& a : s.anchors) {
            add(a.p);
            add(a.in);
            add(a.out);
        }
    return r;
}

// The similarity (scale, rotation, optional reflection) taking `from` to `to` with the direction
// `fromDir` turned into `toDir`.
bool Similarity(SBRealPoint from, SBRealPoint fromDir, SBRealPoint to, SBRealPoint toDir, bool reflect, Affine* out) {
    double wx = fromDir.h, wy = reflect ? -fromDir.v : fromDir.v;
    double lw = std::hypot(wx, wy), lt = std::hypot(toDir.h, toDir.v);
    if (lw == 0 || lt == 0 || !std::isfinite(lw) || !std::isfinite(lt)) return false;
    double s = lt / lw;
    double alpha = std::atan2(toDir.v, toDir.h) - std::atan2(wy, wx);
    double cs = s * std::cos(alpha), sn = s * std::sin(alpha);
    Affine lin{cs, sn, -sn, cs, 0, 0};
    if (reflect) lin = lin * Affine{1, 0, 0, -1, 0, 0};
    SBRealPoint moved = lin.Apply(from);
    lin.e = to.h - moved.h;
    lin.f = to.v - moved.v;
    *out = lin;
    return true;
}

class Importer {
public:
    Importer(double height, const SvgLimits& limits) : flip_(Affine::FlipY(height)), limits_(limits) {}

    void Run(const pugi::xml_document& xml, Artwork* out) {
        pugi::xml_node root = xml.document_element();
        if (!root || LocalName(root) != "svg") Fail("not an SVG document (the root element is not <svg>)");
        IndexIds(root);
        viewportWidth_ = 100;
        viewportHeight_ = 100;
        if (root.attribute("width")) viewportWidth_ = std::fabs(Coordinate(root.attribute("width").value(), 100, "width"));
        if (root.attribute("height"))
            viewportHeight_ = std::fabs(Coordinate(root.attribute("height").value(), 100, "height"));
        std::vector<ArtNode> nodes;
        State state;
        Element(root, state, 0, nodes, true);
        std::reverse(nodes.begin(), nodes.end());  // the file lists the bottom first
        artwork_.art = std::move(nodes);
        *out = std::move(artwork_);
    }

private:
    void IndexIds(const pugi::xml_node& root) {
        std::vector<pugi::xml_node> stack{root};
        while (!stack.empty()) {
            pugi::xml_node n = stack.back();
            stack.pop_back();
            if (pugi::xml_attribute id = n.attribute("id")) ids_.emplace(id.value(), n);
            for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
                if (c.type() == pugi::node_element) stack.push_back(c);
        }
    }

    pugi::xml_node Reference(const std::string& id, const char* what) {
        auto it = ids_.find(id);
        if (it == ids_.end()) Fail(std::string("missing ") + what + " reference #" + id);
        return it->second;
    }

    static std::string Href(const pugi::xml_node& node) {
        const char* h = node.attribute("href").value();
        if (!*h) h = node.attribute("xlink:href").value();
        return h;
    }

    void CountObject() {
        if (++objects_ > limits_.maxObjects)
            Fail("more than " + std::to_string(limits_.maxObjects) + " objects");
    }

    void ApplyProperties(const pugi::xml_node& node, State& st) {
        Properties props(node);
        if (const char* v = props.Get("color")) {
            Paint p = ParsePaint(v, st.colour);
            if (p.kind == Paint::Colour) st.colour = p.colour;
        }
        if (const char* v = props.Get("fill")) {
            st.fill = ParsePaint(v, st.colour);
            st.exactFill.clear();
        }
        if (const char* v = props.Get("stroke")) {
            st.stroke = ParsePaint(v, st.colour);
            st.exactStroke.clear();
        }
        if (const char* v = props.Get("stroke-width")) st.strokeWidth = std::fabs(Length(v, "stroke-width"));
        if (const char* v = props.Get("fill-rule")) st.evenOdd = Trim(v) == "evenodd";
        if (const char* v = props.Get("clip-rule")) st.clipEvenOdd = Trim(v) == "evenodd";
        if (const char* v = node.attribute("scribera:fill").as_string(nullptr)) st.exactFill = v;
        if (const char* v = node.attribute("scribera:stroke").as_string(nullptr)) st.exactStroke = v;
        if (node.attribute("scribera:fill-overprint")) st.fillOverprint = IsTrue(node.attribute("scribera:fill-overprint").value());
        if (node.attribute("scribera:stroke-overprint"))
            st.strokeOverprint = IsTrue(node.attribute("scribera:stroke-overprint").value());
        if (pugi::xml_attribute t = node.attribute("transform")) st.ctm = st.ctm * ParseTransform(t.value());
    }

    static bool Hidden(const pugi::xml_node& node) {
        Properties props(node);
        const char* d = props.Get("display");
        return d && Trim(d) == "none";
    }

    // Appends what the element makes to `out`, bottom of the stacking order first.
    void Element(const pugi::xml_node& node, const State& parent, int depth, std::vector<ArtNode>& out,
                 bool root = false) {
        if (depth > limits_.maxDepth) Fail("nesting deeper than " + std::to_string(limits_.maxDepth) + " levels");
        std::string name = LocalName(node);
        static const char* const kSkipped[] = {"defs", "clipPath", "linearGradient", "radialGradient", "mask",
                                               "pattern", "symbol", "marker", "title", "desc", "metadata",
                                               "style", "script", "filter", "font", "font-face"};
        for (const char* s : kSkipped)
            if (name == s) return;
        if (Hidden(node) || node.attribute("scribera:preview")) return;
        State st = parent;
        ApplyProperties(node, st);

        std::vector<ArtNode> made;
        bool isGroup = false;
        if (name == "svg" || name == "g" || name == "a" || name == "switch") {
            if (name == "svg" && !root) {
                double x = node.attribute("x") ? Length(node.attribute("x").value(), "x") : 0;
                double y = node.attribute("y") ? Length(node.attribute("y").value(), "y") : 0;
                st.ctm = st.ctm * Affine::Translate(x, y);
            }
            std::vector<ArtNode> children;
            for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
                if (c.type() == pugi::node_element) Element(c, st, depth + 1, children);
            bool flatten = root || node.attribute("scribera:layer");
            if (flatten && !node.attribute("clip-path")) {
                for (ArtNode& c : children) out.push_back(std::move(c));
                return;
            }
            CountObject();
            ArtNode group;
            group.kind = ArtKind::Group;
            group.children.assign(std::make_move_iterator(children.rbegin()), std::make_move_iterator(children.rend()));
            group.clipped = IsTrue(node.attribute("scribera:clipped").value());
            if (std::strcmp(node.attribute("scribera:kind").value(), "compound") == 0) group.kind = ArtKind::Compound;
            isGroup = true;
            made.push_back(std::move(group));
        } else if (name == "use") {
            std::string href = Href(node);
            if (href.size() < 2 || href[0] != '#') Fail("bad use reference \"" + href + "\"");
            pugi::xml_node target = Reference(href.substr(1), "use");
            double x = node.attribute("x") ? Length(node.attribute("x").value(), "x") : 0;
            double y = node.attribute("y") ? Length(node.attribute("y").value(), "y") : 0;
            st.ctm = st.ctm * Affine::Translate(x, y);
            Element(target, st, depth + 1, made);
        } else if (name == "scribera:mesh") {
            made.push_back(Mesh(node, st));
        } else if (name == "scribera:art") {
            made.push_back(OtherArt(node, st));
        } else {
            std::vector<Subpath> subpaths;
            if (!Shape(node, name, &subpaths)) return;  // not a shape, or one that draws nothing
            made.push_back(Leaf(node, st, std::move(subpaths)));
        }
        if (made.empty()) return;
        Properties props(node);
        for (ArtNode& m : made) {
            if (const char* o = props.Get("opacity")) {
                std::string text = o;
                m.opacity = std::clamp(Scanner(text).Number(), 0.0, 1.0);
            }
            if (node.attribute("scribera:blend")) m.blendMode = node.attribute("scribera:blend").as_int();
            if (node.attribute("scribera:selected")) m.selected = IsTrue(node.attribute("scribera:selected").value());
        }
        if (pugi::xml_attribute clipRef = node.attribute("clip-path")) {
            ArtNode clip = ClipPath(clipRef.value(), st, depth);
            if (isGroup) {
                made.front().children.insert(made.front().children.begin(), std::move(clip));
                made.front().clipped = true;
            } else {
                CountObject();
                ArtNode group;
                group.kind = ArtKind::Group;
                group.clipped = true;
                group.children.push_back(std::move(clip));
                for (auto it = made.rbegin(); it != made.rend(); ++it) group.children.push_back(std::move(*it));
                made.clear();
                made.push_back(std::move(group));
            }
        }
        for (ArtNode& m : made) out.push_back(std::move(m));
    }

    // Raw outlines of a basic shape in its own user space; false when it draws nothing.
    bool Shape(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>* subpaths) {
        auto num = [&](const char* attr, double fallback = 0) {
            pugi::xml_attribute a = node.attribute(attr);
            return a ? Length(a.value(), attr) : fallback;
        };
        auto line = [](SBRealPoint p) { return SBPathSegment{p, p, p, 1}; };
        if (name == "path") {
            std::string d = node.attribute("d").value();
            if (Trim(d).empty()) return false;
            std::string error;
            if (!ParsePathData(d, subpaths, &error)) Fail("bad path data (" + error + ")");
        } else if (name == "rect") {
            double x = num("x"), y = num("y"), w = num("width"), h = num("height");
            if (w < 0 || h < 0) Fail("rect with a negative size");
            if (w == 0 || h == 0) return false;
            bool hasRx = node.attribute("rx"), hasRy = node.attribute("ry");
            double rx = std::fabs(num("rx")), ry = std::fabs(num("ry"));
            if (hasRx && !hasRy) ry = rx;
            if (hasRy && !hasRx) rx = ry;
            rx = std::min(rx, w / 2);
            ry = std::min(ry, h / 2);
            Subpath s;
            s.closed = true;
            if (rx == 0 || ry == 0) {
                s.anchors = {line({x, y}), line({x + w, y}), line({x + w, y + h}), line({x, y + h})};
            } else {
                double kx = rx * kKappa, ky = ry * kKappa;
                auto seg = [](SBRealPoint p, SBRealPoint in, SBRealPoint out) { return SBPathSegment{p, in, out, 1}; };
                s.anchors = {
                    seg({x + rx, y}, {x + rx - kx, y}, {x + rx, y}),
                    seg({x + w - rx, y}, {x + w - rx, y}, {x + w - rx + kx, y}),
                    seg({x + w, y + ry}, {x + w, y + ry - ky}, {x + w, y + ry}),
                    seg({x + w, y + h - ry}, {x + w, y + h - ry}, {x + w, y + h - ry + ky}),
                    seg({x + w - rx, y + h}, {x + w - rx + kx, y + h}, {x + w - rx, y + h}),
                    seg({x + rx, y + h}, {x + rx, y + h}, {x + rx - kx, y + h}),
                    seg({x, y + h - ry}, {x, y + h - ry + ky}, {x, y + h - ry}),
                    seg({x, y + ry}, {x, y + ry}, {x, y + ry - ky}),
                };
            }
            MarkCorners(s);
            subpaths->push_back(std::move(s));
        } else if (name == "circle" || name == "ellipse") {
            double cx = num("cx"), cy = num("cy"), rx, ry;
            if (name == "circle") {
                rx = ry = num("r");
            } else {
                rx = num("rx");
                ry = num("ry");
            }
            if (rx < 0 || ry < 0) Fail(name + " with a negative radius");
            if (rx == 0 || ry == 0) return false;
            double kx = rx * kKappa, ky = ry * kKappa;
            Subpath s;
            s.closed = true;
            s.anchors = {
                {{cx + rx, cy}, {cx + rx, cy - ky}, {cx + rx, cy + ky}, 0},
                {{cx, cy + ry}, {cx + kx, cy + ry}, {cx - kx, cy + ry}, 0},
                {{cx - rx, cy}, {cx - rx, cy + ky}, {cx - rx, cy - ky}, 0},
                {{cx, cy - ry}, {cx - kx, cy - ry}, {cx + kx, cy - ry}, 0},
            };
            subpaths->push_back(std::move(s));
        } else if (name == "line") {
            Subpath s;
            s.anchors = {line({num("x1"), num("y1")}), line({num("x2"), num("y2")})};
            subpaths->push_back(std::move(s));
        } else if (name == "polyline" || name == "polygon") {
            std::vector<double> v = NumberList(node.attribute("points").value());
            if (v.size() % 2 != 0) Fail(name + " with an odd number of coordinates");
            if (v.size() < 4) return false;
            Subpath s;
            s.closed = name == "polygon";
            for (size_t i = 0; i + 1 < v.size(); i += 2) s.anchors.push_back(line({v[i], v[i + 1]}));
            subpaths->push_back(std::move(s));
        } else {
            return false;  // text, images and unknown elements are left out
        }
        return !subpaths->empty();
    }

    SBRealPoint ToDocument(const Affine& m, SBRealPoint p) {
        SBRealPoint q = m.Apply(p);
        if (!std::isfinite(q.h) || !std::isfinite(q.v) || std::fabs(q.h) > 1e12 || std::fabs(q.v) > 1e12)
            Fail("coordinates out of range after transforms");
        return q;
    }

    SBPathStyle Style(const State& st, const SBRealRect& bbox) {
        SBPathStyle style{};
        SBColor fill = st.exactFill.empty() ? Resolve(st.fill, st, bbox) : Exact(st.exactFill);
        SBColor stroke = st.exactStroke.empty() ? Resolve(st.stroke, st, bbox) : Exact(st.exactStroke);
        style.fillPaint = fill.kind != SB_COLOR_NONE;
        style.fill.color = fill;
        style.fill.overprint = st.fillOverprint;
        style.strokePaint = stroke.kind != SB_COLOR_NONE;
        style.stroke.color = stroke;
        style.stroke.overprint = st.strokeOverprint;
        style.stroke.width = st.strokeWidth * std::sqrt(std::fabs(st.ctm.Det()));
        style.evenOdd = st.evenOdd;
        return style;
    }

    ArtNode Leaf(const pugi::xml_node& node, const State& st, std::vector<Subpath> subpaths) {
        SBRealRect bbox = BoundsOf(subpaths);
        SBPathStyle style = Style(st, bbox);
        style.clip = IsTrue(node.attribute("scribera:clip").value());
        // Our own files keep the colour of paint that is switched off.
        if (!style.fillPaint && node.attribute("scribera:fill-unpainted"))
            style.fill.color = Exact(node.attribute("scribera:fill-unpainted").value());
        if (!style.strokePaint && node.attribute("scribera:stroke-unpainted"))
            style.stroke.color = Exact(node.attribute("scribera:stroke-unpainted").value());
        Affine m = flip_ * st.ctm;
        size_t total = 0;
        for (Subpath& s : subpaths) {
            for (SBPathSegment& a : s.anchors) {
                a.p = ToDocument(m, a.p);
                a.in = ToDocument(m, a.in);
                a.out = ToDocument(m, a.out);
            }
            total += s.anchors.size();
        }
        anchors_ += total;
        if (anchors_ > limits_.maxAnchors) Fail("more than " + std::to_string(limits_.maxAnchors) + " anchors");
        if (pugi::xml_attribute corners = node.attribute("scribera:corners")) {
            std::string c = corners.value();
            if (c.size() != total) Fail("corner flags do not match the path's anchors");
            size_t k = 0;
            for (Subpath& s : subpaths)
                for (SBPathSegment& a : s.anchors) a.corner = c[k++] == '1';
        }
        if (pugi::xml_attribute ends = node.attribute("scribera:ends")) {
            std::string text = ends.value();
            size_t start = 0, k = 0;
            while (start <= text.size()) {
                size_t end = text.find(';', start);
                if (end == std::string::npos) end = text.size();
                std::vector<double> v = NumberList(text.substr(start, end - start));
                if (v.size() != 4 || k >= subpaths.size()) Fail("end handles do not match the path");
                Subpath& s = subpaths[k++];
                if (!s.closed) {
                    s.anchors.front().in = ToDocument(m, {v[0], v[1]});
                    s.anchors.back().out = ToDocument(m, {v[2], v[3]});
                }
                start = end + 1;
            }
            if (k != subpaths.size()) Fail("end handles do not match the path");
        }
        bool compound = subpaths.size() > 1 || std::strcmp(node.attribute("scribera:kind").value(), "compound") == 0;
        auto pathNode = [&](Subpath& s) {
            CountObject();
            ArtNode n;
            n.kind = ArtKind::Path;
            n.segments = std::move(s.anchors);
            n.closed = s.closed;
            n.style = style;
            return n;
        };
        if (!compound) return pathNode(subpaths[0]);
        CountObject();
        ArtNode c;
        c.kind = ArtKind::Compound;
        for (Subpath& s : subpaths) c.children.push_back(pathNode(s));
        if (pugi::xml_attribute selected = node.attribute("scribera:selectedMembers")) {
            std::string flags = selected.value();
            if (flags.size() != c.children.size()) Fail("member selection does not match the compound path");
            for (size_t i = 0; i < flags.size(); ++i) c.children[i].selected = flags[i] == '1';
        }
        return c;
    }

    ArtNode ClipPath(const std::string& ref, const State& st, int depth) {
        Paint p = ParsePaint(ref, st.colour);
        if (p.kind != Paint::Url) Fail("bad clip-path \"" + ref + "\"");
        pugi::xml_node clip = Reference(p.url, "clip-path");
        if (LocalName(clip) != "clipPath") Fail("clip-path reference #" + p.url + " is not a clipPath");
        State cs;  // clip content takes its paint from where it is defined, not from the clipped art
        cs.ctm = st.ctm;
        if (std::strcmp(clip.attribute("clipPathUnits").value(), "objectBoundingBox") == 0)
            Fail("clipPathUnits=\"objectBoundingBox\" is not supported (#" + p.url + ")");
        ApplyProperties(clip, cs);
        std::vector<ArtNode> parts;
        for (pugi::xml_node c = clip.first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element) ClipContent(c, cs, depth + 1, parts);
        if (parts.empty()) Fail("clipPath #" + p.url + " has no shape");
        for (ArtNode& part : parts) {
            part.style.clip = true;
            for (ArtNode& child : part.children) child.style.clip = true;
        }
        if (parts.size() == 1) return std::move(parts[0]);
        // Several shapes clip as one compound path.
        CountObject();
        ArtNode compound;
        compound.kind = ArtKind::Compound;
        for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
            if (it->kind == ArtKind::Compound) {
                for (ArtNode& c : it->children) compound.children.push_back(std::move(c));
            } else {
                compound.children.push_back(std::move(*it));
            }
        }
        return compound;
    }

    void ClipContent(const pugi::xml_node& node, const State& parent, int depth, std::vector<ArtNode>& out) {
        if (depth > limits_.maxDepth) Fail("nesting deeper than " + std::to_string(limits_.maxDepth) + " levels");
        if (Hidden(node)) return;
        State st = parent;
        ApplyProperties(node, st);
        if (st.clipEvenOdd) st.evenOdd = true;
        std::string name = LocalName(node);
        if (name == "use") {
            std::string href = Href(node);
            if (href.size() < 2 || href[0] != '#') Fail("bad use reference \"" + href + "\"");
            double x = node.attribute("x") ? Length(node.attribute("x").value(), "x") : 0;
            double y = node.attribute("y") ? Length(node.attribute("y").value(), "y") : 0;
            st.ctm = st.ctm * Affine::Translate(x, y);
            ClipContent(Reference(href.substr(1), "use"), st, depth + 1, out);
            return;
        }
        std::vector<Subpath> subpaths;
        if (!Shape(node, name, &subpaths)) return;
        ArtNode leaf = Leaf(node, st, std::move(subpaths));
        if (node.attribute("scribera:selected")) leaf.selected = IsTrue(node.attribute("scribera:selected").value());
        out.push_back(std::move(leaf));
    }

    // Our own files carry exact paint beside the SVG paint.
    SBColor Exact(const std::string& text) {
        std::istringstream in(text);
        std::string kind;
        in >> kind;
        SBColor c{};
        auto read = [&](double* v, int n) {
            for (int i = 0; i < n; ++i) {
                std::string word;
                if (!(in >> word)) Fail("bad colour \"" + text + "\"");
                Scanner sc(word);
                v[i] = sc.Number();
                if (!sc.AtEnd()) Fail("bad colour \"" + text + "\"");
            }
        };
        if (kind == "none") {
            c.kind = SB_COLOR_NONE;
        } else if (kind == "gray") {
            c.kind = SB_COLOR_GRAY;
            read(&c.c.gray.gray, 1);
        } else if (kind == "rgb") {
            c.kind = SB_COLOR_THREE;
            double v[3];
            read(v, 3);
            c.c.three = {v[0], v[1], v[2]};
        } else if (kind == "cmyk") {
            c.kind = SB_COLOR_FOUR;
            double v[4];
            read(v, 4);
            c.c.four = {v[0], v[1], v[2], v[3]};
        } else if (kind == "custom") {
            std::string id;
            in >> id;
            c.kind = SB_COLOR_CUSTOM;
            c.c.custom.color = IndexHandle<SBCustomColorHandle>(CustomColour(id));
            read(&c.c.custom.tint, 1);
        } else if (kind == "pattern") {
            std::string id;
            in >> id;
            c.kind = SB_COLOR_PATTERN;
            c.c.pattern.pattern = IndexHandle<SBPatternHandle>(Pattern(id));
            double v[6];
            read(v, 6);
            c.c.pattern.matrix = {v[0], v[1], v[2], v[3], v[4], v[5]};
        } else {
            Fail("bad colour \"" + text + "\"");
        }
        std::string extra;
        if (in >> extra) Fail("bad colour \"" + text + "\"");
        return c;
    }

    size_t CustomColour(const std::string& id) {
        auto it = customIndex_.find(id);
        if (it != customIndex_.end()) return it->second;
        pugi::xml_node n = Reference(id, "colour");
        if (LocalName(n) != "scribera:customColour") Fail("reference #" + id + " is not a colour");
        CustomColourData data;
        data.name = n.attribute("name").value();
        data.definition = Exact(n.attribute("colour").value());
        if (data.definition.kind != SB_COLOR_FOUR && data.definition.kind != SB_COLOR_THREE)
            Fail("colour #" + id + " is not a process colour");
        artwork_.customColours.push_back(data);
        return customIndex_[id] = artwork_.customColours.size();
    }

    size_t Pattern(const std::string& id) {
        auto it = patternIndex_.find(id);
        if (it != patternIndex_.end()) return it->second;
        pugi::xml_node n = Reference(id, "pattern");
        if (LocalName(n) != "scribera:pattern") Fail("reference #" + id + " is not a pattern");
        artwork_.patterns.push_back({n.attribute("name").value()});
        return patternIndex_[id] = artwork_.patterns.size();
    }

    SBColor Resolve(const Paint& paint, const State& st, const SBRealRect& bbox) {
        if (paint.kind == Paint::None) return NoColour();
        if (paint.kind == Paint::Colour) return paint.colour;
        return Gradient(paint.url, st, bbox);
    }

    // Walks a gradient's href chain for an attribute.
    const char* GradientAttribute(pugi::xml_node g, const char* name) {
        for (int hops = 0; g && hops < 32; ++hops) {
            if (pugi::xml_attribute a = g.attribute(name)) return a.value();
            std::string href = Href(g);
            if (href.size() < 2 || href[0] != '#') return nullptr;
            g = Reference(href.substr(1), "gradient");
        }
        return nullptr;
    }

    pugi::xml_node StopsSource(pugi::xml_node g) {
        for (int hops = 0; hops < 32; ++hops) {
            if (g.child("stop") || g.child("svg:stop")) return g;
            std::string href = Href(g);
            if (href.size() < 2 || href[0] != '#') return g;
            g = Reference(href.substr(1), "gradient");
            std::string n = LocalName(g);
            if (n != "linearGradient" && n != "radialGradient") Fail("gradient reference #" + href.substr(1) + " is not a gradient");
        }
        Fail("gradient references go round in a circle");
    }

    size_t GradientTable(pugi::xml_node source, int16_t kind) {
        auto key = std::make_pair(source.internal_object(), kind);
        auto it = gradientIndex_.find(key);
        if (it != gradientIndex_.end()) return it->second;
        GradientData data;
        data.kind = kind;
        data.name = source.attribute("scribera:name") ? source.attribute("scribera:name").value()
                                                       : source.attribute("id").value();
        double last = 0;
        for (pugi::xml_node s = source.first_child(); s; s = s.next_sibling()) {
            if (LocalName(s) != "stop" || s.attribute("scribera:preview")) continue;
            Properties props(s);
            SBGradientStop stop{};
            double offset = Coordinate(s.attribute("offset") ? s.attribute("offset").value() : "0", 1, "offset");
            offset = std::max(last, std::clamp(offset, 0.0, 1.0));
            last = offset;
            stop.rampPoint = s.attribute("scribera:ramp") ? Scanner(s.attribute("scribera:ramp").value()).Number()
                                                           : offset * 100;
            stop.midPoint = s.attribute("scribera:midpoint") ? Scanner(s.attribute("scribera:midpoint").value()).Number() : 50;
            if (s.attribute("scribera:color")) {
                stop.color = Exact(s.attribute("scribera:color").value());
            } else {
                const char* c = props.Get("stop-color");
                Paint p = ParsePaint(c ? c : "black", Rgb(0, 0, 0));
                if (p.kind == Paint::Url) Fail("a gradient stop's colour cannot be a reference");
                stop.color = p.kind == Paint::None ? Rgb(0, 0, 0) : p.colour;
            }
            data.stops.push_back(stop);
        }
        artwork_.gradients.push_back(std::move(data));
        return gradientIndex_[key] = artwork_.gradients.size();
    }

    SBColor Gradient(const std::string& id, const State& st, const SBRealRect& bbox) {
        pugi::xml_node g = Reference(id, "paint");
        std::string name = LocalName(g);
        if (name != "linearGradient" && name != "radialGradient")
            Fail("paint reference #" + id + " is not a gradient");
        bool radial = name == "radialGradient";
        pugi::xml_node source = StopsSource(g);
        SBColor colour{};
        colour.kind = SB_COLOR_GRADIENT;
        SBGradientStyle& gs = colour.c.gradient;
        gs.gradient = IndexHandle<SBGradientHandle>(GradientTable(source, radial ? SB_GRADIENT_RADIAL : SB_GRADIENT_LINEAR));
        if (const char* exact = g.attribute("scribera:gradient").as_string(nullptr)) {
            std::vector<double> v = NumberList(exact);
            if (v.size() != 10) Fail("bad gradient geometry on #" + id);
            gs.origin = {v[0], v[1]};
            gs.angle = v[2];
            gs.length = v[3];
            gs.matrix = {v[4], v[5], v[6], v[7], v[8], v[9]};
            return colour;
        }
        const char* units = GradientAttribute(g, "gradientUnits");
        bool userSpace = units && Trim(units) == "userSpaceOnUse";
        Affine box;
        double pw = 1, ph = 1;
        if (!userSpace) {
            box = {bbox.right - bbox.left, 0, 0, bbox.top - bbox.bottom, bbox.left, bbox.bottom};
        } else {
            pw = viewportWidth_;
            ph = viewportHeight_;
        }
        Affine gt;
        if (const char* t = GradientAttribute(g, "gradientTransform")) gt = ParseTransform(t);
        Affine P = flip_ * st.ctm * box;
        auto attr = [&](const char* n, const char* fallback, double percentOf) {
            const char* v = GradientAttribute(g, n);
            return Coordinate(v ? v : fallback, percentOf, n);
        };
        Affine S;
        bool ok;
        bool reflect = P.Det() < 0;
        if (!radial) {
            SBRealPoint g1{attr("x1", "0%", pw), attr("y1", "0%", ph)};
            SBRealPoint g2{attr("x2", "100%", pw), attr("y2", "0%", ph)};
            SBRealPoint o = P.Apply(g1), e = P.Apply(g2);
            gs.origin = o;
            gs.length = std::hypot(e.h - o.h, e.v - o.v);
            gs.angle = std::atan2(e.v - o.v, e.h - o.h) * 180 / kPi;
            ok = Similarity(g1, {g2.h - g1.h, g2.v - g1.v}, o, {e.h - o.h, e.v - o.v}, reflect, &S);
        } else {
            SBRealPoint c{attr("cx", "50%", pw), attr("cy", "50%", ph)};
            double r = attr("r", "50%", std::sqrt((pw * pw + ph * ph) / 2));
            double s = std::sqrt(std::fabs(P.Det()));
            gs.origin = P.Apply(c);
            gs.length = r * s;
            gs.angle = 0;
            double phi = std::atan2(P.b, P.a);
            ok = Similarity(c, {1, 0}, gs.origin, {s * std::cos(phi), s * std::sin(phi)}, reflect, &S);
        }
        Affine inverse;
        if (ok && S.Invert(&inverse)) {
            gs.matrix = (P * gt * inverse).ToMatrix();
        } else {
            gs.matrix = Affine().ToMatrix();
        }
        for (double v : {gs.origin.h, gs.origin.v, gs.length, gs.angle, gs.matrix.a, gs.matrix.b, gs.matrix.c,
                         gs.matrix.d, gs.matrix.tx, gs.matrix.ty})
            if (!std::isfinite(v)) Fail("gradient #" + id + " has geometry out of range");
        return colour;
    }

    std::vector<SBRealPoint> Points(const std::string& text, const Affine& m) {
        std::vector<double> v = NumberList(text);
        if (v.size() % 2 != 0) Fail("odd number of coordinates");
        std::vector<SBRealPoint> points;
        for (size_t i = 0; i < v.size(); i += 2) points.push_back(ToDocument(m, {v[i], v[i + 1]}));
        return points;
    }

    std::vector<std::vector<SBRealPoint>> Curves(const std::string& text, const Affine& m, size_t count) {
        std::vector<std::vector<SBRealPoint>> curves;
        size_t start = 0;
        while (start <= text.size() && !Trim(text).empty()) {
            size_t end = text.find(';', start);
            if (end == std::string::npos) end = text.size();
            curves.push_back(Points(text.substr(start, end - start), m));
            size_t n = curves.back().size();
            if (n < 4 || (n - 4) % 3 != 0) Fail("a mesh curve needs 4 or 3k + 4 points");
            start = end + 1;
        }
        if (curves.size() != count) Fail("mesh curves do not match its size");
        return curves;
    }

    // Non-node vertices: per curve a comma-separated list of "BEZIER COLOUR", curves separated by ';'.
    std::vector<std::vector<MeshVertexMark>> Marks(const std::string& text,
                                                    const std::vector<std::vector<SBRealPoint>>& curves) {
        std::vector<std::vector<MeshVertexMark>> marks;
        if (text.empty()) return marks;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(';', start);
            if (end == std::string::npos) end = text.size();
            std::string curve = text.substr(start, end - start);
            if (marks.size() >= curves.size()) Fail("mesh vertices do not match its curves");
            int beziers = static_cast<int>((curves[marks.size()].size() - 1) / 3);
            std::vector<MeshVertexMark> list;
            size_t at = 0;
            while (!Trim(curve).empty() && at <= curve.size()) {
                size_t comma = curve.find(',', at);
                if (comma == std::string::npos) comma = curve.size();
                std::string item = Trim(curve.substr(at, comma - at));
                size_t space = item.find(' ');
                MeshVertexMark mark;
                std::string number = item.substr(0, space);
                Scanner sc(number);
                double b = sc.Number();
                if (space == std::string::npos || b != std::floor(b) || b < 0 || b >= beziers - 1)
                    Fail("bad mesh vertex \"" + item + "\"");
                mark.bezier = static_cast<int32_t>(b);
                mark.colour = Exact(item.substr(space + 1));
                list.push_back(mark);
                at = comma + 1;
            }
            marks.push_back(std::move(list));
            start = end + 1;
        }
        if (marks.size() != curves.size()) Fail("mesh vertices do not match its curves");
        return marks;
    }

    ArtNode Mesh(const pugi::xml_node& node, const State& st) {
        CountObject();
        ArtNode n;
        n.kind = ArtKind::Mesh;
        MeshGrid& g = n.mesh;
        g.columns = node.attribute("columns").as_int();
        g.rows = node.attribute("rows").as_int();
        if (g.columns < 1 || g.rows < 1 || g.columns > 1000 || g.rows > 1000) Fail("mesh size out of range");
        size_t nodes = static_cast<size_t>(g.columns + 1) * (g.rows + 1);
        Affine m = flip_ * st.ctm;
        g.nodes = Points(node.attribute("nodes").value(), m);
        if (g.nodes.size() != nodes) Fail("mesh nodes do not match its size");
        std::string colours = node.attribute("colours").value();
        size_t start = 0;
        while (start < colours.size()) {
            size_t end = colours.find(';', start);
            if (end == std::string::npos) end = colours.size();
            g.colours.push_back(Exact(colours.substr(start, end - start)));
            start = end + 1;
        }
        if (g.colours.size() != nodes) Fail("mesh colours do not match its size");
        g.rowCurves = Curves(node.attribute("rowCurves").value(), m, static_cast<size_t>(g.rows + 1) * g.columns);
        g.columnCurves = Curves(node.attribute("columnCurves").value(), m, static_cast<size_t>(g.columns + 1) * g.rows);
        g.rowMarks = Marks(node.attribute("rowMarks").value(), g.rowCurves);
        g.columnMarks = Marks(node.attribute("columnMarks").value(), g.columnCurves);
        anchors_ += nodes;
        if (anchors_ > limits_.maxAnchors) Fail("more than " + std::to_string(limits_.maxAnchors) + " anchors");
        return n;
    }

    ArtNode OtherArt(const pugi::xml_node& node, const State& st) {
        CountObject();
        ArtNode n;
        int kind = node.attribute("kind").as_int();
        if (kind != SB_ART_TEXT && kind != SB_ART_PLACED && kind != SB_ART_RASTER && kind != SB_ART_SYMBOL &&
            kind != SB_ART_PLUGIN)
            Fail("unknown art kind " + std::to_string(kind));
        n.kind = static_cast<ArtKind>(kind);
        n.text = node.attribute("text").value();
        std::vector<SBRealPoint> corners = Points(node.attribute("frame").value(), flip_ * st.ctm);
        if (corners.size() != 2) Fail("bad frame");
        n.frame = {std::min(corners[0].h, corners[1].h), std::max(corners[0].v, corners[1].v),
                   std::max(corners[0].h, corners[1].h), std::min(corners[0].v, corners[1].v)};
        return n;
    }

    Affine flip_;
    SvgLimits limits_;
    double viewportWidth_ = 100, viewportHeight_ = 100;
    std::unordered_map<std::string, pugi::xml_node> ids_;
    std::map<std::pair<void*, int16_t>, size_t> gradientIndex_;
    std::map<std::string, size_t> customIndex_, patternIndex_;
    size_t objects_ = 0, anchors_ = 0;
    Artwork artwork_;
};

}  // namespace

bool ImportSvgText(const std::string& text, const std::string& fileName, double documentHeight, Artwork* out,
                   std::string* error, const SvgLimits& limits) {
    auto fail = [&](const std::string& what) {
        if (error) *error = fileName + ": " + what;
        return false;
    };
    if (text.size() > limits.maxFileBytes) return fail("file larger than " + std::to_string(limits.maxFileBytes) + " bytes");
    if (!std::isfinite(documentHeight)) return fail("document height is not a number");
    pugi::xml_document xml;
    pugi::xml_parse_result parsed = xml.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return fail(std::string("not well-formed XML (") + parsed.description() + " at offset " +
                    std::to_string(parsed.offset) + ")");
    try {
        Importer importer(documentHeight, limits);
        Artwork artwork;
        importer.Run(xml, &artwork);
        *out = std::move(artwork);
        return true;
    } catch (const ImportError& e) {
        return fail(e.what);
    }
}

bool ImportSvgFile(const std::string& path, double documentHeight, Artwork* out, std::string* error,
                   const SvgLimits& limits) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = path + ": cannot be read";
        return false;
    }
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) {
        if (error) *error = path + ": cannot be read";
        return false;
    }
    if (static_cast<size_t>(size) > limits.maxFileBytes) {
        if (error) *error = path + ": file larger than " + std::to_string(limits.maxFileBytes) + " bytes";
        return false;
    }
    in.seekg(0);
    std::string text(static_cast<size_t>(size), '\0');
    in.read(text.data(), size);
    return ImportSvgText(text, path, documentHeight, out, error, limits);
}

}  // namespace scribera::io

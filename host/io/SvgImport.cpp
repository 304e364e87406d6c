#include "io/SvgImport.h"

#include "io/Affine.h"
#include "io/PathData.h"
#include "io/SvgElement.h"
#include "io/SvgPaintServers.h"
#include "io/SvgShapes.h"
#include "io/SvgSyntax.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

namespace scribera::io {

namespace {

struct State {
    Affine ctm;
    SvgPaint fill;
    SvgPaint stroke;
    double strokeWidth = 1;
    bool evenOdd = false;
    bool clipEvenOdd = false;
    SBColor colour = RgbColour(0, 0, 0);
    bool fillOverprint = false, strokeOverprint = false;
    std::string exactFill, exactStroke;  // our own files' exact paint, when written
    State() {
        fill.kind = SvgPaint::Colour;
        fill.colour = RgbColour(0, 0, 0);
    }
};

class Importer {
public:
    Importer(double height, const SvgLimits& limits)
        : flip_(Affine::FlipY(height)), limits_(limits), paints_(ids_, &artwork_) {}

    void Run(const pugi::xml_document& xml, Artwork* out) {
        pugi::xml_node root = xml.document_element();
        if (!root || LocalName(root) != "svg") FailSvg("not an SVG document (the root element is not <svg>)");
        ids_.Index(root);
        double width = 100, height = 100;
        if (root.attribute("width")) width = std::fabs(ParseCoordinate(root.attribute("width").value(), 100, "width"));
        if (root.attribute("height"))
            height = std::fabs(ParseCoordinate(root.attribute("height").value(), 100, "height"));
        paints_.SetViewport(width, height);
        std::vector<ArtNode> nodes;
        State state;
        Element(root, state, 0, nodes, true);
        std::reverse(nodes.begin(), nodes.end());  // the file lists the bottom first
        artwork_.art = std::move(nodes);
        *out = std::move(artwork_);
    }

private:
    // The id a <use> refers to.
    static std::string UsedId(const pugi::xml_node& node) {
        std::string href = Href(node);
        if (href.size() < 2 || href[0] != '#') FailSvg("bad use reference \"" + href + "\"");
        return href.substr(1);
    }

    // The x and y of <use> and of a nested <svg>.
    static Affine Offset(const pugi::xml_node& node) {
        double x = node.attribute("x") ? ParseLength(node.attribute("x").value(), "x") : 0;
        double y = node.attribute("y") ? ParseLength(node.attribute("y").value(), "y") : 0;
        return Affine::Translate(x, y);
    }

    void CountObject() {
        if (++objects_ > limits_.maxObjects) FailSvg("more than " + std::to_string(limits_.maxObjects) + " objects");
    }

    void ApplyProperties(const pugi::xml_node& node, State& st) {
        SvgProperties props(node);
        if (const char* v = props.Get("color")) {
            SvgPaint p = ParsePaint(v, st.colour);
            if (p.kind == SvgPaint::Colour) st.colour = p.colour;
        }
        if (const char* v = props.Get("fill")) {
            st.fill = ParsePaint(v, st.colour);
            st.exactFill.clear();
        }
        if (const char* v = props.Get("stroke")) {
            st.stroke = ParsePaint(v, st.colour);
            st.exactStroke.clear();
        }
        if (const char* v = props.Get("stroke-width")) st.strokeWidth = std::fabs(ParseLength(v, "stroke-width"));
        if (const char* v = props.Get("fill-rule")) st.evenOdd = TrimSpace(v) == "evenodd";
        if (const char* v = props.Get("clip-rule")) st.clipEvenOdd = TrimSpace(v) == "evenodd";
        if (const char* v = node.attribute("scribera:fill").as_string(nullptr)) st.exactFill = v;
        if (const char* v = node.attribute("scribera:stroke").as_string(nullptr)) st.exactStroke = v;
        if (node.attribute("scribera:fill-overprint"))
            st.fillOverprint = IsTrue(node.attribute("scribera:fill-overprint").value());
        if (node.attribute("scribera:stroke-overprint"))
            st.strokeOverprint = IsTrue(node.attribute("scribera:stroke-overprint").value());
        if (pugi::xml_attribute t = node.attribute("transform")) st.ctm = st.ctm * ParseTransform(t.value());
    }

    static bool Hidden(const pugi::xml_node& node) {
        SvgProperties props(node);
        const char* d = props.Get("display");
        return d && TrimSpace(d) == "none";
    }

    // Appends what the element makes to `out`, bottom of the stacking order first.
    void Element(const pugi::xml_node& node, const State& parent, int depth, std::vector<ArtNode>& out,
                 bool root = false) {
        if (depth > limits_.maxDepth) FailSvg("nesting deeper than " + std::to_string(limits_.maxDepth) + " levels");
        std::string name = LocalName(node);
        static const char* const kSkipped[] = {
            "defs",  "clipPath", "linearGradient", "radialGradient", "mask",   "pattern", "symbol", "marker",
            "title", "desc",     "metadata",       "style",          "script", "filter",  "font",   "font-face"};
        for (const char* s : kSkipped)
            if (name == s) return;
        if (Hidden(node) || node.attribute("scribera:preview")) return;
        State st = parent;
        ApplyProperties(node, st);

        std::vector<ArtNode> made;
        bool isGroup = false;
        if (name == "svg" || name == "g" || name == "a" || name == "switch") {
            if (name == "svg" && !root) st.ctm = st.ctm * Offset(node);
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
            pugi::xml_node target = ids_.Find(UsedId(node), "use");
            st.ctm = st.ctm * Offset(node);
            Element(target, st, depth + 1, made);
        } else if (name == "scribera:mesh") {
            made.push_back(Mesh(node, st));
        } else if (name == "scribera:art") {
            made.push_back(OtherArt(node, st));
        } else {
            std::vector<Subpath> subpaths;
            if (!ShapeOutlines(node, name, &subpaths)) return;  // not a shape, or one that draws nothing
            made.push_back(Leaf(node, st, std::move(subpaths)));
        }
        if (made.empty()) return;
        SvgProperties props(node);
        for (ArtNode& m : made) {
            if (const char* o = props.Get("opacity")) {
                m.opacity = std::clamp(ParseLeadingNumber(o), 0.0, 1.0);
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

    SBRealPoint ToDocument(const Affine& m, SBRealPoint p) {
        SBRealPoint q = m.Apply(p);
        // The bound every number is read with: what the host saves, it reads back.
        if (!(std::fabs(q.h) <= kMaxCoordinate && std::fabs(q.v) <= kMaxCoordinate))
            FailSvg("coordinates out of range after transforms");
        return q;
    }

    SBPathStyle Style(const State& st, const SBRealRect& bbox) {
        SBPathStyle style{};
        Affine toDocument = flip_ * st.ctm;
        SBColor fill = st.exactFill.empty() ? paints_.Resolve(st.fill, toDocument, bbox) : paints_.Exact(st.exactFill);
        SBColor stroke =
            st.exactStroke.empty() ? paints_.Resolve(st.stroke, toDocument, bbox) : paints_.Exact(st.exactStroke);
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
            style.fill.color = paints_.Exact(node.attribute("scribera:fill-unpainted").value());
        if (!style.strokePaint && node.attribute("scribera:stroke-unpainted"))
            style.stroke.color = paints_.Exact(node.attribute("scribera:stroke-unpainted").value());
        Affine m = flip_ * st.ctm;
        size_t total = 0;
        for (Subpath& s : subpaths) {
            if (s.anchors.size() > kMaxPathAnchors)
                FailSvg("a path of more than " + std::to_string(kMaxPathAnchors) + " anchors");
            for (SBPathSegment& a : s.anchors) {
                a.p = ToDocument(m, a.p);
                a.in = ToDocument(m, a.in);
                a.out = ToDocument(m, a.out);
            }
            total += s.anchors.size();
        }
        anchors_ += total;
        if (anchors_ > limits_.maxAnchors) FailSvg("more than " + std::to_string(limits_.maxAnchors) + " anchors");
        if (pugi::xml_attribute corners = node.attribute("scribera:corners")) {
            std::string c = corners.value();
            if (c.size() != total) FailSvg("corner flags do not match the path's anchors");
            size_t k = 0;
            for (Subpath& s : subpaths)
                for (SBPathSegment& a : s.anchors) a.corner = c[k++] == '1';
        }
        if (pugi::xml_attribute ends = node.attribute("scribera:ends")) {
            size_t k = 0;
            for (const std::string& handles : SplitAt(ends.value(), ';')) {
                std::vector<double> v = ParseNumberList(handles);
                if (v.size() != 4 || k >= subpaths.size()) FailSvg("end handles do not match the path");
                Subpath& s = subpaths[k++];
                if (!s.closed) {
                    s.anchors.front().in = ToDocument(m, {v[0], v[1]});
                    s.anchors.back().out = ToDocument(m, {v[2], v[3]});
                }
            }
            if (k != subpaths.size()) FailSvg("end handles do not match the path");
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
            if (flags.size() != c.children.size()) FailSvg("member selection does not match the compound path");
            for (size_t i = 0; i < flags.size(); ++i) c.children[i].selected = flags[i] == '1';
        }
        return c;
    }

    ArtNode ClipPath(const std::string& ref, const State& st, int depth) {
        SvgPaint p = ParsePaint(ref, st.colour);
        if (p.kind != SvgPaint::Url) FailSvg("bad clip-path \"" + ref + "\"");
        pugi::xml_node clip = ids_.Find(p.url, "clip-path");
        if (LocalName(clip) != "clipPath") FailSvg("clip-path reference #" + p.url + " is not a clipPath");
        State cs;  // clip content takes its paint from where it is defined, not from the clipped art
        cs.ctm = st.ctm;
        if (std::strcmp(clip.attribute("clipPathUnits").value(), "objectBoundingBox") == 0)
            FailSvg("clipPathUnits=\"objectBoundingBox\" is not supported (#" + p.url + ")");
        ApplyProperties(clip, cs);
        std::vector<ArtNode> parts;
        for (pugi::xml_node c = clip.first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element) ClipContent(c, cs, depth + 1, parts);
        if (parts.empty()) FailSvg("clipPath #" + p.url + " has no shape");
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
        if (depth > limits_.maxDepth) FailSvg("nesting deeper than " + std::to_string(limits_.maxDepth) + " levels");
        if (Hidden(node)) return;
        State st = parent;
        ApplyProperties(node, st);
        if (st.clipEvenOdd) st.evenOdd = true;
        std::string name = LocalName(node);
        if (name == "use") {
            std::string id = UsedId(node);
            st.ctm = st.ctm * Offset(node);
            ClipContent(ids_.Find(id, "use"), st, depth + 1, out);
            return;
        }
        std::vector<Subpath> subpaths;
        if (!ShapeOutlines(node, name, &subpaths)) return;
        ArtNode leaf = Leaf(node, st, std::move(subpaths));
        if (node.attribute("scribera:selected")) leaf.selected = IsTrue(node.attribute("scribera:selected").value());
        out.push_back(std::move(leaf));
    }

    std::vector<SBRealPoint> Points(const std::string& text, const Affine& m) {
        std::vector<double> v = ParseNumberList(text);
        if (v.size() % 2 != 0) FailSvg("odd number of coordinates");
        std::vector<SBRealPoint> points;
        for (size_t i = 0; i < v.size(); i += 2) points.push_back(ToDocument(m, {v[i], v[i + 1]}));
        return points;
    }

    std::vector<std::vector<SBRealPoint>> Curves(const std::string& text, const Affine& m, size_t count) {
        std::vector<std::vector<SBRealPoint>> curves;
        if (!TrimSpace(text).empty()) {
            for (const std::string& curve : SplitAt(text, ';')) {
                curves.push_back(Points(curve, m));
                size_t n = curves.back().size();
                if (n < 4 || (n - 4) % 3 != 0) FailSvg("a mesh curve needs 4 or 3k + 4 points");
            }
        }
        if (curves.size() != count) FailSvg("mesh curves do not match its size");
        return curves;
    }

    // Non-node vertices: per curve a comma-separated list of "BEZIER COLOUR", curves separated by ';'.
    std::vector<std::vector<MeshVertexMark>> Marks(const std::string& text,
                                                   const std::vector<std::vector<SBRealPoint>>& curves) {
        std::vector<std::vector<MeshVertexMark>> marks;
        if (text.empty()) return marks;
        for (const std::string& curve : SplitAt(text, ';')) {
            if (marks.size() >= curves.size()) FailSvg("mesh vertices do not match its curves");
            int beziers = static_cast<int>((curves[marks.size()].size() - 1) / 3);
            std::vector<MeshVertexMark> list;
            std::vector<std::string> items;
            if (!TrimSpace(curve).empty()) items = SplitAt(curve, ',');
            for (const std::string& piece : items) {
                std::string item = TrimSpace(piece);
                size_t space = item.find(' ');
                MeshVertexMark mark;
                double b = ParseLeadingNumber(item.substr(0, space));
                if (space == std::string::npos || b != std::floor(b) || b < 0 || b >= beziers - 1 ||
                    (!list.empty() && b <= list.back().bezier))
                    FailSvg("bad mesh vertex \"" + item + "\"");
                mark.bezier = static_cast<int32_t>(b);
                mark.colour = paints_.Exact(item.substr(space + 1));
                list.push_back(mark);
            }
            marks.push_back(std::move(list));
        }
        if (marks.size() != curves.size()) FailSvg("mesh vertices do not match its curves");
        return marks;
    }

    ArtNode Mesh(const pugi::xml_node& node, const State& st) {
        CountObject();
        ArtNode n;
        n.kind = ArtKind::Mesh;
        MeshGrid& g = n.mesh;
        g.columns = node.attribute("columns").as_int();
        g.rows = node.attribute("rows").as_int();
        if (g.columns < 1 || g.rows < 1 || g.columns > 1000 || g.rows > 1000) FailSvg("mesh size out of range");
        size_t nodes = static_cast<size_t>(g.columns + 1) * (g.rows + 1);
        Affine m = flip_ * st.ctm;
        g.nodes = Points(node.attribute("nodes").value(), m);
        if (g.nodes.size() != nodes) FailSvg("mesh nodes do not match its size");
        std::vector<std::string> colours = SplitAt(node.attribute("colours").value(), ';');
        if (colours.back().empty()) colours.pop_back();  // a closing ';' ends the list
        for (const std::string& colour : colours) g.colours.push_back(paints_.Exact(colour));
        if (g.colours.size() != nodes) FailSvg("mesh colours do not match its size");
        g.rowCurves = Curves(node.attribute("rowCurves").value(), m, static_cast<size_t>(g.rows + 1) * g.columns);
        g.columnCurves = Curves(node.attribute("columnCurves").value(), m, static_cast<size_t>(g.columns + 1) * g.rows);
        g.rowMarks = Marks(node.attribute("rowMarks").value(), g.rowCurves);
        g.columnMarks = Marks(node.attribute("columnMarks").value(), g.columnCurves);
        anchors_ += nodes;
        if (anchors_ > limits_.maxAnchors) FailSvg("more than " + std::to_string(limits_.maxAnchors) + " anchors");
        return n;
    }

    ArtNode OtherArt(const pugi::xml_node& node, const State& st) {
        CountObject();
        ArtNode n;
        int kind = node.attribute("kind").as_int();
        if (kind != SB_ART_TEXT && kind != SB_ART_PLACED && kind != SB_ART_RASTER && kind != SB_ART_SYMBOL &&
            kind != SB_ART_PLUGIN)
            FailSvg("unknown art kind " + std::to_string(kind));
        n.kind = static_cast<ArtKind>(kind);
        n.text = node.attribute("text").value();
        std::vector<SBRealPoint> corners = Points(node.attribute("frame").value(), flip_ * st.ctm);
        if (corners.size() != 2) FailSvg("bad frame");
        n.frame = {std::min(corners[0].h, corners[1].h), std::max(corners[0].v, corners[1].v),
                   std::max(corners[0].h, corners[1].h), std::min(corners[0].v, corners[1].v)};
        return n;
    }

    Affine flip_;
    SvgLimits limits_;
    SvgIds ids_;
    size_t objects_ = 0, anchors_ = 0;
    Artwork artwork_;
    SvgPaintServers paints_;
};

}  // namespace

bool ImportSvgText(const std::string& text, const std::string& fileName, double documentHeight, Artwork* out,
                   std::string* error, const SvgLimits& limits) {
    auto fail = [&](const std::string& what) {
        if (error) *error = fileName + ": " + what;
        return false;
    };
    if (text.size() > limits.maxFileBytes)
        return fail("file larger than " + std::to_string(limits.maxFileBytes) + " bytes");
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
    } catch (const SvgError& e) {
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

#include "io/SvgExport.h"

#include "io/Affine.h"
#include "io/Format.h"
#include "io/MeshPatches.h"
#include "io/TextFile.h"
#include "io/PathData.h"
#include "io/ScreenColour.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace scribera::io {

namespace {

std::string Numbers(std::initializer_list<double> values) {
    std::string out;
    for (double v : values) {
        if (!out.empty()) out += ' ';
        out += FormatNumber(v);
    }
    return out;
}

std::string Hex(double r, double g, double b) {
    auto byte = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", byte(r), byte(g), byte(b));
    return buffer;
}

bool SameColour(const SBColor& a, const SBColor& b);

bool SameStyle(const SBPathStyle& a, const SBPathStyle& b) {
    return a.fillPaint == b.fillPaint && a.strokePaint == b.strokePaint && a.fill.overprint == b.fill.overprint &&
           a.stroke.overprint == b.stroke.overprint && a.stroke.width == b.stroke.width && a.clip == b.clip &&
           a.evenOdd == b.evenOdd && SameColour(a.fill.color, b.fill.color) &&
           SameColour(a.stroke.color, b.stroke.color);
}

bool SameColour(const SBColor& a, const SBColor& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case SB_COLOR_GRAY:
            return a.c.gray.gray == b.c.gray.gray;
        case SB_COLOR_THREE:
            return a.c.three.red == b.c.three.red && a.c.three.green == b.c.three.green &&
                   a.c.three.blue == b.c.three.blue;
        case SB_COLOR_FOUR:
            return a.c.four.cyan == b.c.four.cyan && a.c.four.magenta == b.c.four.magenta &&
                   a.c.four.yellow == b.c.four.yellow && a.c.four.black == b.c.four.black;
        case SB_COLOR_CUSTOM:
            return a.c.custom.color == b.c.custom.color && a.c.custom.tint == b.c.custom.tint;
        case SB_COLOR_PATTERN:
            return a.c.pattern.pattern == b.c.pattern.pattern &&
                   std::memcmp(&a.c.pattern.matrix, &b.c.pattern.matrix, sizeof(SBRealMatrix)) == 0;
        case SB_COLOR_GRADIENT: {
            const SBGradientStyle &x = a.c.gradient, &y = b.c.gradient;
            return x.gradient == y.gradient && x.origin.h == y.origin.h && x.origin.v == y.origin.v &&
                   x.angle == y.angle && x.length == y.length &&
                   std::memcmp(&x.matrix, &y.matrix, sizeof(SBRealMatrix)) == 0;
        }
        default:
            return true;
    }
}

class Writer {
public:
    Writer(const Artwork& artwork, const SvgPage& page)
        : art_(artwork), page_(page), flip_(Affine::FlipY(page.height)) {}

    std::string Run() {
        pugi::xml_document xml;
        pugi::xml_node decl = xml.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "UTF-8";
        pugi::xml_node svg = xml.append_child("svg");
        svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
        svg.append_attribute("xmlns:xlink") = "http://www.w3.org/1999/xlink";
        svg.append_attribute("xmlns:scribera") = "urn:scribera:document";
        svg.append_attribute("width") = FormatNumber(page_.width).c_str();
        svg.append_attribute("height") = FormatNumber(page_.height).c_str();
        svg.append_attribute("viewBox") = Numbers({0, 0, page_.width, page_.height}).c_str();
        svg.append_attribute("scribera:pageOrigin") = Numbers({page_.pageOrigin.h, page_.pageOrigin.v}).c_str();
        svg.append_attribute("scribera:view") =
            Numbers({page_.view.left, page_.view.top, page_.view.right, page_.view.bottom}).c_str();
        svg.append_attribute("scribera:colourModel") = page_.colourModel;
        defs_ = svg.append_child("defs");
        for (size_t i = 0; i < art_.customColours.size(); ++i) {
            pugi::xml_node c = defs_.append_child("scribera:customColour");
            c.append_attribute("id") = ("cc" + std::to_string(i + 1)).c_str();
            c.append_attribute("name") = art_.customColours[i].name.c_str();
            c.append_attribute("colour") = Exact(art_.customColours[i].definition).c_str();
        }
        for (size_t i = 0; i < art_.patterns.size(); ++i) {
            pugi::xml_node p = defs_.append_child("scribera:pattern");
            p.append_attribute("id") = ("pat" + std::to_string(i + 1)).c_str();
            p.append_attribute("name") = art_.patterns[i].name.c_str();
        }
        for (size_t i = 0; i < art_.gradients.size(); ++i) GradientDefinition(i);
        pugi::xml_node layer = svg.append_child("g");
        layer.append_attribute("scribera:layer") = 1;
        Children(layer, art_.art);
        std::ostringstream out;
        xml.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
        return out.str();
    }

private:
    std::string Exact(const SBColor& c) const {
        switch (c.kind) {
            case SB_COLOR_GRAY:
                return "gray " + FormatNumber(c.c.gray.gray);
            case SB_COLOR_THREE:
                return "rgb " + Numbers({c.c.three.red, c.c.three.green, c.c.three.blue});
            case SB_COLOR_FOUR:
                return "cmyk " + Numbers({c.c.four.cyan, c.c.four.magenta, c.c.four.yellow, c.c.four.black});
            case SB_COLOR_CUSTOM:
                return "custom cc" + std::to_string(HandleIndex(c.c.custom.color)) + " " +
                       FormatNumber(c.c.custom.tint);
            case SB_COLOR_PATTERN: {
                const SBRealMatrix& m = c.c.pattern.matrix;
                return "pattern pat" + std::to_string(HandleIndex(c.c.pattern.pattern)) + " " +
                       Numbers({m.a, m.b, m.c, m.d, m.tx, m.ty});
            }
            default:
                return "none";
        }
    }

    // What a viewer shows for a colour that is not a gradient.
    std::string Visible(const SBColor& c) const {
        Rgb rgb;
        if (!ScreenRgb(c, art_, &rgb)) return "none";
        return Hex(rgb.red, rgb.green, rgb.blue);
    }

    void GradientDefinition(size_t i) {
        const GradientData& g = art_.gradients[i];
        pugi::xml_node node = defs_.append_child(g.kind == SB_GRADIENT_RADIAL ? "radialGradient" : "linearGradient");
        node.append_attribute("id") = ("grad" + std::to_string(i + 1)).c_str();
        node.append_attribute("scribera:name") = g.name.c_str();
        double last = 0;
        for (size_t k = 0; k < g.stops.size(); ++k) {
            const SBGradientStop& s = g.stops[k];
            double at = std::max(last, std::clamp(s.rampPoint / 100, 0.0, 1.0));
            pugi::xml_node stop = node.append_child("stop");
            stop.append_attribute("offset") = FormatNumber(std::clamp(s.rampPoint / 100, 0.0, 1.0)).c_str();
            stop.append_attribute("stop-color") = Visible(s.color).c_str();
            stop.append_attribute("scribera:color") = Exact(s.color).c_str();
            stop.append_attribute("scribera:ramp") = FormatNumber(s.rampPoint).c_str();
            stop.append_attribute("scribera:midpoint") = FormatNumber(s.midPoint).c_str();
            // SVG has no midpoints: where the colour is halfway to the next stop's, one more stop
            // that reading skips.
            if (k + 1 < g.stops.size() && std::fabs(s.midPoint - 50) > 1e-9) {
                double next = std::max(at, std::clamp(g.stops[k + 1].rampPoint / 100, 0.0, 1.0));
                Rgb from, to;
                if (next > at && ScreenRgb(s.color, art_, &from) && ScreenRgb(g.stops[k + 1].color, art_, &to)) {
                    Rgb half = Mix(from, to, 0.5);
                    pugi::xml_node mid = node.append_child("stop");
                    mid.append_attribute("offset") =
                        FormatNumber(at + (next - at) * std::clamp(s.midPoint / 100, 0.0, 1.0)).c_str();
                    mid.append_attribute("stop-color") = Hex(half.red, half.green, half.blue).c_str();
                    mid.append_attribute("scribera:preview") = 1;
                }
            }
            last = at;
        }
    }

    // One gradient element per painted use: the geometry differs from use to use.
    std::string GradientUse(const SBGradientStyle& gs) {
        size_t index = HandleIndex(gs.gradient);
        bool radial =
            index >= 1 && index <= art_.gradients.size() && art_.gradients[index - 1].kind == SB_GRADIENT_RADIAL;
        std::string id = "paint" + std::to_string(++paints_);
        pugi::xml_node node = defs_.append_child(radial ? "radialGradient" : "linearGradient");
        node.append_attribute("id") = id.c_str();
        node.append_attribute("xlink:href") = ("#grad" + std::to_string(index)).c_str();
        node.append_attribute("gradientUnits") = "userSpaceOnUse";
        SBRealPoint o = flip_.Apply(gs.origin);
        if (radial) {
            node.append_attribute("cx") = FormatNumber(o.h).c_str();
            node.append_attribute("cy") = FormatNumber(o.v).c_str();
            node.append_attribute("r") = FormatNumber(gs.length).c_str();
        } else {
            double r = gs.angle * 3.14159265358979323846 / 180;
            SBRealPoint e = flip_.Apply({gs.origin.h + gs.length * std::cos(r), gs.origin.v + gs.length * std::sin(r)});
            node.append_attribute("x1") = FormatNumber(o.h).c_str();
            node.append_attribute("y1") = FormatNumber(o.v).c_str();
            node.append_attribute("x2") = FormatNumber(e.h).c_str();
            node.append_attribute("y2") = FormatNumber(e.v).c_str();
        }
        Affine m = flip_ * Affine::From(gs.matrix) * flip_;
        if (!m.IsIdentity())
            node.append_attribute("gradientTransform") =
                ("matrix(" + Numbers({m.a, m.b, m.c, m.d, m.e, m.f}) + ")").c_str();
        const SBRealMatrix& g = gs.matrix;
        node.append_attribute("scribera:gradient") =
            Numbers({gs.origin.h, gs.origin.v, gs.angle, gs.length, g.a, g.b, g.c, g.d, g.tx, g.ty}).c_str();
        return "url(#" + id + ")";
    }

    void Paint(pugi::xml_node node, const char* name, bool painted, const SBColor& c) {
        std::string exactName = std::string("scribera:") + name;
        if (!painted || c.kind == SB_COLOR_NONE) {
            node.append_attribute(name) = "none";
            if (c.kind != SB_COLOR_NONE && c.kind != SB_COLOR_GRADIENT)
                node.append_attribute((exactName + "-unpainted").c_str()) = Exact(c).c_str();
            return;
        }
        if (c.kind == SB_COLOR_GRADIENT) {
            node.append_attribute(name) = GradientUse(c.c.gradient).c_str();
            return;
        }
        node.append_attribute(name) = Visible(c).c_str();
        node.append_attribute(exactName.c_str()) = Exact(c).c_str();
    }

    void Style(pugi::xml_node node, const SBPathStyle& s) {
        Paint(node, "fill", s.fillPaint, s.fill.color);
        Paint(node, "stroke", s.strokePaint, s.stroke.color);
        node.append_attribute("stroke-width") = FormatNumber(s.stroke.width).c_str();
        node.append_attribute("fill-rule") = s.evenOdd ? "evenodd" : "nonzero";
        if (s.clip) {
            node.append_attribute("clip-rule") = s.evenOdd ? "evenodd" : "nonzero";
            node.append_attribute("scribera:clip") = 1;
        }
        if (s.fill.overprint) node.append_attribute("scribera:fill-overprint") = 1;
        if (s.stroke.overprint) node.append_attribute("scribera:stroke-overprint") = 1;
    }

    void Common(pugi::xml_node node, const ArtNode& a) {
        if (a.selected) node.append_attribute("scribera:selected") = 1;
        if (a.opacity != 1) node.append_attribute("opacity") = FormatNumber(a.opacity).c_str();
        if (a.blendMode != 0) node.append_attribute("scribera:blend") = a.blendMode;
    }

    Subpath Flipped(const ArtNode& a) const {
        Subpath s;
        s.closed = a.closed;
        for (SBPathSegment seg : a.segments) {
            seg.p = flip_.Apply(seg.p);
            seg.in = flip_.Apply(seg.in);
            seg.out = flip_.Apply(seg.out);
            s.anchors.push_back(seg);
        }
        return s;
    }

    static std::string Corners(const std::vector<const ArtNode*>& paths) {
        std::string c;
        for (const ArtNode* p : paths)
            for (const SBPathSegment& s : p->segments) c += s.corner ? '1' : '0';
        return c;
    }

    // One path element for several paths of the same paint.
    pugi::xml_node PathElement(pugi::xml_node parent, const std::vector<const ArtNode*>& paths, bool compound) {
        pugi::xml_node node = parent.append_child("path");
        std::vector<Subpath> subpaths;
        for (const ArtNode* p : paths) subpaths.push_back(Flipped(*p));
        node.append_attribute("d") = WritePathData(subpaths).c_str();
        if (compound) node.append_attribute("scribera:kind") = "compound";
        node.append_attribute("scribera:corners") = Corners(paths).c_str();
        // Handles beyond the ends of open paths belong to no segment, so path data cannot hold them.
        std::string ends;
        bool handles = false;
        for (const Subpath& s : subpaths) {
            if (!ends.empty()) ends += ';';
            const SBPathSegment &first = s.anchors.front(), &last = s.anchors.back();
            ends += Numbers({first.in.h, first.in.v, last.out.h, last.out.v});
            if (!s.closed && (first.in.h != first.p.h || first.in.v != first.p.v || last.out.h != last.p.h ||
                              last.out.v != last.p.v))
                handles = true;
        }
        if (handles) node.append_attribute("scribera:ends") = ends.c_str();
        if (!paths.empty()) Style(node, paths.front()->style);
        return node;
    }

    // A compound path whose members differ only in being selected: one path element says it all.
    static bool PlainCompound(const ArtNode& a) {
        if (a.children.empty()) return false;
        for (const ArtNode& c : a.children) {
            if (c.kind != ArtKind::Path || c.opacity != 1 || c.blendMode != 0 || c.segments.empty() ||
                !SameStyle(c.style, a.children.front().style))
                return false;
        }
        return true;
    }

    // The member paths of a compound path, nested compound paths included, top first.
    static void MemberPaths(const ArtNode& a, std::vector<const ArtNode*>* out) {
        for (const ArtNode& c : a.children) {
            if (c.kind == ArtKind::Path && !c.segments.empty())
                out->push_back(&c);
            else if (c.kind == ArtKind::Compound)
                MemberPaths(c, out);
        }
    }

    // A compound path is one shape with one fill rule, so that its holes stay open; written as
    // several elements, each member would be filled on its own.
    pugi::xml_node CompoundElement(pugi::xml_node parent, const ArtNode& a) {
        pugi::xml_node node = PathElement(parent, Pointers(a.children), true);
        std::string selected;
        for (const ArtNode& c : a.children) selected += c.selected ? '1' : '0';
        if (selected.find('1') != std::string::npos)
            node.append_attribute("scribera:selectedMembers") = selected.c_str();
        return node;
    }

    static std::vector<const ArtNode*> Pointers(const std::vector<ArtNode>& nodes) {
        std::vector<const ArtNode*> out;
        for (const ArtNode& n : nodes) out.push_back(&n);
        return out;
    }

    static bool IsClipMember(const ArtNode& a) {
        if (a.kind == ArtKind::Path) return a.style.clip;
        if (a.kind == ArtKind::Compound)
            return PlainCompound(a) && a.children.front().style.clip;  // else kept as a group
        return false;
    }

    // SVG lists the bottom of the stacking order first.
    void Children(pugi::xml_node parent, const std::vector<ArtNode>& nodes) {
        for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) Node(parent, *it);
    }

    // The element made for the node (the main one, when there are several), or none.
    pugi::xml_node Node(pugi::xml_node parent, const ArtNode& a) {
        switch (a.kind) {
            case ArtKind::Path: {
                if (a.segments.empty()) return {};  // nothing a file can hold
                pugi::xml_node p = PathElement(parent, {&a}, false);
                Common(p, a);
                return p;
            }
            case ArtKind::Compound: {
                if (PlainCompound(a)) {
                    pugi::xml_node p = CompoundElement(parent, a);
                    Common(p, a);
                    return p;
                }
                // Members of their own paint or blending: viewers draw the compound path as one
                // shape in the paint of its top member, and the members stay, hidden, for reading.
                pugi::xml_node g = parent.append_child("g");
                g.append_attribute("scribera:kind") = "compound";
                Common(g, a);
                std::vector<const ArtNode*> members;
                MemberPaths(a, &members);
                if (!members.empty()) PathElement(g, members, true).append_attribute("scribera:preview") = 1;
                for (auto it = a.children.rbegin(); it != a.children.rend(); ++it) {
                    pugi::xml_node member = Node(g, *it);
                    if (member) member.append_attribute("visibility") = "hidden";
                }
                return g;
            }
            case ArtKind::Group:
            case ArtKind::Layer: {
                pugi::xml_node g = parent.append_child("g");
                Common(g, a);
                std::vector<ArtNode> rest = a.children;
                if (a.clipped && !a.children.empty() && IsClipMember(a.children.front())) {
                    std::string id = "clip" + std::to_string(++clips_);
                    pugi::xml_node clip = defs_.append_child("clipPath");
                    clip.append_attribute("id") = id.c_str();
                    const ArtNode& member = a.children.front();
                    pugi::xml_node shape = member.kind == ArtKind::Path ? PathElement(clip, {&member}, false)
                                                                        : CompoundElement(clip, member);
                    if (member.selected) shape.append_attribute("scribera:selected") = 1;
                    g.append_attribute("clip-path") = ("url(#" + id + ")").c_str();
                    rest.erase(rest.begin());
                } else if (a.clipped) {
                    g.append_attribute("scribera:clipped") = 1;
                }
                Children(g, rest);
                return g;
            }
            case ArtKind::Mesh: {
                const MeshGrid& g = a.mesh;
                MeshPreview(parent, g);
                pugi::xml_node m = parent.append_child("scribera:mesh");
                m.append_attribute("columns") = g.columns;
                m.append_attribute("rows") = g.rows;
                m.append_attribute("nodes") = Points(g.nodes).c_str();
                std::string colours;
                for (const SBColor& c : g.colours) colours += (colours.empty() ? "" : ";") + Exact(c);
                m.append_attribute("colours") = colours.c_str();
                m.append_attribute("rowCurves") = Curves(g.rowCurves).c_str();
                m.append_attribute("columnCurves") = Curves(g.columnCurves).c_str();
                if (!g.rowMarks.empty()) m.append_attribute("rowMarks") = Marks(g.rowMarks).c_str();
                if (!g.columnMarks.empty()) m.append_attribute("columnMarks") = Marks(g.columnMarks).c_str();
                Common(m, a);
                return m;
            }
            default: {
                pugi::xml_node o = parent.append_child("scribera:art");
                o.append_attribute("kind") = static_cast<int>(a.kind);
                o.append_attribute("text") = a.text.c_str();
                o.append_attribute("frame") =
                    Points({{a.frame.left, a.frame.top}, {a.frame.right, a.frame.bottom}}).c_str();
                Common(o, a);
                return o;
            }
        }
    }

    std::string Marks(const std::vector<std::vector<MeshVertexMark>>& curves) const {
        std::string out;
        for (size_t i = 0; i < curves.size(); ++i) {
            if (i) out += ';';
            for (size_t k = 0; k < curves[i].size(); ++k) {
                if (k) out += ',';
                out += std::to_string(curves[i][k].bezier) + " " + Exact(curves[i][k].colour);
            }
        }
        return out;
    }

    // Cells a side: enough that neighbouring cells differ by a few levels of 255 at most, and
    // that curved sides are followed; one for a flat patch with straight sides.
    static int PreviewCells(const SBRealPoint (&sides)[4][4], const Rgb corner[4]) {
        double range = 0;
        for (double Rgb::*channel : {&Rgb::red, &Rgb::green, &Rgb::blue}) {
            auto [lo, hi] =
                std::minmax({corner[0].*channel, corner[1].*channel, corner[2].*channel, corner[3].*channel});
            range = std::max(range, hi - lo);
        }
        int cells = std::clamp(static_cast<int>(std::ceil(range * 255 / 8)), 1, 16);
        for (const auto& side : sides) {
            for (int k = 1; k <= 2; ++k) {
                double h = side[0].h + (side[3].h - side[0].h) * k / 3, v = side[0].v + (side[3].v - side[0].v) * k / 3;
                double size = std::fabs(side[3].h - side[0].h) + std::fabs(side[3].v - side[0].v);
                if (std::fabs(side[k].h - h) + std::fabs(side[k].v - v) > 1e-9 * std::max(1.0, size))
                    cells = std::max(cells, 8);
            }
        }
        return cells;
    }

    // Viewers do not draw our mesh element, so a preview shows each patch as a grid of small
    // cells, each flat in the colour the patch has at the cell's centre; reading skips it.
    void MeshPreview(pugi::xml_node parent, const MeshGrid& g) {
        std::vector<CoonsPatch> patches = CoonsPatches(g);
        if (patches.empty()) return;
        pugi::xml_node preview = parent.append_child("g");
        preview.append_attribute("scribera:preview") = 1;
        preview.append_attribute("shape-rendering") = "crispEdges";  // no seams between the cells
        for (const CoonsPatch& p : patches) {
            Rgb corner[4];
            for (int k = 0; k < 4; ++k)
                if (!ScreenRgb(g.colours[p.corners[k]], art_, &corner[k])) corner[k] = {0.5, 0.5, 0.5};
            // A patch whose edges hold several Beziers in the pieces the picture draws.
            const size_t columns = static_cast<size_t>(g.columns) + 1;
            const size_t c = p.corners[0] % columns, r = p.corners[0] / columns;
            const std::vector<CoonsPiece> pieces =
                HasJoinedCurves(g, c, r) ? CoonsPieces(g, c, r) : std::vector<CoonsPiece>();
            if (pieces.empty()) {
                PreviewPatch(preview, p, corner);
                continue;
            }
            for (const CoonsPiece& piece : pieces) {
                Rgb at[4];
                for (int k = 0; k < 4; ++k)
                    at[k] =
                        Mix(Mix(corner[0], corner[1], piece.u[k]), Mix(corner[3], corner[2], piece.u[k]), piece.v[k]);
                PreviewPatch(preview, piece, at);
            }
        }
    }

    // One patch (or piece) as a grid of flat cells.
    template <class Patch>
    void PreviewPatch(pugi::xml_node preview, const Patch& p, const Rgb corner[4]) {
        const int kCells = PreviewCells(p.sides, corner);
        for (int i = 0; i < kCells; ++i) {
            for (int j = 0; j < kCells; ++j) {
                double u0 = double(i) / kCells, u1 = double(i + 1) / kCells;
                double v0 = double(j) / kCells, v1 = double(j + 1) / kCells;
                std::string d;
                for (auto [u, v] : {std::pair{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}}) {
                    SBRealPoint q = flip_.Apply(p.At(u, v));
                    d += (d.empty() ? "M" : " L") + Numbers({q.h, q.v});
                }
                double u = (u0 + u1) / 2, v = (v0 + v1) / 2;
                Rgb c = Mix(Mix(corner[0], corner[1], u), Mix(corner[3], corner[2], u), v);
                pugi::xml_node cell = preview.append_child("path");
                cell.append_attribute("d") = (d + " Z").c_str();
                cell.append_attribute("fill") = Hex(c.red, c.green, c.blue).c_str();
            }
        }
    }

    std::string Points(const std::vector<SBRealPoint>& points) const {
        std::string out;
        for (SBRealPoint p : points) {
            SBRealPoint q = flip_.Apply(p);
            if (!out.empty()) out += ' ';
            out += Numbers({q.h, q.v});
        }
        return out;
    }

    std::string Curves(const std::vector<std::vector<SBRealPoint>>& curves) const {
        std::string out;
        for (size_t i = 0; i < curves.size(); ++i) {
            if (i) out += ';';
            out += Points(curves[i]);
        }
        return out;
    }

    const Artwork& art_;
    SvgPage page_;
    Affine flip_;
    pugi::xml_node defs_;
    int paints_ = 0, clips_ = 0;
};

}  // namespace

std::string ExportSvg(const Artwork& artwork, const SvgPage& page) { return Writer(artwork, page).Run(); }

namespace {

// Within the bound the importer reads every number and every resolved point with, in the
// document's coordinates and as written.
bool WithinBound(const std::vector<ArtNode>& nodes, const Affine& flip) {
    auto inside = [](SBRealPoint p) { return std::fabs(p.h) <= kMaxCoordinate && std::fabs(p.v) <= kMaxCoordinate; };
    for (const ArtNode& node : nodes) {
        for (const SBPathSegment& s : node.segments)
            for (const SBRealPoint& p : {s.p, s.in, s.out})
                if (!inside(p) || !inside(flip.Apply(p))) return false;
        if (!WithinBound(node.children, flip)) return false;
    }
    return true;
}

}  // namespace

bool ExportSvgFile(const Artwork& artwork, const SvgPage& page, const std::string& path, std::string* error) {
    // A file the host could not read back is not written.
    if (!WithinBound(artwork.art, Affine::FlipY(page.height))) {
        if (error) *error = path + ": coordinates beyond " + FormatNumber(kMaxCoordinate);
        return false;
    }
    return WriteTextFile(path, ExportSvg(artwork, page), error);
}

}  // namespace scribera::io

#include "io/SvgShapes.h"

#include "io/SvgSyntax.h"

#include <algorithm>
#include <cmath>

namespace scribera::io {

namespace {
constexpr double kKappa = 0.55228474983079339840;  // 4/3 (sqrt 2 - 1): quarter circle as one cubic
}  // namespace

bool ShapeOutlines(const pugi::xml_node& node, const std::string& name, std::vector<Subpath>* subpaths) {
    auto num = [&](const char* attr, double fallback = 0) {
        pugi::xml_attribute a = node.attribute(attr);
        return a ? ParseLength(a.value(), attr) : fallback;
    };
    auto line = [](SBRealPoint p) { return SBPathSegment{p, p, p, 1}; };
    if (name == "path") {
        std::string d = node.attribute("d").value();
        if (TrimSpace(d).empty()) return false;
        std::string error;
        if (!ParsePathData(d, subpaths, &error)) FailSvg("bad path data (" + error + ")");
    } else if (name == "rect") {
        double x = num("x"), y = num("y"), w = num("width"), h = num("height");
        if (w < 0 || h < 0) FailSvg("rect with a negative size");
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
        if (rx < 0 || ry < 0) FailSvg(name + " with a negative radius");
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
        std::vector<double> v = ParseNumberList(node.attribute("points").value());
        if (v.size() % 2 != 0) FailSvg(name + " with an odd number of coordinates");
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

}  // namespace scribera::io

// Gradient meshes from the input, two ways. The numeric cut: a grid of curves of one to three
// Beziers (points on a coarse grid, so that nodes and edges fall on the line often) with colours of
// every kind, cut at a line from the input; a cut that does not refuse must keep a grid inside the
// mesh's bounds whose every node lies on the kept side. The host and the tools: the same mesh
// written as a scribera:mesh element, imported, given vertices on its edges, and cut or mirrored
// by the tools, their effects and the rectangle cut.
#include "FuzzInput.h"
#include "HostedFuzz.h"
#include "ScenarioText.h"
#include "geometry/Errors.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/ZMeshDataCut.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

using namespace fuzzhost;

namespace {

struct Sizes {
    int32_t columns, rows;
};

MeshColour AnyColour(FuzzInput& in) {
    MeshColour c{};
    const uint8_t kind = in.Byte() % 7;
    const double a = in.Byte() / 255.0, b = in.Byte() / 255.0, d = in.Byte() / 255.0;
    switch (kind) {
        case 0:
            c.kind = SB_COLOR_GRAY;
            c.c.gray.gray = a;
            break;
        case 1:
            c.kind = SB_COLOR_FOUR;
            c.c.four = {a, b, d, a * b};
            break;
        case 3:
            c.kind = SB_COLOR_CUSTOM;
            c.c.custom = {reinterpret_cast<SBCustomColorHandle>(uintptr_t(1 + in.Byte() % 2)), a};
            break;
        case 5:
            c.kind = SB_COLOR_THREE;
            c.c.three = {a, b, d};
            break;
        default:
            c.kind = SB_COLOR_NONE;
            break;
    }
    return c;
}

// A point near the node's place on the grid: the input moves it by up to ±8 units in steps of 1.
RealPoint Near(FuzzInput& in, double h, double v) {
    return RealPoint{h + (static_cast<int8_t>(in.Byte()) / 16), v + (static_cast<int8_t>(in.Byte()) / 16)};
}

ZPathList Edge(FuzzInput& in, const RealPoint& a, const RealPoint& b) {
    ZPathList curve;
    const int beziers = 1 + in.Byte() % 3;
    RealPoint from = a;
    for (int k = 1; k <= beziers; ++k) {
        const RealPoint to =
            k == beziers ? b : Near(in, a.h + (b.h - a.h) * k / beziers, a.v + (b.v - a.v) * k / beziers);
        curve.AppendRaw(BezierSegment{from, Near(in, (2 * from.h + to.h) / 3, (2 * from.v + to.v) / 3),
                                      Near(in, (from.h + 2 * to.h) / 3, (from.v + 2 * to.v) / 3), to});
        from = to;
    }
    return curve;
}

void NumericCut(FuzzInput& in) {
    const Sizes s{1 + in.Byte() % 5, 1 + in.Byte() % 5};
    std::vector<RealPoint> nodes;
    std::vector<MeshColour> colours;
    for (int32_t r = 0; r <= s.rows; ++r)
        for (int32_t c = 0; c <= s.columns; ++c) {
            nodes.push_back(Near(in, 40.0 * c, 40.0 * r));
            colours.push_back(AnyColour(in));
        }
    auto at = [&](int32_t c, int32_t r) { return nodes[static_cast<size_t>(r * (s.columns + 1) + c)]; };
    std::vector<ZPathList> rows, columns;
    for (int32_t r = 0; r <= s.rows; ++r)
        for (int32_t c = 0; c < s.columns; ++c) rows.push_back(Edge(in, at(c, r), at(c + 1, r)));
    for (int32_t c = 0; c <= s.columns; ++c)
        for (int32_t r = 0; r < s.rows; ++r) columns.push_back(Edge(in, at(c, r), at(c, r + 1)));
    MirrorParams p;
    p.angle = 45.0 * (in.Byte() % 8) + (in.Bit() ? in.Byte() / 7.0 : 0);
    p.origin = RealPoint{in.Byte() * 0.875 - 8, in.Byte() * 0.875 - 8};
    try {
        ZMeshDataCut cut(ZMeshData(s.columns, s.rows, rows, columns, colours), mirror::AxisFor(p));
        cut.Analyse();
        if (cut.GetStatus() != ZMeshDataCut::Cut) return;
        cut.MoveRemovedNodes();
        cut.FillEmptyCurves();
        const MeshExtent e = cut.ApplyCut();
        if (e.c0 < 0 || e.c1 > s.columns || e.c0 >= e.c1 || e.r0 < 0 || e.r1 > s.rows || e.r0 >= e.r1) {
            std::fprintf(stderr, "extent %d..%d x %d..%d of %d x %d\n", e.c0, e.c1, e.r0, e.r1, s.columns, s.rows);
            std::abort();
        }
        for (int32_t r = e.r0; r <= e.r1; ++r)
            for (int32_t c = e.c0; c <= e.c1; ++c) {
                const RealPoint q = cut.Node(cut.NodeIndex(c, r));
                const bool beyond = cut.CutLine().SideOf(q) == -1 && cut.CutLine().DistanceToLine(q) > 1e-2f;
                if (!std::isfinite(q.h) || !std::isfinite(q.v) || beyond) {
                    std::fprintf(stderr, "node (%d, %d) at %g %g lies beyond the line\n", c, r, q.h, q.v);
                    std::abort();
                }
            }
    } catch (const CheckFailure&) {
        // Geometry the cut refuses (a degenerate curve where a length or a crossing is needed).
    }
}

std::string Coordinates(const std::vector<RealPoint>& points) {
    std::string s;
    for (const RealPoint& p : points) s += (s.empty() ? "" : " ") + Number(p.h) + " " + Number(400 - p.v);
    return s;
}

// The same kind of mesh as a scribera:mesh element, with vertices added by the script.
std::string MeshSvg(FuzzInput& in, Sizes* sizes) {
    const Sizes s{1 + in.Byte() % 4, 1 + in.Byte() % 4};
    *sizes = s;
    std::vector<RealPoint> nodes;
    std::string colours;
    const char* const kinds[] = {"gray 0.3", "rgb 1 0.5 0", "cmyk 0 1 0.5 0", "none"};
    for (int32_t r = 0; r <= s.rows; ++r)
        for (int32_t c = 0; c <= s.columns; ++c) {
            nodes.push_back(Near(in, 60 + 70.0 * c, 60 + 70.0 * r));
            colours += (colours.empty() ? "" : ";") + std::string(kinds[in.Byte() % 4]);
        }
    auto at = [&](int32_t c, int32_t r) { return nodes[static_cast<size_t>(r * (s.columns + 1) + c)]; };
    auto curve = [&](const RealPoint& a, const RealPoint& b) {
        return Coordinates({a, Near(in, (2 * a.h + b.h) / 3, (2 * a.v + b.v) / 3),
                            Near(in, (a.h + 2 * b.h) / 3, (a.v + 2 * b.v) / 3), b});
    };
    std::string rows, columns;
    for (int32_t r = 0; r <= s.rows; ++r)
        for (int32_t c = 0; c < s.columns; ++c) rows += (rows.empty() ? "" : ";") + curve(at(c, r), at(c + 1, r));
    for (int32_t c = 0; c <= s.columns; ++c)
        for (int32_t r = 0; r < s.rows; ++r) columns += (columns.empty() ? "" : ";") + curve(at(c, r), at(c, r + 1));
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:scribera=\"urn:scribera:document\" width=\"400\" "
           "height=\"400\"><scribera:mesh columns=\"" +
           std::to_string(s.columns) + "\" rows=\"" + std::to_string(s.rows) + "\" nodes=\"" + Coordinates(nodes) +
           "\" colours=\"" + colours + "\" rowCurves=\"" + rows + "\" columnCurves=\"" + columns + "\"/></svg>";
}

void HostedCut(FuzzInput& in) {
    Sizes s{};
    const std::string svg = MeshSvg(in, &s);
    const std::string file = ScratchFolder() + "/mesh.svg";
    std::ofstream(file) << svg;
    std::string scenario = "document 400 400\nimport \"" + file + "\"\n";
    const int points = in.Byte() % 4;
    for (int k = 0; k < points; ++k) {
        const bool column = in.Bit();
        const int32_t count = column ? (s.columns + 1) * s.rows : (s.rows + 1) * s.columns;
        scenario += "mesh-point 0 " + std::string(column ? "column " : "row ") + std::to_string(in.Byte() % count) +
                    " " + Number((1 + in.Byte() % 254) / 255.0) + "\n";
    }
    scenario += "fill gray 0.5\npath-d \"" + PathData(in) + "\"\nselect all\n";
    const char* const tools[] = {"Mirror", "Cut", "RectCut"};
    const char* const modifiers[] = {"shift", "alt", "0x1000", "0x0100"};
    switch (in.Byte() % 4) {
        case 0:
            scenario += "effect Mirror... ZarvoAngle=" + Number(in.Short() / 64.0) +
                        " ZarvoMirrorType=" + std::to_string(1 + in.Byte() % 7) +
                        " ZarvoFlipAgain=" + (in.Bit() ? "1" : "0") + "\n";
            break;
        case 1:
            scenario += "effect \"Rectangle cut...\" ZarvoOffsetX=" + Number(in.Byte()) +
                        " ZarvoOffsetY=" + Number(in.Byte()) + "\n";
            break;
        default: {
            scenario += "tool " + std::string(tools[in.Byte() % 3]) + "\n";
            const uint8_t held = in.Byte();
            for (int m = 0; m < 4; ++m)
                if (held & (1 << m)) scenario += "mod " + std::string(modifiers[m]) + " on\n";
            scenario += "down " + Point(in) + "\n";
            const int drags = 1 + in.Byte() % 3;
            for (int k = 0; k < drags; ++k) scenario += "drag " + Point(in) + "\n";
            scenario += "up\n";
            if (held & 0x10) scenario += "undo\nredo\n";
            break;
        }
    }
    PlayScenario(scenario);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    FuzzInput in(data, size);
    if (in.Byte() & 1)
        HostedCut(in);
    else
        NumericCut(in);
    return 0;
}

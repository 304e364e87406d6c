#include "io/MeshPatches.h"

#include <algorithm>

namespace scribera::io {

namespace {

bool Whole(const std::vector<SBRealPoint>& curve) { return curve.size() >= 4 && (curve.size() - 1) % 3 == 0; }

void OneCubic(const std::vector<SBRealPoint>& curve, bool reversed, SBRealPoint out[4]) {
    size_t n = curve.size();
    double k = static_cast<double>((n - 1) / 3);
    SBRealPoint p0 = curve.front(), p1 = curve[1], p2 = curve[n - 2], p3 = curve.back();
    out[0] = p0;
    out[1] = {p0.h + (p1.h - p0.h) * k, p0.v + (p1.v - p0.v) * k};
    out[2] = {p3.h + (p2.h - p3.h) * k, p3.v + (p2.v - p3.v) * k};
    out[3] = p3;
    if (reversed) {
        std::swap(out[0], out[3]);
        std::swap(out[1], out[2]);
    }
}

SBRealPoint Bezier(const SBRealPoint p[4], double t) {
    double s = 1 - t;
    double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    return {a * p[0].h + b * p[1].h + c * p[2].h + d * p[3].h, a * p[0].v + b * p[1].v + c * p[2].v + d * p[3].v};
}

}  // namespace

SBRealPoint CoonsPatch::At(double u, double v) const {
    SBRealPoint bottom = Bezier(sides[0], u), top = Bezier(sides[2], 1 - u);
    SBRealPoint left = Bezier(sides[3], 1 - v), right = Bezier(sides[1], v);
    const SBRealPoint &p00 = sides[0][0], &p10 = sides[1][0], &p11 = sides[2][0], &p01 = sides[3][0];
    auto mix = [&](double SBRealPoint::*axis) {
        return (1 - v) * bottom.*axis + v * top.*axis + (1 - u) * left.*axis + u * right.*axis -
               ((1 - u) * (1 - v) * p00.*axis + u * (1 - v) * p10.*axis + u * v * p11.*axis + (1 - u) * v * p01.*axis);
    };
    return {mix(&SBRealPoint::h), mix(&SBRealPoint::v)};
}

std::vector<CoonsPatch> CoonsPatches(const MeshGrid& g) {
    std::vector<CoonsPatch> patches;
    size_t I = static_cast<size_t>(std::max(0, g.columns)), J = static_cast<size_t>(std::max(0, g.rows));
    if (I == 0 || J == 0 || g.rowCurves.size() != (J + 1) * I || g.columnCurves.size() != (I + 1) * J ||
        g.colours.size() != (I + 1) * (J + 1))
        return patches;
    for (size_t r = 0; r < J; ++r) {
        for (size_t c = 0; c < I; ++c) {
            const std::vector<SBRealPoint>* curves[4] = {&g.rowCurves[r * I + c], &g.columnCurves[(c + 1) * J + r],
                                                         &g.rowCurves[(r + 1) * I + c], &g.columnCurves[c * J + r]};
            if (!std::all_of(curves, curves + 4, [](const auto* curve) { return Whole(*curve); })) continue;
            CoonsPatch p;
            // The top and left curves run backwards round the patch.
            for (int k = 0; k < 4; ++k) OneCubic(*curves[k], k >= 2, p.sides[k]);
            p.corners[0] = r * (I + 1) + c;
            p.corners[1] = r * (I + 1) + c + 1;
            p.corners[2] = (r + 1) * (I + 1) + c + 1;
            p.corners[3] = (r + 1) * (I + 1) + c;
            patches.push_back(p);
        }
    }
    return patches;
}

}  // namespace scribera::io

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

namespace {

SBRealPoint CoonsAt(const SBRealPoint (&sides)[4][4], double u, double v) {
    SBRealPoint bottom = Bezier(sides[0], u), top = Bezier(sides[2], 1 - u);
    SBRealPoint left = Bezier(sides[3], 1 - v), right = Bezier(sides[1], v);
    const SBRealPoint &p00 = sides[0][0], &p10 = sides[1][0], &p11 = sides[2][0], &p01 = sides[3][0];
    auto mix = [&](double SBRealPoint::*axis) {
        return (1 - v) * bottom.*axis + v * top.*axis + (1 - u) * left.*axis + u * right.*axis -
               ((1 - u) * (1 - v) * p00.*axis + u * (1 - v) * p10.*axis + u * v * p11.*axis + (1 - u) * v * p01.*axis);
    };
    return {mix(&SBRealPoint::h), mix(&SBRealPoint::v)};
}

}  // namespace

SBRealPoint CoonsPatch::At(double u, double v) const { return CoonsAt(sides, u, v); }
SBRealPoint CoonsPiece::At(double s, double t) const { return CoonsAt(sides, s, t); }

bool HasJoinedCurves(const MeshGrid& g, size_t c, size_t r) {
    const size_t I = static_cast<size_t>(std::max(0, g.columns)), J = static_cast<size_t>(std::max(0, g.rows));
    if (c >= I || r >= J || g.rowCurves.size() != (J + 1) * I || g.columnCurves.size() != (I + 1) * J) return false;
    for (const auto* curve : {&g.rowCurves[r * I + c], &g.rowCurves[(r + 1) * I + c], &g.columnCurves[c * J + r],
                              &g.columnCurves[(c + 1) * J + r]})
        if (curve->size() > 4) return true;
    return false;
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

namespace {

// Each of the curve's Beziers takes an equal share of 0 … 1.
SBRealPoint CurveAt(const std::vector<SBRealPoint>& curve, double t) {
    const size_t beziers = (curve.size() - 1) / 3;
    const double x = std::clamp(t, 0.0, 1.0) * double(beziers);
    const size_t b = std::min(static_cast<size_t>(x), beziers - 1);
    return Bezier(&curve[3 * b], x - double(b));
}

size_t Gcd(size_t a, size_t b) { return b == 0 ? a : Gcd(b, a % b); }

// Cuts that fall on the joins of both opposite curves, kept to a size a picture needs.
size_t Cuts(size_t a, size_t b) {
    const size_t lcm = a / Gcd(a, b) * b;
    return lcm <= 24 ? lcm : std::max(a, b);
}

}  // namespace

std::vector<CoonsPiece> CoonsPieces(const MeshGrid& g, size_t c, size_t r) {
    std::vector<CoonsPiece> pieces;
    const size_t I = static_cast<size_t>(std::max(0, g.columns)), J = static_cast<size_t>(std::max(0, g.rows));
    if (c >= I || r >= J || g.rowCurves.size() != (J + 1) * I || g.columnCurves.size() != (I + 1) * J) return pieces;
    const std::vector<SBRealPoint>& bottom = g.rowCurves[r * I + c];
    const std::vector<SBRealPoint>& top = g.rowCurves[(r + 1) * I + c];
    const std::vector<SBRealPoint>& left = g.columnCurves[c * J + r];
    const std::vector<SBRealPoint>& right = g.columnCurves[(c + 1) * J + r];
    for (const auto* curve : {&bottom, &top, &left, &right})
        if (!Whole(*curve)) return pieces;
    const SBRealPoint p00 = bottom.front(), p10 = bottom.back(), p01 = top.front(), p11 = top.back();
    auto surface = [&](double u, double v) {
        const SBRealPoint b = CurveAt(bottom, u), t = CurveAt(top, u), l = CurveAt(left, v), rr = CurveAt(right, v);
        auto mix = [&](double SBRealPoint::*axis) {
            return (1 - v) * b.*axis + v * t.*axis + (1 - u) * l.*axis + u * rr.*axis -
                   ((1 - u) * (1 - v) * p00.*axis + u * (1 - v) * p10.*axis + (1 - u) * v * p01.*axis +
                    u * v * p11.*axis);
        };
        return SBRealPoint{mix(&SBRealPoint::h), mix(&SBRealPoint::v)};
    };
    const size_t nu = Cuts((bottom.size() - 1) / 3, (top.size() - 1) / 3);
    const size_t nv = Cuts((left.size() - 1) / 3, (right.size() - 1) / 3);
    for (size_t j = 0; j < nv; ++j) {
        for (size_t i = 0; i < nu; ++i) {
            CoonsPiece piece;
            const double u0 = double(i) / double(nu), u1 = double(i + 1) / double(nu);
            const double v0 = double(j) / double(nv), v1 = double(j + 1) / double(nv);
            const double us[4] = {u0, u1, u1, u0}, vs[4] = {v0, v0, v1, v1};
            for (int k = 0; k < 4; ++k) {
                piece.u[k] = us[k];
                piece.v[k] = vs[k];
                // The cubic through four evenly spaced points of the side: the side itself wherever
                // the surface is a cubic along it.
                SBRealPoint q[4];
                for (int n = 0; n < 4; ++n) {
                    const double f = n / 3.0;
                    q[n] = surface(us[k] + (us[(k + 1) % 4] - us[k]) * f, vs[k] + (vs[(k + 1) % 4] - vs[k]) * f);
                }
                auto control = [&](double a, double b2, double c2, double d) {
                    return SBRealPoint{(a * q[0].h + b2 * q[1].h + c2 * q[2].h + d * q[3].h) / 6,
                                       (a * q[0].v + b2 * q[1].v + c2 * q[2].v + d * q[3].v) / 6};
                };
                piece.sides[k][0] = q[0];
                piece.sides[k][1] = control(-5, 18, -9, 2);
                piece.sides[k][2] = control(2, -9, 18, -5);
                piece.sides[k][3] = q[3];
            }
            pieces.push_back(piece);
        }
    }
    return pieces;
}

}  // namespace scribera::io

// Shared helpers of the mirror engine's tests: shapes, curve sampling, areas.
#pragma once

#include "geometry/BezierGeometry.h"
#include "support/InProcessHost.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mirrortest {

constexpr double kKappa = 0.5522847498307936;

// A circle of four smooth anchors, the first at `startDegrees` (0: rightmost point), running
// counter-clockwise (or clockwise when `clockwise`).
inline std::vector<SBPathSegment> Circle(double ch, double cv, double r, double startDegrees = 0,
                                         bool clockwise = false) {
    std::vector<SBPathSegment> out;
    const double dir = clockwise ? -1.0 : 1.0;
    for (int i = 0; i < 4; ++i) {
        const double a = (startDegrees + dir * 90.0 * i) * M_PI / 180.0;
        const double ph = ch + r * std::cos(a), pv = cv + r * std::sin(a);
        // Tangent in the running direction.
        const double th = -std::sin(a) * dir, tv = std::cos(a) * dir;
        const double k = kKappa * r;
        out.push_back(SBPathSegment{{ph, pv}, {ph - k * th, pv - k * tv}, {ph + k * th, pv + k * tv}, 0});
    }
    return out;
}

// The cubic segments of a host path (the closing one included for a closed path).
inline std::vector<BezierSegment> Segments(const std::vector<SBPathSegment>& a, bool closed) {
    std::vector<BezierSegment> out;
    const size_t n = a.size();
    if (n < 2) return out;
    const size_t m = closed ? n : n - 1;
    for (size_t i = 0; i < m; ++i) {
        const size_t j = (i + 1) % n;
        out.push_back(BezierSegment{a[i].p, a[i].out, a[j].in, a[j].p});
    }
    return out;
}

// Points on the curves (not the control points), `perSegment` per segment plus the last end.
inline std::vector<RealPoint> Sample(const std::vector<BezierSegment>& segments, int perSegment = 32) {
    std::vector<RealPoint> out;
    for (const BezierSegment& s : segments)
        for (int k = 0; k < perSegment; ++k) {
            const double t = double(k) / perSegment;
            const double u = 1 - t;
            out.push_back(
                RealPoint{u * u * u * s.p0.h + 3 * u * u * t * s.c0.h + 3 * u * t * t * s.c1.h + t * t * t * s.p3.h,
                          u * u * u * s.p0.v + 3 * u * u * t * s.c0.v + 3 * u * t * t * s.c1.v + t * t * t * s.p3.v});
        }
    if (!segments.empty()) out.push_back(segments.back().p3);
    return out;
}

// Signed area of a closed outline (counter-clockwise positive): Green's formula, integrated
// exactly by three-point Gauss quadrature (the integrand of a cubic has degree five).
inline double SignedArea(const std::vector<BezierSegment>& segments) {
    static const double nodes[3] = {0.5 - 0.5 * std::sqrt(0.6), 0.5, 0.5 + 0.5 * std::sqrt(0.6)};
    static const double weights[3] = {5.0 / 18.0, 8.0 / 18.0, 5.0 / 18.0};
    double area = 0;
    for (const BezierSegment& s : segments)
        for (int k = 0; k < 3; ++k) {
            const double t = nodes[k], u = 1 - t;
            const double x = u * u * u * s.p0.h + 3 * u * u * t * s.c0.h + 3 * u * t * t * s.c1.h + t * t * t * s.p3.h;
            const double y = u * u * u * s.p0.v + 3 * u * u * t * s.c0.v + 3 * u * t * t * s.c1.v + t * t * t * s.p3.v;
            const double dx =
                3 * (u * u * (s.c0.h - s.p0.h) + 2 * u * t * (s.c1.h - s.c0.h) + t * t * (s.p3.h - s.c1.h));
            const double dy =
                3 * (u * u * (s.c0.v - s.p0.v) + 2 * u * t * (s.c1.v - s.c0.v) + t * t * (s.p3.v - s.c1.v));
            area += weights[k] * 0.5 * (x * dy - y * dx);
        }
    return area;
}

// Distance from a point to a dense polyline (the curve sampled finely).
inline double DistanceToPolyline(const RealPoint& p, const std::vector<RealPoint>& line) {
    double best = 1e300;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const RealPoint& a = line[i];
        const RealPoint& b = line[i + 1];
        const double dh = b.h - a.h, dv = b.v - a.v, len2 = dh * dh + dv * dv;
        double t = len2 > 0 ? ((p.h - a.h) * dh + (p.v - a.v) * dv) / len2 : 0;
        t = std::max(0.0, std::min(1.0, t));
        best = std::min(best, std::hypot(p.h - (a.h + t * dh), p.v - (a.v + t * dv)));
    }
    return best;
}

// Signed distance of a point from the axis toward the kept side.
inline double KeptDistance(const Line& axis, const RealPoint& p) {
    const double dh = axis.p2.h - axis.p1.h, dv = axis.p2.v - axis.p1.v;
    const double len = std::hypot(dh, dv);
    return ((p.h - axis.p1.h) * dv - dh * (p.v - axis.p1.v)) / len;
}

}  // namespace mirrortest

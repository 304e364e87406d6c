// Small numeric helpers of the stand-in host: exact extents of cubic curves.
#pragma once

#include <scribera/SBTypes.h>

#include <algorithm>
#include <cmath>

namespace scribera::geom {

// The extent of points and cubic Beziers, grown one at a time.
struct Extent {
    bool empty = true;
    double minH = 0, maxH = 0, minV = 0, maxV = 0;

    void Add(SBRealPoint p) {
        if (empty) {
            minH = maxH = p.h;
            minV = maxV = p.v;
            empty = false;
            return;
        }
        minH = std::min(minH, p.h);
        maxH = std::max(maxH, p.h);
        minV = std::min(minV, p.v);
        maxV = std::max(maxV, p.v);
    }

    // The curve's true extent: its end points and the points where a coordinate's derivative is 0.
    void AddCubic(SBRealPoint p0, SBRealPoint p1, SBRealPoint p2, SBRealPoint p3) {
        Add(p0);
        Add(p3);
        double ts[4];
        int n = Roots(p0.h, p1.h, p2.h, p3.h, ts);
        n += Roots(p0.v, p1.v, p2.v, p3.v, ts + n);
        for (int i = 0; i < n; ++i) Add(At(p0, p1, p2, p3, ts[i]));
    }

    static SBRealPoint At(SBRealPoint p0, SBRealPoint p1, SBRealPoint p2, SBRealPoint p3, double t) {
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        return {a * p0.h + b * p1.h + c * p2.h + d * p3.h, a * p0.v + b * p1.v + c * p2.v + d * p3.v};
    }

    // Parameters in (0, 1) where the derivative of one coordinate vanishes.
    static int Roots(double x0, double x1, double x2, double x3, double* out) {
        // B'(t)/3 = a t^2 + b t + c
        const double a = -x0 + 3 * x1 - 3 * x2 + x3;
        const double b = 2 * (x0 - 2 * x1 + x2);
        const double c = x1 - x0;
        int n = 0;
        auto keep = [&](double t) {
            if (t > 0 && t < 1) out[n++] = t;
        };
        const double scale = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
        if (scale == 0) return 0;
        if (std::fabs(a) <= 1e-12 * scale) {
            if (b != 0) keep(-c / b);
            return n;
        }
        const double disc = b * b - 4 * a * c;
        if (disc < 0) return 0;
        const double s = std::sqrt(disc);
        // Stable form of the two roots.
        const double q = -0.5 * (b + (b < 0 ? -s : s));
        keep(q / a);
        if (q != 0) keep(c / q);
        return n;
    }
};

}  // namespace scribera::geom

// Affine maps of the plane: (x, y) -> (a x + c y + e, b x + d y + f).
#pragma once

#include <scribera/SBTypes.h>

#include <cmath>

namespace scribera::io {

struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    static Affine Translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Affine Scale(double x, double y) { return {x, 0, 0, y, 0, 0}; }
    static Affine Rotate(double degrees) {
        double r = degrees * 3.14159265358979323846 / 180.0;
        double cs = std::cos(r), sn = std::sin(r);
        return {cs, sn, -sn, cs, 0, 0};
    }
    // The vertical flip about a page of height h: between SVG (y down) and document (y up).
    static Affine FlipY(double h) { return {1, 0, 0, -1, 0, h}; }
    static Affine From(const SBRealMatrix& m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }
    SBRealMatrix ToMatrix() const { return {a, b, c, d, e, f}; }

    SBRealPoint Apply(SBRealPoint p) const { return {a * p.h + c * p.v + e, b * p.h + d * p.v + f}; }
    double Det() const { return a * d - b * c; }
    bool IsIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }

    // This map after `inner`.
    Affine operator*(const Affine& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b,     a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
    }
    // False when the map cannot be inverted.
    bool Invert(Affine* out) const {
        double det = Det();
        if (det == 0 || !std::isfinite(det)) return false;
        out->a = d / det;
        out->b = -b / det;
        out->c = -c / det;
        out->d = a / det;
        out->e = -(out->a * e + out->c * f);
        out->f = -(out->b * e + out->d * f);
        return true;
    }
};

}  // namespace scribera::io

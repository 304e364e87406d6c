#include "geometry/BezierGeometry.h"

#include "geometry/Errors.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTiny = 1e-5f;

// Cosine of one degree, with π/180 taken in single precision.
const float kCosOneDegree = CosF(kPiF / 180.0f);

Vec2f RawDerivative(const BezierSegment& s, float t) {
    float a = 3.0f * t * t;
    float b = 2.0f * t;
    double ah = -s.p0.h + 3.0 * s.c0.h - 3.0 * s.c1.h + s.p3.h;
    double av = -s.p0.v + 3.0 * s.c0.v - 3.0 * s.c1.v + s.p3.v;
    double bh = 3.0 * s.p0.h - 6.0 * s.c0.h + 3.0 * s.c1.h;
    double bv = 3.0 * s.p0.v - 6.0 * s.c0.v + 3.0 * s.c1.v;
    double ch = -3.0 * s.p0.h + 3.0 * s.c0.h;
    double cv = -3.0 * s.p0.v + 3.0 * s.c0.v;
    return Vec2f{static_cast<float>(a * ah + b * bh + ch), static_cast<float>(a * av + b * bv + cv)};
}

RealPoint Blend(const RealPoint& a, const RealPoint& b, double t) {
    double u = 1.0 - t;
    return RealPoint{a.h * u + b.h * t, a.v * u + b.v * t};
}

bool SameSide(float a, float b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }
bool OppositeSides(float a, float b) { return (a > 0 && b < 0) || (a < 0 && b > 0); }

}  // namespace

// --- Points and vectors -------------------------------------------------------------------------

bool IsClockwiseTurn(const RealPoint& a, const RealPoint& b, const RealPoint& c) {
    Vec2f ab = Difference(b, a);
    Vec2f ac = Difference(c, a);
    return ac.h * ab.v > ab.h * ac.v;
}

bool IsCollinear(const RealPoint& a, const RealPoint& b, const RealPoint& c) {
    Vec2f ab = Difference(b, a);
    float lengthSquared = ab.h * ab.h + ab.v * ab.v;
    if (lengthSquared < 5e-6f) return true;
    Vec2f ac = Difference(c, a);
    float cross = ab.h * ac.v - ab.v * ac.h;
    return cross * cross / lengthSquared <= 5e-7f;
}

// One compiled body for every caller. The optimised build turns this into paired double
// operations and drops the rounding of rh and rv to single precision, where a copy inlined into a
// loop keeps it: inlined, the same call would give other low bits in different places.
RealPoint RotatePointBySinCos(const RealPoint& p, const RealPoint& centre, float s, float c) {
    double x = p.h - centre.h;
    double y = p.v - centre.v;
    float rh = static_cast<float>(x * c - y * s);
    float rv = static_cast<float>(x * s + y * c);
    return RealPoint{centre.h + rh, centre.v + rv};
}

RealPoint RotatePoint(const RealPoint& p, const RealPoint& centre, float radians) {
    return RotatePointBySinCos(p, centre, SinF(radians), CosF(radians));
}

RealPoint RotatePointAboutOrigin(const RealPoint& p, float radians) { return RotatePoint(p, RealPoint{0, 0}, radians); }

bool PointsCoincide(const RealPoint& a, const RealPoint& b) {
    return std::fabs(a.h - b.h) < 1e-5 && std::fabs(a.v - b.v) < 1e-5;
}

void CartesianToPolar(float h, float v, float& r, float& angle) {
    r = std::sqrt(h * h + v * v);
    angle = (std::fabs(h) < 1e-8f && std::fabs(v) < 1e-8f) ? 0.0f : Atan2F(v, h);
}

void PolarToCartesian(float r, float angle, double& h, double& v) {
    h = static_cast<double>(r * CosF(angle));
    v = static_cast<double>(r * SinF(angle));
}


Vec2f ReflectVector(Vec2f v, Vec2f across) {
    float uu = Dot(across, across);
    float k = uu < kTiny ? 0.0f : Dot(across, v) / uu;
    return Vec2f{v.h + 2.0f * (k * across.h - v.h), v.v + 2.0f * (k * across.v - v.v)};
}


// --- Cubic segments -----------------------------------------------------------------------------

Vec2f SegmentDerivative(const BezierSegment& s, float t) {
    Vec2f d = RawDerivative(s, t);
    if (IsNearZero(d)) {
        // A control point on its anchor: the tangent at the end is the limit just inside.
        if (t == 0.0f) return RawDerivative(s, 0.0001f);
        if (t == 1.0f) return RawDerivative(s, 0.9999f);
    }
    return d;
}

void SplitSegment(const BezierSegment& s, float t, BezierSegment* left, BezierSegment* right) {
    CheckCondition(t >= 0.0f && t <= 1.0f);
    if (t < 1e-5f) {
        *left = BezierSegment{s.p0, s.p0, s.p0, s.p0};
        *right = s;
        return;
    }
    if (t > 0.99999f) {
        *left = s;
        *right = BezierSegment{s.p3, s.p3, s.p3, s.p3};
        return;
    }
    double T = t;
    RealPoint p01 = Blend(s.p0, s.c0, T);
    RealPoint p12 = Blend(s.c0, s.c1, T);
    RealPoint p23 = Blend(s.c1, s.p3, T);
    RealPoint p012 = Blend(p01, p12, T);
    RealPoint p123 = Blend(p12, p23, T);
    RealPoint p0123 = Blend(p012, p123, T);
    BezierSegment l{s.p0, p01, p012, p0123};
    BezierSegment r{p0123, p123, p23, s.p3};
    *left = l;
    *right = r;
}

float ControlPolygonLength(const BezierSegment& s) {
    return PointDistance(s.c0, s.p0) + PointDistance(s.c1, s.c0) + PointDistance(s.p3, s.c1);
}

float SegmentArcLength(const BezierSegment& s) {
    float sum = 0.0f;
    for (int i = 0; i < 10; ++i) {
        float t = static_cast<float>(i) / 10.0f + 0.05f;
        sum += Length(RawDerivative(s, t)) / 10.0f;
    }
    return sum;
}

bool IsSmoothJoin(const BezierSegment& a, const BezierSegment& b) {
    Vec2f ta = Difference(a.p3, a.c1);
    if (IsNearZero(ta)) {
        ta = Difference(a.p3, SegmentPoint(a, 0.99f));
        if (IsNearZero(ta)) return false;
    }
    Vec2f tb = Difference(b.c0, b.p0);
    if (IsNearZero(tb)) {
        tb = Difference(SegmentPoint(b, 0.01f), b.p0);
        if (IsNearZero(tb)) return false;
    }
    return Dot(Normalise(ta), Normalise(tb)) > kCosOneDegree;
}

BezierSegment StraightSegment(const RealPoint& a, const RealPoint& b) {
    return BezierSegment{a, RealPoint{(2.0 * a.h + b.h) / 3.0, (2.0 * a.v + b.v) / 3.0},
                         RealPoint{(a.h + 2.0 * b.h) / 3.0, (a.v + 2.0 * b.v) / 3.0}, b};
}

bool IsStraightSegment(const BezierSegment& s) {
    if (PointsCoincide(s.c0, s.p0) && PointsCoincide(s.c1, s.p3)) return true;
    if (!IsCollinear(s.p0, s.c1, s.p3)) return false;
    if (!IsCollinear(s.p0, s.c0, s.p3)) return false;
    double minH = std::min(s.p0.h, s.p3.h), maxH = std::max(s.p0.h, s.p3.h);
    double minV = std::min(s.p0.v, s.p3.v), maxV = std::max(s.p0.v, s.p3.v);
    auto inside = [&](const RealPoint& c) { return minH <= c.h && c.h <= maxH && minV <= c.v && c.v <= maxV; };
    return inside(s.c0) && inside(s.c1);
}

void ReverseSegment(BezierSegment* s) {
    std::swap(s->p0, s->p3);
    std::swap(s->c0, s->c1);
}

BezierSegment RotateSegment(const BezierSegment& s, const RealPoint& centre, float degrees) {
    float radians = degrees * kPiF / 180.0f;
    return BezierSegment{RotatePoint(s.p0, centre, radians), RotatePoint(s.c0, centre, radians),
                         RotatePoint(s.c1, centre, radians), RotatePoint(s.p3, centre, radians)};
}

int SolveQuadratic(double a, double b, double c, double roots[2]) {
    double disc = b * b - 4.0 * a * c;
    if (!(disc >= 0.0)) return 0;
    double sgn = b >= 0.0 ? 1.0 : -1.0;
    double q = -0.5 * (b + sgn * std::sqrt(disc));
    int n = 0;
    if (std::fabs(a) > 1e-10) roots[n++] = q / a;
    if (std::fabs(q) > 1e-10) {
        double r = c / q;
        if (!(n == 1 && r == roots[0])) roots[n++] = r;
    }
    return n;
}

float FindCrossingParameter(const BezierSegment& rotated, float valueLo, float lo, float valueHi, float hi) {
    CheckCondition(lo >= 0.0f && lo < hi && hi <= 1.0f);
    CheckCondition(OppositeSides(valueLo, valueHi));
    float t = (lo + hi) / 2.0f;
    float y = static_cast<float>(SegmentPoint(rotated, t).v);
    float slope = SegmentDerivative(rotated, t).v;
    for (int pass = 0; pass < 21 && std::fabs(y) > kTiny; ++pass) {
        CheckCondition(OppositeSides(valueLo, valueHi));
        float next = 0.0f;
        bool accepted = false;
        if (std::fabs(slope) > kTiny) {
            next = t - y / slope;
            // On a steep crossing no float parameter may bring |y| under 1e-5; a Newton step too
            // small to move t means t is already the nearest one. Bisecting from a stale bracket
            // end instead would stop far from the root when the passes run out.
            if (next == t) break;
            accepted = lo < next && next < hi;
        }
        if (!accepted) {
            next = (lo + hi) / 2.0f;
            if (next == lo || next == hi) break;  // no float lies between the bracket ends
        }
        y = static_cast<float>(SegmentPoint(rotated, next).v);
        slope = SegmentDerivative(rotated, next).v;
        if (SameSide(y, valueHi)) {
            hi = next;
            valueHi = y;
        } else {
            lo = next;
            valueLo = y;
        }
        t = next;
    }
    return t;
}

LineCrossings IntersectSegmentWithLine(const BezierSegment& segment, const Line& line) {
    return LineFrame(line).Intersect(segment);
}

LineFrame::LineFrame(const Line& line) : origin_(line.p1) {
    Vec2f normal = line.LineNormal();  // raises for a degenerate line
    sn_ = normal.h;
    cs_ = normal.v;
    RealPoint p2 = RotatePointBySinCos(line.p2, origin_, sn_, cs_);
    // The rotated end lands on the horizontal within the rounding of a single-precision rotation,
    // which grows with the line's length; lines up to 500 units long get the fixed bound.
    double allowed = std::max(2e-4, 4e-7 * static_cast<double>(line.LineLength()));
    CheckCondition(std::fabs(origin_.v - p2.v) < allowed);
    runH_ = p2.h - origin_.h;
}

LineCrossings LineFrame::Intersect(const BezierSegment& segment) const {
    const RealPoint& origin = origin_;
    const float sn = sn_, cs = cs_;
    // Most segments lie wholly on one side. The turned height below is origin.v plus this same
    // product (rounded to float or not), less origin.v again: well clear of zero it keeps the sign,
    // so such a segment is answered without the four turns.
    {
        const double clear = 1e-9 * (1.0 + std::fabs(origin.v));
        int above = 0, below = 0;
        for (const RealPoint* p : {&segment.p0, &segment.c0, &segment.c1, &segment.p3}) {
            const double x = p->h - origin.h;
            const double y = p->v - origin.v;
            const double height = x * sn + y * cs;
            above += height > clear;
            below += height < -clear;
        }
        if (above == 4 || below == 4) return LineCrossings{};
    }
    // The turn goes through RotatePointBySinCos itself, for its exact numbers.
    BezierSegment r{RotatePointBySinCos(segment.p0, origin, sn, cs), RotatePointBySinCos(segment.c0, origin, sn, cs),
                    RotatePointBySinCos(segment.c1, origin, sn, cs), RotatePointBySinCos(segment.p3, origin, sn, cs)};
    RealPoint* pts[4] = {&r.p0, &r.c0, &r.c1, &r.p3};
    double y[4];
    for (int i = 0; i < 4; ++i) {
        pts[i]->v -= origin.v;
        y[i] = pts[i]->v;
    }
    LineCrossings out;
    bool allAbove = y[0] > 0 && y[1] > 0 && y[2] > 0 && y[3] > 0;
    bool allBelow = y[0] < 0 && y[1] < 0 && y[2] < 0 && y[3] < 0;
    if (allAbove || allBelow) return out;

    const double runH = runH_;
    auto positionOnLine = [&](float t) { return static_cast<float>((SegmentPoint(r, t).h - origin.h) / runH); };

    if (std::fabs(y[0]) < 1e-5 && std::fabs(y[1]) < 1e-5 && std::fabs(y[2]) < 1e-5 && std::fabs(y[3]) < 1e-5) {
        out.count = 2;
        out.t[0] = 0.0f;
        out.t[1] = 1.0f;
        out.s[0] = positionOnLine(0.0f);
        out.s[1] = positionOnLine(1.0f);
        return out;
    }

    double A = 3.0 * (3.0 * y[1] - y[0] - 3.0 * y[2] + y[3]);
    double B = 2.0 * (3.0 * y[0] - 6.0 * y[1] + 3.0 * y[2]);
    double C = 3.0 * y[1] - 3.0 * y[0];
    double roots[2];
    int rootCount = SolveQuadratic(A, B, C, roots);
    if (rootCount == 2 && roots[1] < roots[0]) std::swap(roots[0], roots[1]);

    float value[4], param[4];
    int samples = 0;
    value[samples] = static_cast<float>(y[0]);
    param[samples++] = 0.0f;
    for (int i = 0; i < rootCount; ++i) {
        float t = static_cast<float>(roots[i]);
        // A root that rounds onto the previous sample adds nothing but an empty interval.
        if (!(t > 0.0f && t < 1.0f) || t == param[samples - 1]) continue;
        value[samples] = static_cast<float>(SegmentPoint(r, t).v);
        param[samples++] = t;
    }
    value[samples] = static_cast<float>(y[3]);
    param[samples++] = 1.0f;
    CheckCondition(samples >= 2 && samples <= 4);
    for (int i = 1; i < samples; ++i) CheckCondition(param[i] >= param[i - 1]);

    for (int i = 0; i + 1 < samples; ++i) {
        float w = value[i], W = value[i + 1];
        if (SameSide(w, W)) continue;
        float t;
        if (w != 0.0f && W != 0.0f)
            t = FindCrossingParameter(r, w, param[i], W, param[i + 1]);
        else if (w == 0.0f)
            t = param[i];
        else
            continue;  // reported by the next pair, or by the next segment's start
        out.t[out.count] = t;
        out.s[out.count] = positionOnLine(t);
        ++out.count;
    }
    float first = value[0], last = value[samples - 1];
    if ((first >= 0 && last < 0) || (first <= 0 && last > 0)) CheckCondition(out.count >= 1);
    return out;
}

// --- Lines --------------------------------------------------------------------------------------

Vec2f Line::LineNormal() const {
    CheckCondition(!IsDegenerate());
    Vec2f d = Difference(p2, p1);
    float length = Length(d);
    return Vec2f{-d.v / length, d.h / length};
}

float Line::LineLength() const { return Length(Difference(p2, p1)); }

RealPoint Line::PointAtDistance(float x) const {
    CheckCondition(!IsDegenerate());
    float k = x / LineLength();
    return PointAtParameter(k);
}

bool Line::IntersectLines(const Line& other, RealPoint* point) const {
    Vec2f dA = Difference(p2, p1);
    Vec2f dB = Difference(other.p2, other.p1);
    float det = dB.h * dA.v - dB.v * dA.h;
    if (std::fabs(det) < 1e-5f) return false;
    Vec2f between = Difference(other.p1, p1);
    float k = (dB.h * between.v - dB.v * between.h) / det;
    *point = RealPoint{p1.h + double(k) * dA.h, p1.v + double(k) * dA.v};
    return true;
}

void Line::ShiftParallel(float x) {
    CheckCondition(!IsDegenerate());
    Vec2f d = Difference(p2, p1);
    float length = Length(d);
    float nh = x * (d.v / length);
    float nv = x * (-d.h / length);
    p1.h += nh;
    p1.v += nv;
    p2.h += nh;
    p2.v += nv;
}


// Operations on cubic segments, straight lines, points and single-precision vectors. The mix of
// float and double and every tolerance here is part of the contract: callers compare results with
// the same tolerances.
#pragma once

#include "geometry/Errors.h"
#include "geometry/GeometryTypes.h"
#include "geometry/Numeric.h"

#include <cmath>
#include <cstdint>

constexpr float kHalfPiF = kPiF / 2.0f;

// --- Points and vectors -------------------------------------------------------------------------

// The small vector operations are inline: the fitter and the mirror engine call them per sample.

// The difference a − b, rounded to single precision.
inline Vec2f Difference(const RealPoint& a, const RealPoint& b) {
    return Vec2f{static_cast<float>(a.h - b.h), static_cast<float>(a.v - b.v)};
}
inline float PointDistance(const RealPoint& a, const RealPoint& b) {
    double dh = a.h - b.h;
    double dv = a.v - b.v;
    return std::sqrt(static_cast<float>(dh * dh + dv * dv));
}
bool IsClockwiseTurn(const RealPoint& a, const RealPoint& b, const RealPoint& c);
bool IsCollinear(const RealPoint& a, const RealPoint& b, const RealPoint& c);
RealPoint RotatePoint(const RealPoint& p, const RealPoint& centre, float radians);
// Out of line on purpose: see BezierGeometry.cpp.
RealPoint RotatePointBySinCos(const RealPoint& p, const RealPoint& centre, float s, float c);
RealPoint RotatePointAboutOrigin(const RealPoint& p, float radians);
// Both coordinates within 1e-5 of each other.
bool PointsCoincide(const RealPoint& a, const RealPoint& b);
// The angle of the origin itself is 0.
void CartesianToPolar(float h, float v, float& r, float& angle);
void PolarToCartesian(float r, float angle, double& h, double& v);

inline bool IsNearZero(Vec2f v) { return std::fabs(v.h) < 1e-5f && std::fabs(v.v) < 1e-5f; }
inline Vec2f Negate(Vec2f v) { return Vec2f{-v.h, -v.v}; }
inline Vec2f Add(Vec2f a, Vec2f b) { return Vec2f{a.h + b.h, a.v + b.v}; }
inline float Dot(Vec2f a, Vec2f b) { return a.h * b.h + a.v * b.v; }
inline float Length(Vec2f v) { return std::sqrt(v.h * v.h + v.v * v.v); }
// Unchanged when the length is 1e-5 or less.
inline Vec2f ScaleToLength(Vec2f v, float length) {
    float current = Length(v);
    if (current > 1e-5f) {
        float k = length / current;
        v.h *= k;
        v.v *= k;
    }
    return v;
}
inline Vec2f Normalise(Vec2f v) {
    float current = Length(v);
    if (current > 1e-5f) {
        v.h /= current;
        v.v /= current;
    }
    return v;
}
Vec2f ReflectVector(Vec2f v, Vec2f across);
// p + v, in double precision.
inline RealPoint Offset(const RealPoint& p, Vec2f v) { return RealPoint{p.h + v.h, p.v + v.v}; }

// --- Cubic segments -----------------------------------------------------------------------------

inline RealPoint SegmentPoint(const BezierSegment& s, float t) {
    float u = 1.0f - t;
    float t2 = t * t;
    float u2 = u * u;
    float w0 = u2 * u;
    float w1 = 3.0f * t * u2;
    float w2 = 3.0f * t2 * u;
    float w3 = t2 * t;
    return RealPoint{w0 * s.p0.h + w1 * s.c0.h + w2 * s.c1.h + w3 * s.p3.h,
                     w0 * s.p0.v + w1 * s.c0.v + w2 * s.c1.v + w3 * s.p3.v};
}
Vec2f SegmentDerivative(const BezierSegment& s, float t);
// Left and right parts at t; t outside [0, 1] raises CheckFailure.
void SplitSegment(const BezierSegment& s, float t, BezierSegment* left, BezierSegment* right);
float ControlPolygonLength(const BezierSegment& s);
float SegmentArcLength(const BezierSegment& s);
// Whether the curve turns by less than one degree where b follows a.
bool IsSmoothJoin(const BezierSegment& a, const BezierSegment& b);
BezierSegment StraightSegment(const RealPoint& a, const RealPoint& b);
bool IsStraightSegment(const BezierSegment& s);
void ReverseSegment(BezierSegment* s);
BezierSegment RotateSegment(const BezierSegment& s, const RealPoint& centre, float degrees);

// Real roots of a·x² + b·x + c; returns how many (0 to 2).
int SolveQuadratic(double a, double b, double c, double roots[2]);

struct Line;

// Crossings of a segment with an infinite line, in increasing t.
struct LineCrossings {
    int count = 0;
    float t[3] = {0, 0, 0};  // on the segment
    float s[3] = {0, 0, 0};  // on the line: 0 at p1, 1 at p2
};
LineCrossings IntersectSegmentWithLine(const BezierSegment& segment, const Line& line);

// A line turned onto the horizontal once, for crossing many segments with it: Intersect gives
// exactly what IntersectSegmentWithLine gives. A degenerate line raises CheckFailure here.
class LineFrame {
public:
    explicit LineFrame(const Line& line);
    LineCrossings Intersect(const BezierSegment& segment) const;

private:
    RealPoint origin_;
    float sn_, cs_;
    double runH_;
};

// For a segment already turned so that its vertical coordinate is the signed distance from the
// line: the parameter in (lo, hi) where it crosses zero, given the values at both ends.
float FindCrossingParameter(const BezierSegment& rotated, float valueLo, float lo, float valueHi, float hi);

// --- Lines --------------------------------------------------------------------------------------

// The infinite line through p1 and p2, directed from p1 to p2. Operations that need a direction
// raise CheckFailure for a degenerate line.
struct Line {
    RealPoint p1{0, 0};
    RealPoint p2{0, 0};

    bool IsDegenerate() const { return std::fabs(p2.h - p1.h) < 1e-5 && std::fabs(p2.v - p1.v) < 1e-5; }
    // Unit normal on the left of the direction.
    Vec2f LineNormal() const;
    float LineLength() const;
    float ProjectParameter(const RealPoint& q) const {
        CheckCondition(!IsDegenerate());
        Vec2f d = Difference(p2, p1);
        Vec2f w = Difference(q, p1);
        return Dot(w, d) / Dot(d, d);
    }
    RealPoint PointAtParameter(float t) const {
        return RealPoint{p1.h + t * (p2.h - p1.h), p1.v + t * (p2.v - p1.v)};
    }
    RealPoint PointAtDistance(float x) const;
    // False when the lines are parallel.
    bool IntersectLines(const Line& other, RealPoint* point) const;
    void ReflectPoint(RealPoint* q) const {
        RealPoint f = PointAtParameter(ProjectParameter(*q));
        q->h = q->h + 2.0 * (f.h - q->h);
        q->v = q->v + 2.0 * (f.v - q->v);
    }
    // Moves both points by x along the right-hand unit normal.
    void ShiftParallel(float x);
    float DistanceToLine(const RealPoint& q) const { return PointDistance(q, PointAtParameter(ProjectParameter(q))); }
    // 1 on the right of the direction, −1 on the left, 0 on the line.
    int SideOf(const RealPoint& q) const {
        CheckCondition(!IsDegenerate());
        Vec2f d = Difference(p2, p1);
        Vec2f w = Difference(q, p1);
        float x = w.h * d.v - d.h * w.v;
        if (x > 1e-5f) return 1;
        if (x < -1e-5f) return -1;
        return 0;
    }
};

#include "tools/CurveFitter.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

struct Bernstein {
    float b0, b1, b2, b3;
};

Bernstein WeightsAt(float u) {
    float v = 1.0f - u;
    return Bernstein{v * v * v, 3.0f * u * v * v, 3.0f * u * u * v, u * u * u};
}

float SquaredDistance(const RealPoint& a, const RealPoint& b) {
    Vec2f d = Difference(a, b);
    return d.h * d.h + d.v * d.v;
}

BezierSegment AlongTangents(const RealPoint& a, const RealPoint& b, Vec2f t1, Vec2f t2, float l1, float l2) {
    return BezierSegment{a, Offset(a, ScaleToLength(t1, l1)), Offset(b, ScaleToLength(t2, l2)), b};
}

// The first and second derivatives' control points of a segment, for the Newton passes: taken once
// per segment rather than once per sample.
struct Derivatives {
    RealPoint d[3], e[2];
};

Derivatives DerivativesOf(const BezierSegment& q) {
    const RealPoint* pts[4] = {&q.p0, &q.c0, &q.c1, &q.p3};
    Derivatives r;
    for (int j = 0; j < 3; ++j)
        r.d[j] = RealPoint{3.0 * (pts[j + 1]->h - pts[j]->h), 3.0 * (pts[j + 1]->v - pts[j]->v)};
    for (int j = 0; j < 2; ++j) r.e[j] = RealPoint{2.0 * (r.d[j + 1].h - r.d[j].h), 2.0 * (r.d[j + 1].v - r.d[j].v)};
    return r;
}

// The next estimate of the parameter u of P, where the curve is at `at`, or −1 when the step is
// undefined.
float NewtonStep(const Derivatives& q, const RealPoint& at, const RealPoint& p, float u) {
    float v = 1.0f - u;
    float w0 = v * v, w1 = 2.0f * u * v, w2 = u * u;
    Vec2f first{static_cast<float>(w0 * q.d[0].h + w1 * q.d[1].h + w2 * q.d[2].h),
                static_cast<float>(w0 * q.d[0].v + w1 * q.d[1].v + w2 * q.d[2].v)};
    Vec2f second{static_cast<float>(v * q.e[0].h + u * q.e[1].h), static_cast<float>(v * q.e[0].v + u * q.e[1].v)};
    Vec2f off = Difference(at, p);
    float numerator = Dot(off, first);
    float denominator = Dot(first, first) + Dot(off, second);
    if (std::fabs(denominator) < 1e-10f) return -1.0f;
    return u - numerator / denominator;
}

// ScaleToLength(t, length) for a tangent whose own length is already known.
Vec2f ScaleKnownLength(Vec2f t, float current, float length) {
    if (current > 1e-5f) {
        float k = length / current;
        t.h *= k;
        t.v *= k;
    }
    return t;
}

}  // namespace

CurveFitter::CurveFitter(int32_t count, const RealPoint* points, float tolerance) : tolerance_(tolerance) {
    // A sample goes when it coincides with the one given before it, kept or not.
    if (count > 0 && points) {
        points_.reserve(static_cast<size_t>(count));
        points_.push_back(points[0]);
        for (int32_t i = 1; i < count; ++i) {
            if (!(std::fabs(points[i].h - points[i - 1].h) < 1e-5 && std::fabs(points[i].v - points[i - 1].v) < 1e-5))
                points_.push_back(points[i]);
        }
    }
    size_t n = points_.size();
    if (n > 1) {
        startTangent_ = Normalise(Difference(points_[1], points_[0]));
        endTangent_ = Normalise(Difference(points_[n - 2], points_[n - 1]));
    }
}

void CurveFitter::FitWithTangents(Vec2f startTangent, Vec2f endTangent) {
    if (PointCount() == 1) return;
    CheckCondition(PointCount() > 0);
    startTangent_ = startTangent;
    endTangent_ = endTangent;
    splitAllowed_ = false;
    startTangent_ = Normalise(startTangent_);
    endTangent_ = Normalise(endTangent_);
    FitAll();
}

void CurveFitter::Fit() {
    if (PointCount() == 1) return;
    CheckCondition(PointCount() > 0);
    FitAll();
}

void CurveFitter::FitAll() {
    // Runs wait on an explicit stack, the right half below the left, so segments come out in order
    // from the first sample to the last and a long chain of splits cannot exhaust the call stack.
    // Every buffer the runs need is sized here, once: nothing is allocated per run.
    const size_t n = points_.size();
    chords_.resize(n - 1);
    for (size_t k = 1; k < n; ++k) chords_[k - 1] = PointDistance(points_[k], points_[k - 1]);
    params_.resize(n);
    nextParams_.resize(n);
    onCurve_.resize(n);
    std::vector<Run>& pending = pending_;
    pending.clear();
    pending.push_back(Run{0, PointCount() - 1, startTangent_, endTangent_});
    while (!pending.empty()) {
        Run run = pending.back();
        pending.pop_back();
        int32_t split = 0;
        Vec2f centre;
        if (FitRun(run.first, run.last, run.t1, run.t2, &split, &centre)) {
            pending.push_back(Run{split, run.last, Negate(centre), run.t2});
            pending.push_back(Run{run.first, split, run.t1, centre});
        }
    }
}

bool CurveFitter::FitRun(int32_t first, int32_t last, Vec2f t1, Vec2f t2, int32_t* split, Vec2f* centre) {
    const int32_t n = last - first + 1;
    const RealPoint& a = points_[static_cast<size_t>(first)];
    const RealPoint& b = points_[static_cast<size_t>(last)];
    if (n == 2) {
        float d = PointDistance(b, a) / 3.0f;
        segments_.Append(AlongTangents(a, b, t1, t2, d, d));
        return false;
    }

    // Runs are fitted one after another, so they share the parameter buffers.
    float* u = params_.data();
    float* next = nextParams_.data();
    const float* chord = chords_.data() + first;
    u[0] = 0.0f;
    for (int32_t k = 1; k < n; ++k) u[k] = u[k - 1] + chord[k - 1];
    for (int32_t k = 1; k < n; ++k) u[k] /= u[n - 1];

    BezierSegment segment = GenerateSegment(first, last, u, t1, t2);
    int32_t splitIndex = 0;
    float error = MaxError(first, last, segment, u, &splitIndex);
    if (error < tolerance_) {
        segments_.Append(segment);
        return false;
    }

    for (int pass = 1; pass <= 3; ++pass) {
        bool inRange = true;
        // MaxError left the curve's points at the inner parameters in onCurve_.
        const Derivatives derivatives = DerivativesOf(segment);
        onCurve_[0] = SegmentPoint(segment, u[0]);
        onCurve_[static_cast<size_t>(n - 1)] = SegmentPoint(segment, u[n - 1]);
        for (int32_t k = 0; k < n; ++k) {
            next[k] = NewtonStep(derivatives, onCurve_[static_cast<size_t>(k)], points_[static_cast<size_t>(first + k)],
                                 u[k]);
            // Not-a-number counts as out of range: the passes stop as for a step past the ends.
            if (!(next[k] >= 0.0f && next[k] <= 1.0f)) inRange = false;
        }
        if (!inRange) break;
        BezierSegment candidate = GenerateSegment(first, last, next, t1, t2);
        int32_t candidateSplit = 0;
        float candidateError = MaxError(first, last, candidate, next, &candidateSplit);
        segment = candidate;
        splitIndex = candidateSplit;
        if (candidateError < tolerance_) {
            segments_.Append(segment);
            return false;
        }
        if (candidateError > error) break;
        if ((candidateError - tolerance_) / (error - tolerance_) > 0.9f) break;
        error = candidateError;
        std::swap(u, next);
    }

    if (!splitAllowed_) {
        segments_.Append(segment);
        return false;
    }
    int32_t s = splitAtMiddle_ ? (first + last) / 2 : splitIndex;
    const RealPoint& before = points_[static_cast<size_t>(s - 1)];
    const RealPoint& at = points_[static_cast<size_t>(s)];
    const RealPoint& after = points_[static_cast<size_t>(s + 1)];
    Vec2f back = Difference(before, at), ahead = Difference(at, after);
    *centre = Normalise(Vec2f{(back.h + ahead.h) / 2.0f, (back.v + ahead.v) / 2.0f});
    *split = s;
    return true;
}

BezierSegment CurveFitter::GenerateSegment(int32_t first, int32_t last, const float* u, Vec2f t1, Vec2f t2) const {
    const int32_t n = last - first + 1;
    const RealPoint& a = points_[static_cast<size_t>(first)];
    const RealPoint& b = points_[static_cast<size_t>(last)];
    const float length1 = Length(t1), length2 = Length(t2);
    float c00 = 0, c01 = 0, c11 = 0, x0 = 0, x1 = 0;
    for (int32_t k = 0; k < n; ++k) {
        Bernstein w = WeightsAt(u[k]);
        Vec2f a1 = ScaleKnownLength(t1, length1, w.b1);
        Vec2f a2 = ScaleKnownLength(t2, length2, w.b2);
        c00 += Dot(a1, a1);
        c01 += Dot(a1, a2);
        c11 += Dot(a2, a2);
        const RealPoint& p = points_[static_cast<size_t>(first + k)];
        double startWeight = double(w.b0) + double(w.b1);
        double endWeight = double(w.b2) + double(w.b3);
        Vec2f r{static_cast<float>(p.h - (a.h * startWeight + b.h * endWeight)),
                static_cast<float>(p.v - (a.v * startWeight + b.v * endWeight))};
        x0 += Dot(a1, r);
        x1 += Dot(a2, r);
    }
    float det = c00 * c11 - c01 * c01;
    float alphaLeft = -1.0f, alphaRight = -1.0f;
    if (std::fabs(det) >= 2e-5f) {
        alphaLeft = (x0 * c11 - x1 * c01) / det;
        alphaRight = (c00 * x1 - c01 * x0) / det;
    }
    // Not-a-number distances are as unusable as negative ones.
    if (!(alphaLeft >= 1e-6f) || !(alphaRight >= 1e-6f)) {
        float d = PointDistance(b, a) / 3.0f;
        return AlongTangents(a, b, t1, t2, d, d);
    }
    return AlongTangents(a, b, t1, t2, alphaLeft, alphaRight);
}

float CurveFitter::MaxError(int32_t first, int32_t last, const BezierSegment& segment, const float* u,
                            int32_t* splitIndex) {
    float worst = 0.0f;
    // Without a finite distance the middle is as good a split as any.
    *splitIndex = (first + last) / 2;
    for (int32_t k = first + 1; k < last; ++k) {
        RealPoint at = SegmentPoint(segment, u[k - first]);
        onCurve_[static_cast<size_t>(k - first)] = at;
        float d = SquaredDistance(at, points_[static_cast<size_t>(k)]);
        if (d >= worst) {
            worst = d;
            *splitIndex = k;
        }
    }
    return worst;
}

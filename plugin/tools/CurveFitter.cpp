#include "tools/CurveFitter.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <cmath>
#include <cstddef>

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

// The next estimate of the parameter of P on Q, or −1 when the step is undefined.
float NewtonStep(const BezierSegment& q, const RealPoint& p, float u) {
    RealPoint at = SegmentPoint(q, u);
    const RealPoint* pts[4] = {&q.p0, &q.c0, &q.c1, &q.p3};
    RealPoint d[3], e[2];
    for (int j = 0; j < 3; ++j) d[j] = RealPoint{3.0 * (pts[j + 1]->h - pts[j]->h), 3.0 * (pts[j + 1]->v - pts[j]->v)};
    for (int j = 0; j < 2; ++j) e[j] = RealPoint{2.0 * (d[j + 1].h - d[j].h), 2.0 * (d[j + 1].v - d[j].v)};
    float v = 1.0f - u;
    float w0 = v * v, w1 = 2.0f * u * v, w2 = u * u;
    Vec2f first{static_cast<float>(w0 * d[0].h + w1 * d[1].h + w2 * d[2].h),
                static_cast<float>(w0 * d[0].v + w1 * d[1].v + w2 * d[2].v)};
    Vec2f second{static_cast<float>(v * e[0].h + u * e[1].h), static_cast<float>(v * e[0].v + u * e[1].v)};
    Vec2f off = Difference(at, p);
    float numerator = Dot(off, first);
    float denominator = Dot(first, first) + Dot(off, second);
    if (std::fabs(denominator) < 1e-10f) return -1.0f;
    return u - numerator / denominator;
}

}  // namespace

CurveFitter::CurveFitter(int32_t count, const RealPoint* points, float tolerance) : tolerance_(tolerance) {
    if (count > 0 && points) points_.assign(points, points + count);
    for (size_t i = points_.size(); i-- > 1;) {
        if (std::fabs(points_[i].h - points_[i - 1].h) < 1e-5 && std::fabs(points_[i].v - points_[i - 1].v) < 1e-5)
            points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(i));
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
    struct Run {
        int32_t first, last;
        Vec2f t1, t2;
    };
    std::vector<Run> pending{Run{0, PointCount() - 1, startTangent_, endTangent_}};
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
    std::vector<float>& u = params_;
    std::vector<float>& next = nextParams_;
    u.resize(static_cast<size_t>(n));
    next.resize(static_cast<size_t>(n));
    u[0] = 0.0f;
    for (int32_t k = 1; k < n; ++k)
        u[k] = u[k - 1] +
               PointDistance(points_[static_cast<size_t>(first + k)], points_[static_cast<size_t>(first + k - 1)]);
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
        for (int32_t k = 0; k < n; ++k) {
            next[k] = NewtonStep(segment, points_[static_cast<size_t>(first + k)], u[k]);
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
        u.swap(next);
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

BezierSegment CurveFitter::GenerateSegment(int32_t first, int32_t last, const std::vector<float>& u, Vec2f t1,
                                           Vec2f t2) const {
    const int32_t n = last - first + 1;
    const RealPoint& a = points_[static_cast<size_t>(first)];
    const RealPoint& b = points_[static_cast<size_t>(last)];
    float c00 = 0, c01 = 0, c11 = 0, x0 = 0, x1 = 0;
    for (int32_t k = 0; k < n; ++k) {
        Bernstein w = WeightsAt(u[k]);
        Vec2f a1 = ScaleToLength(t1, w.b1);
        Vec2f a2 = ScaleToLength(t2, w.b2);
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

float CurveFitter::MaxError(int32_t first, int32_t last, const BezierSegment& segment, const std::vector<float>& u,
                            int32_t* splitIndex) const {
    float worst = 0.0f;
    // Without a finite distance the middle is as good a split as any.
    *splitIndex = (first + last) / 2;
    for (int32_t k = first + 1; k < last; ++k) {
        float d =
            SquaredDistance(SegmentPoint(segment, u[static_cast<size_t>(k - first)]), points_[static_cast<size_t>(k)]);
        if (d >= worst) {
            worst = d;
            *splitIndex = k;
        }
    }
    return worst;
}

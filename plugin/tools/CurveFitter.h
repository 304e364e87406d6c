// Least-squares fitting of cubic Bezier segments to a run of sample points: chord-length
// parameters, a two-unknown solve for the inner control distances along fixed end tangents,
// Newton reparameterisation, and optional recursive splitting at the worst point.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>
#include <vector>

class CurveFitter {
public:
    // Copies the points, drops consecutive duplicates (within 1e-5 on both axes) and takes the
    // default end tangents from the first and last pairs. `tolerance` bounds the squared distance
    // of every sample from the curve.
    CurveFitter(int32_t count, const RealPoint* points, float tolerance);

    // Fits the whole run along the given unit tangents (start: into the curve; end: back into it),
    // with splitting switched off. Nothing happens for a single point.
    void FitWithTangents(Vec2f startTangent, Vec2f endTangent);
    // Fits with the default tangents and the current splitting rule.
    void Fit();
    void SetSplitAtMiddle(bool atMiddle) { splitAtMiddle_ = atMiddle; }
    void SetSplitAllowed(bool allowed) { splitAllowed_ = allowed; }

    int32_t PointCount() const { return static_cast<int32_t>(points_.size()); }
    int32_t SegmentCount() const { return segments_.Count(); }
    // An index outside 0 .. SegmentCount() − 1 raises CheckFailure.
    const BezierSegment& Segment(int32_t index) const { return segments_.At(index); }

private:
    void FitAll();
    // Appends the run's segment, or returns true with the split point and its centre tangent.
    bool FitRun(int32_t first, int32_t last, Vec2f t1, Vec2f t2, int32_t* split, Vec2f* centre);
    BezierSegment GenerateSegment(int32_t first, int32_t last, const float* u, Vec2f t1, Vec2f t2) const;
    // Leaves the curve's points at the inner parameters in onCurve_, for the Newton pass after.
    float MaxError(int32_t first, int32_t last, const BezierSegment& segment, const float* u, int32_t* splitIndex);

    struct Run {
        int32_t first, last;
        Vec2f t1, t2;
    };

    ItemArray<BezierSegment> segments_;
    std::vector<RealPoint> points_;
    float tolerance_;
    bool splitAllowed_ = true;
    Vec2f startTangent_;
    Vec2f endTangent_;
    bool splitAtMiddle_ = false;
    // Work space for FitAll, sized once per fit: the chord length after each sample, the
    // parameters and their next estimates, the curve's points at them, and the runs waiting.
    std::vector<float> chords_;
    std::vector<float> params_, nextParams_;
    std::vector<RealPoint> onCurve_;
    std::vector<Run> pending_;
};

// Geometry core figures: segment-line intersection rate, the curve fitter beside lib2geom's on
// the spiral's quarter turns, and reading and writing a 30 000-segment path through the stand-in
// host.
#include "geometry/BezierGeometry.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "support/InProcessHost.h"
#include "tools/CurveFitter.h"

#include <benchmark/benchmark.h>

#ifdef ZARVO_HAVE_2GEOM
#include <2geom/bezier-utils.h>
#endif

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

// --- Segment-line intersection -------------------------------------------------------------------

struct Pair {
    BezierSegment segment;
    Line line;
};

std::vector<Pair> RandomPairs(size_t n) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> c(-100, 100), a(0, 2 * M_PI);
    std::vector<Pair> pairs;
    for (size_t i = 0; i < n; ++i) {
        Pair p;
        p.segment = BezierSegment{{c(rng), c(rng)}, {c(rng), c(rng)}, {c(rng), c(rng)}, {c(rng), c(rng)}};
        double angle = a(rng);
        RealPoint through{c(rng) * 0.5, c(rng) * 0.5};
        p.line = Line{through, {through.h + 100 * std::cos(angle), through.v + 100 * std::sin(angle)}};
        pairs.push_back(p);
    }
    return pairs;
}

void BM_SegmentLineIntersection(benchmark::State& state) {
    std::vector<Pair> pairs = RandomPairs(4096);
    size_t i = 0;
    int64_t crossings = 0;
    for (auto _ : state) {
        const Pair& p = pairs[i++ & 4095];
        LineCrossings x = IntersectSegmentWithLine(p.segment, p.line);
        crossings += x.count;
        benchmark::DoNotOptimize(x);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["crossings/pair"] = double(crossings) / double(state.iterations());
}
BENCHMARK(BM_SegmentLineIntersection);

// --- Spiral quarter turns ------------------------------------------------------------------------

struct Quarter {
    std::vector<RealPoint> points;
    Vec2f start, end;
};

// The spiral tool's samples: r = a·θ, four turns out to radius 100, 12 samples per quarter in
// the first turn and 6 after.
std::vector<Quarter> SpiralQuarters() {
    const float a = 100.0f / (8.0f * kPiF);
    std::vector<Quarter> out;
    for (float theta = 0.0f; 8.0f * kPiF > theta; theta += kHalfPiF) {
        float t0 = theta, t1 = std::min(theta + kHalfPiF, 8.0f * kPiF);
        int n = t0 < 6.2831855f ? 12 : 6;
        Quarter q;
        for (int k = 0; k < n; ++k) {
            float th = t0 + (float(k) / float(n - 1)) * (t1 - t0);
            q.points.push_back({double(a * th * std::cos(th)), double(a * th * std::sin(th))});
        }
        q.start = Vec2f{a * std::cos(t0) - a * t0 * std::sin(t0), a * std::sin(t0) + a * t0 * std::cos(t0)};
        q.end = Vec2f{-(a * std::cos(t1) - a * t1 * std::sin(t1)), -(a * std::sin(t1) + a * t1 * std::cos(t1))};
        out.push_back(q);
    }
    return out;
}

RealPoint PointAt(const BezierSegment& s, double t) {
    double u = 1 - t, w0 = u * u * u, w1 = 3 * t * u * u, w2 = 3 * t * t * u, w3 = t * t * t;
    return RealPoint{w0 * s.p0.h + w1 * s.c0.h + w2 * s.c1.h + w3 * s.p3.h,
                     w0 * s.p0.v + w1 * s.c0.v + w2 * s.c1.v + w3 * s.p3.v};
}

// Distance from p to the nearest point of s: a coarse search, then a ternary search around the
// best sample.
double DistanceToSegment(const BezierSegment& s, const RealPoint& p) {
    auto d = [&](double t) {
        RealPoint q = PointAt(s, t);
        return std::hypot(q.h - p.h, q.v - p.v);
    };
    const int steps = 256;
    int best = 0;
    for (int i = 1; i <= steps; ++i)
        if (d(double(i) / steps) < d(double(best) / steps)) best = i;
    double lo = std::max(0.0, (best - 1.0) / steps), hi = std::min(1.0, (best + 1.0) / steps);
    for (int k = 0; k < 100; ++k) {
        double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        if (d(m1) < d(m2))
            hi = m2;
        else
            lo = m1;
    }
    return d((lo + hi) / 2);
}

// Largest distance of the samples from a chain of segments.
double WorstDistance(const std::vector<BezierSegment>& chain, const std::vector<RealPoint>& points) {
    double worst = 0;
    for (const RealPoint& p : points) {
        double best = 1e300;
        for (const BezierSegment& s : chain) best = std::min(best, DistanceToSegment(s, p));
        worst = std::max(worst, best);
    }
    return worst;
}

std::vector<BezierSegment> FitOursOneSegment(const Quarter& q) {
    CurveFitter fitter(int32_t(q.points.size()), q.points.data(), 1e-5f);
    fitter.FitWithTangents(q.start, q.end);
    return {fitter.Segment(0)};
}

std::vector<BezierSegment> FitOursSplitting(const Quarter& q) {
    CurveFitter fitter(int32_t(q.points.size()), q.points.data(), 1e-5f);
    fitter.Fit();
    std::vector<BezierSegment> out;
    for (int32_t i = 0; i < fitter.SegmentCount(); ++i) out.push_back(fitter.Segment(i));
    return out;
}

// Each benchmark fits all sixteen quarter turns once per iteration.
void BM_CurveFitterOneSegment(benchmark::State& state) {
    std::vector<Quarter> quarters = SpiralQuarters();
    for (auto _ : state)
        for (const Quarter& q : quarters) benchmark::DoNotOptimize(FitOursOneSegment(q));
    state.SetItemsProcessed(state.iterations() * int64_t(quarters.size()));
}
BENCHMARK(BM_CurveFitterOneSegment);

void BM_CurveFitterSplitting(benchmark::State& state) {
    std::vector<Quarter> quarters = SpiralQuarters();
    for (auto _ : state)
        for (const Quarter& q : quarters) benchmark::DoNotOptimize(FitOursSplitting(q));
    state.SetItemsProcessed(state.iterations() * int64_t(quarters.size()));
}
BENCHMARK(BM_CurveFitterSplitting);

#ifdef ZARVO_HAVE_2GEOM
std::vector<Geom::Point> ToGeom(const std::vector<RealPoint>& points) {
    std::vector<Geom::Point> out;
    for (const RealPoint& p : points) out.emplace_back(p.h, p.v);
    return out;
}

std::vector<BezierSegment> FromGeom(const Geom::Point* bez, int count) {
    std::vector<BezierSegment> out;
    for (int i = 0; i < count; ++i) {
        const Geom::Point* b = bez + 4 * i;
        out.push_back(BezierSegment{{b[0][0], b[0][1]}, {b[1][0], b[1][1]}, {b[2][0], b[2][1]}, {b[3][0], b[3][1]}});
    }
    return out;
}

// lib2geom's fitter with splitting, to the same squared-distance tolerance unless told otherwise.
std::vector<BezierSegment> FitLib2geomSplitting(const std::vector<Geom::Point>& data, double tolerance = 1e-5) {
    Geom::Point bez[4 * 64];
    int n = Geom::bezier_fit_cubic_r(bez, data.data(), int(data.size()), tolerance, 64);
    return FromGeom(bez, std::max(n, 0));
}

// lib2geom with the same exact end tangents and one segment, allowed the error ours reached.
std::vector<BezierSegment> FitLib2geomOneSegment(const std::vector<Geom::Point>& data, const Quarter& q, double error) {
    Geom::Point bez[4];
    int split[2];
    Geom::Point t1 = Geom::unit_vector(Geom::Point(q.start.h, q.start.v));
    Geom::Point t2 = Geom::unit_vector(Geom::Point(q.end.h, q.end.v));
    int n = Geom::bezier_fit_cubic_full(bez, split, data.data(), int(data.size()), t1, t2, error, 1);
    return FromGeom(bez, std::max(n, 0));
}

void BM_Lib2geomSplitting(benchmark::State& state) {
    std::vector<Quarter> quarters = SpiralQuarters();
    std::vector<std::vector<Geom::Point>> data;
    for (const Quarter& q : quarters) data.push_back(ToGeom(q.points));
    for (auto _ : state)
        for (const auto& d : data) benchmark::DoNotOptimize(FitLib2geomSplitting(d));
    state.SetItemsProcessed(state.iterations() * int64_t(quarters.size()));
}
BENCHMARK(BM_Lib2geomSplitting);

// Processor time, so that other work on the machine does not skew the ratio.
template <class F>
double SecondsPerCall(F&& f) {
    int reps = 1;
    for (;;) {
        std::clock_t start = std::clock();
        for (int i = 0; i < reps; ++i) f();
        double s = double(std::clock() - start) / CLOCKS_PER_SEC;
        if (s > 0.3) return s / reps;
        reps *= 2;
    }
}

void SideBySide() {
    std::vector<Quarter> quarters = SpiralQuarters();
    std::vector<std::vector<Geom::Point>> data;
    for (const Quarter& q : quarters) data.push_back(ToGeom(q.points));

    std::printf("\nCurve fitting, spiral quarter turns (%zu quarters, tolerance 1e-5 squared)\n", quarters.size());
    // Splitting to the tolerance, default tangents, both fitters.
    double oursWorst = 0, geomWorst = 0;
    size_t oursSegments = 0, geomSegments = 0;
    for (size_t i = 0; i < quarters.size(); ++i) {
        auto ours = FitOursSplitting(quarters[i]);
        auto geom = FitLib2geomSplitting(data[i]);
        oursSegments += ours.size();
        geomSegments += geom.size();
        oursWorst = std::max(oursWorst, WorstDistance(ours, quarters[i].points));
        geomWorst = std::max(geomWorst, WorstDistance(geom, quarters[i].points));
    }
    double oursTime = SecondsPerCall([&] {
        for (const Quarter& q : quarters) benchmark::DoNotOptimize(FitOursSplitting(q));
    });
    double geomTime = SecondsPerCall([&] {
        for (const auto& d : data) benchmark::DoNotOptimize(FitLib2geomSplitting(d));
    });
    std::printf(
        "  splitting to the tolerance: CurveFitter %.2f us, %zu segments, max error %.3g | bezier_fit_cubic %.2f us, "
        "%zu "
        "segments, max error %.3g | time ratio %.2f\n",
        oursTime * 1e6, oursSegments, oursWorst, geomTime * 1e6, geomSegments, geomWorst, oursTime / geomTime);

    // lib2geom's error at the shared tolerance is a little below ours: loosen its tolerance until
    // its error reaches ours, so that ours is compared at an equal or lower error.
    double tolerance = 1e-5;
    for (double k = 1.0; k < 4.0; k *= 1.02) {
        tolerance = 1e-5 * k;
        double worst = 0;
        for (size_t i = 0; i < quarters.size(); ++i)
            worst = std::max(worst, WorstDistance(FitLib2geomSplitting(data[i], tolerance), quarters[i].points));
        if (worst >= oursWorst) break;
    }
    double matchedWorst = 0;
    size_t matchedSegments = 0;
    for (size_t i = 0; i < quarters.size(); ++i) {
        auto geom = FitLib2geomSplitting(data[i], tolerance);
        matchedSegments += geom.size();
        matchedWorst = std::max(matchedWorst, WorstDistance(geom, quarters[i].points));
    }
    double matchedTime = SecondsPerCall([&] {
        for (const auto& d : data) benchmark::DoNotOptimize(FitLib2geomSplitting(d, tolerance));
    });
    std::printf(
        "  lib2geom loosened to tolerance %.3g: %.2f us, %zu segments, max error %.3g | time ratio (ours / it) %.2f\n",
        tolerance, matchedTime * 1e6, matchedSegments, matchedWorst, oursTime / matchedTime);

    // One segment along the exact tangents, as the spiral tool fits; lib2geom, which gives up
    // rather than return a segment outside its error bound, is allowed the least error it meets.
    oursWorst = geomWorst = 0;
    std::vector<double> allowed;
    for (size_t i = 0; i < quarters.size(); ++i) {
        auto ours = FitOursOneSegment(quarters[i]);
        double e = WorstDistance(ours, quarters[i].points);
        oursWorst = std::max(oursWorst, e);
        // The smallest squared error lib2geom accepts for one segment on this quarter.
        double lo = 0, hi = 1e6;
        for (int k = 0; k < 80; ++k) {
            double mid = k < 40 ? std::sqrt((lo + 1e-12) * hi) : (lo + hi) / 2;
            (FitLib2geomOneSegment(data[i], quarters[i], mid).empty() ? lo : hi) = mid;
        }
        allowed.push_back(hi);
        auto geom = FitLib2geomOneSegment(data[i], quarters[i], allowed.back());
        geomWorst = std::max(geomWorst, geom.empty() ? INFINITY : WorstDistance(geom, quarters[i].points));
    }
    oursTime = SecondsPerCall([&] {
        for (const Quarter& q : quarters) benchmark::DoNotOptimize(FitOursOneSegment(q));
    });
    geomTime = SecondsPerCall([&] {
        for (size_t i = 0; i < quarters.size(); ++i)
            benchmark::DoNotOptimize(FitLib2geomOneSegment(data[i], quarters[i], allowed[i]));
    });
    std::printf(
        "  one segment (exact tangents, no splitting): CurveFitter %.2f us, max error %.3g | bezier_fit_cubic_full "
        "%.2f us, max error %.3g | "
        "time ratio %.2f\n",
        oursTime * 1e6, oursWorst, geomTime * 1e6, geomWorst, oursTime / geomTime);
}
#endif

// --- A long path through the stand-in host --------------------------------------------------------

// An open path of `segments` curved segments.
SBArtHandle LongPath(testhost::InProcessHost& host, int segments) {
    std::vector<SBPathSegment> anchors;
    for (int i = 0; i <= segments; ++i) {
        double h = i, v = (i % 2) ? 1.0 : 0.0;
        anchors.push_back(SBPathSegment{{h, v}, {h - 0.3, v + 0.5}, {h + 0.3, v - 0.5}, 0});
    }
    return host.AddPath(anchors, false);
}

void BM_ReadPath30000Segments(benchmark::State& state) {
    testhost::InProcessHost host;
    SBArtHandle path = LongPath(host, 30000);
    for (auto _ : state) {
        ZPathList list = ReadPathList(path);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * 30000);
}
BENCHMARK(BM_ReadPath30000Segments)->Unit(benchmark::kMillisecond);

void BM_WritePath30000Segments(benchmark::State& state) {
    testhost::InProcessHost host;
    SBArtHandle path = LongPath(host, 30000);
    ZPathList list = ReadPathList(path);
    for (auto _ : state) {
        ZPathList copy = list;
        benchmark::DoNotOptimize(WritePathList(copy, path));
    }
    state.SetItemsProcessed(state.iterations() * 30000);
}
BENCHMARK(BM_WritePath30000Segments)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
#ifdef ZARVO_HAVE_2GEOM
    SideBySide();
#endif
    return 0;
}

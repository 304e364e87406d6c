#include "mirror/VMirrorCrossings.h"

#include "geometry/Errors.h"
#include "geometry/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <set>

namespace mirror {

namespace {

// Points closer to the axis than this say nothing about the side: a segment lying along the
// axis evaluates a few 1e-6 to either side of it in single precision.
constexpr double kClearOfAxis = 1e-4;

// Beyond this a double no longer holds the axis' 100-unit direction beside its origin exactly
// enough to give a line at all.
constexpr double kMaxAxisCoordinate = 1e15;

RealPoint PointAtPosition(const ZPathListV& list, double position) {
    const int32_t count = list.Count();
    const double whole = std::floor(position);
    int32_t index = static_cast<int32_t>(whole);
    double t = position - whole;
    if (index >= count) {
        index = count - 1;
        t = 1.0;
    }
    return list.PointAt(index, static_cast<float>(t));
}

double KeptDistance(const Line& axis, const RealPoint& q) {
    const double dh = axis.p2.h - axis.p1.h, dv = axis.p2.v - axis.p1.v;
    return ((q.h - axis.p1.h) * dv - dh * (q.v - axis.p1.v)) / std::hypot(dh, dv);
}

// Whether the path between positions `from` and `to` (segment index plus parameter; no crossing
// lies between them) is on the kept side: the side of the point halfway. When that point lies on
// the axis (the path runs along it there), the point of the stretch farthest from the axis
// decides; the positions are split in double precision so that long paths keep their parameter.
bool PositiveBetween(const ZPathListV& list, const Line& axis, double from, double to) {
    const double middle = (from + to) / 2.0;
    const RealPoint q = PointAtPosition(list, middle);
    if (std::fabs(KeptDistance(axis, q)) > kClearOfAxis) return axis.SideOf(q) == 1;
    double farthest = 0.0;
    RealPoint decisive = q;
    const int32_t last = std::min(static_cast<int32_t>(std::floor(to)), list.Count() - 1);
    for (int32_t k = std::max(0, static_cast<int32_t>(std::floor(from))); k <= last; ++k)
        for (double t : {0.25, 0.5, 0.75, 1.0}) {
            const double p = double(k) + t;
            if (p <= from || p >= to) continue;
            const RealPoint candidate = list.PointAt(k, static_cast<float>(t));
            const double d = std::fabs(KeptDistance(axis, candidate));
            if (d > farthest) {
                farthest = d;
                decisive = candidate;
            }
        }
    if (farthest <= kClearOfAxis) decisive = q;  // the whole stretch lies along the axis
    return axis.SideOf(decisive) == 1;
}

double Position(const Crossing& c) { return double(c.segment) + double(c.t); }

}  // namespace

Line AxisFor(const MirrorParams& params) {
    Line axis;
    axis.p1 = params.origin;
    const float theta = static_cast<float>(params.angle * double(kPiF) / 180.0);
    const RealPoint up = RotatePointAboutOrigin(RealPoint{0.0, 100.0}, theta);
    axis.p2 = RealPoint{axis.p1.h + up.h, axis.p1.v + up.v};
    axis.ShiftParallel(static_cast<float>(params.offset));
    // An angle, origin or offset that is not a number, or so far out that the axis has no
    // direction left, gives no axis: every path would land on no side and be deleted.
    auto usable = [](const RealPoint& p) {
        return std::isfinite(p.h) && std::isfinite(p.v) && std::fabs(p.h) <= kMaxAxisCoordinate &&
               std::fabs(p.v) <= kMaxAxisCoordinate;
    };
    CheckCondition(usable(axis.p1) && usable(axis.p2));
    return axis;
}

void CollectCrossings(const std::vector<const ZPathListV*>& lists, const Line& axis, ItemArray<Crossing>& out) {
    out.Clear();
    ItemArray<Crossing> found;
    // The axis is turned onto the horizontal once, at the first segment, for every segment after.
    std::optional<LineFrame> frame;
    for (int32_t e = 0; e < static_cast<int32_t>(lists.size()); ++e) {
        const ZPathListV& list = *lists[static_cast<size_t>(e)];
        const int32_t first = found.Count();
        for (int32_t k = 0; k < list.Count(); ++k) {
            if (!frame) frame.emplace(axis);
            const LineCrossings hits = frame->Intersect(list.SegmentAt(k));
            for (int j = 0; j < hits.count; ++j) {
                Crossing c{e, k, hits.t[j], hits.s[j], uint8_t(found.Count() == first), 0, 0, 0, 0};
                found.Append(c);
            }
        }
        if (found.Count() > first) found[found.Count() - 1].isLast = 1;
    }

    // A crossing at a segment join is reported by both segments: keep the earlier report. Walking
    // down, each crossing is compared with its original predecessor, so chains collapse onto
    // their first member.
    const int32_t n = found.Count();
    std::vector<uint8_t> removed(static_cast<size_t>(n), 0);
    for (int32_t i = n - 1; i >= 1; --i) {
        Crossing& c = found[i];
        Crossing& before = found[i - 1];
        if (c.path != before.path) continue;
        // Exact in the segment difference, single precision in the parameters.
        const float apart = static_cast<float>(c.segment - before.segment) + (c.t - before.t);
        // Where a segment runs into the axis with its control point on its end anchor (a corner
        // of straight lines), the crossing search stops within 1e-5 of the axis at a parameter
        // up to 4e-4 short of the join, and the next segment reports the join itself: one
        // crossing by its point, two by its parameter.
        // Only at the join itself: a path that runs back over itself (a single line, closed by
        // its virtual segment) meets the axis twice at one point, on two neighbouring segments.
        const ZPathListV& list = *lists[static_cast<size_t>(c.path)];
        const RealPoint here = list.PointAt(c.segment, c.t);
        const bool atJoin = c.segment == before.segment || PointsCoincide(here, list.PointAt(c.segment, 0.0f));
        const bool samePoint = std::abs(c.segment - before.segment) <= 1 && atJoin &&
                               PointsCoincide(here, list.PointAt(before.segment, before.t));
        if (std::fabs(apart) < 1e-5f || samePoint) {
            if (c.isLast) before.isLast = 1;
            removed[static_cast<size_t>(i)] = 1;
        }
    }
    ItemArray<Crossing> merged;
    for (int32_t i = 0; i < n; ++i)
        if (!removed[static_cast<size_t>(i)]) merged.Append(found[i]);

    // Sides.
    const int32_t m = merged.Count();
    for (int32_t i = 0; i < m; ++i) {
        Crossing& c = merged[i];
        const ZPathListV& list = *lists[static_cast<size_t>(c.path)];
        const double n_ = list.Count();
        if (c.isFirst) {
            c.positiveBefore = PositiveBetween(list, axis, 0.0, Position(c));
        } else {
            CheckCondition(i > 0 && merged[i - 1].path == c.path);
            c.positiveBefore = merged[i - 1].positiveAfter;
        }
        if (c.isLast) {
            const double p = (Position(c) + n_) / 2.0;
            CheckCondition(p < n_);
            c.positiveAfter = PositiveBetween(list, axis, Position(c), n_);
        } else {
            CheckCondition(i + 1 < m && merged[i + 1].path == c.path);
            c.positiveAfter = PositiveBetween(list, axis, Position(c), Position(merged[i + 1]));
        }
    }

    // A path that touches the axis without crossing it has no crossing there.
    for (int32_t i = 0; i < m; ++i)
        if (merged[i].positiveBefore != merged[i].positiveAfter) out.Append(merged[i]);

    // First and last of each path's run.
    const int32_t r = out.Count();
    for (int32_t i = 0; i < r; ++i) {
        Crossing& c = out[i];
        const bool startsRun = i == 0 || out[i - 1].path != c.path;
        const bool endsRun = i + 1 == r || out[i + 1].path != c.path;
        c.isFirst = startsRun ? 1 : 0;
        c.isLast = (endsRun && !startsRun) ? 1 : 0;
    }
}

void PairCrossings(ItemArray<Crossing>& crossings, ItemArray<Piece>& pieces) {
    pieces.Clear();
    const int32_t n = crossings.Count();
    // Unused crossings taken by increasing s, the earliest in the list on equal s.
    std::vector<int32_t> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return crossings[a].s < crossings[b].s; });
    // Index of the first crossing of each path's run.
    std::vector<int32_t> runStart(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        runStart[static_cast<size_t>(i)] =
            (i > 0 && crossings[i - 1].path == crossings[i].path) ? runStart[static_cast<size_t>(i - 1)] : i;

    for (int32_t ci : order) {
        Crossing& c = crossings[ci];
        if (c.used) continue;
        c.used = 1;
        Piece piece{0, 0, 0, 0};
        if (c.positiveBefore) {
            // The path leaves the kept side here.
            CheckCondition(!c.positiveAfter);
            if (c.isFirst) {
                int32_t k = ci;
                while (k < n && crossings[k].path == c.path && !crossings[k].isLast) ++k;
                CheckCondition(k < n && crossings[k].path == c.path && crossings[k].positiveAfter &&
                               !crossings[k].used);
                crossings[k].used = 1;
                piece = Piece{k, ci, 1, 0};
            } else {
                CheckCondition(ci > 0 && crossings[ci - 1].path == c.path && !crossings[ci - 1].used);
                crossings[ci - 1].used = 1;
                piece = Piece{ci - 1, ci, 0, 0};
            }
        } else {
            // The path enters the kept side here.
            CheckCondition(c.positiveAfter);
            if (c.isLast) {
                const int32_t k = runStart[static_cast<size_t>(ci)];
                CheckCondition(crossings[k].isFirst && crossings[k].positiveBefore && !crossings[k].used);
                crossings[k].used = 1;
                piece = Piece{ci, k, 1, 0};
            } else {
                CheckCondition(ci + 1 < n && crossings[ci + 1].path == c.path && !crossings[ci + 1].used);
                crossings[ci + 1].used = 1;
                piece = Piece{ci, ci + 1, 0, 0};
            }
        }
        pieces.Append(piece);
    }
    for (int32_t i = 0; i < pieces.Count(); ++i) {
        Piece& p = pieces[i];
        p.rising = crossings[p.start].s < crossings[p.end].s ? 1 : 0;
    }
}

namespace {

// The largest value over a range of positions, and the first position from a given one whose
// value exceeds a bound: finds the next piece that could join a cluster without walking past
// the many that cannot.
class MaxTree {
public:
    explicit MaxTree(const std::vector<float>& values) {
        const int32_t n = static_cast<int32_t>(values.size());
        while (size_ < n) size_ *= 2;
        values_.assign(static_cast<size_t>(2 * size_), -std::numeric_limits<float>::infinity());
        std::copy(values.begin(), values.end(), values_.begin() + size_);
        for (size_t k = static_cast<size_t>(size_) - 1; k >= 1; --k)
            values_[k] = std::max(values_[2 * k], values_[2 * k + 1]);
    }
    void Set(int32_t i, float value) {
        size_t k = static_cast<size_t>(i + size_);
        values_[k] = value;
        for (k /= 2; k >= 1; k /= 2) values_[k] = std::max(values_[2 * k], values_[2 * k + 1]);
    }
    // The first position at or after `from` whose value is above `bound`; -1 when none is.
    int32_t FirstAbove(int32_t from, float bound) const { return Find(1, 0, size_, from, bound); }

private:
    int32_t Find(size_t node, int32_t lo, int32_t hi, int32_t from, float bound) const {
        if (hi <= from || !(values_[node] > bound)) return -1;
        if (hi - lo == 1) return lo;
        const int32_t mid = (lo + hi) / 2;
        const int32_t left = Find(2 * node, lo, mid, from, bound);
        return left >= 0 ? left : Find(2 * node + 1, mid, hi, from, bound);
    }

    int32_t size_ = 1;
    std::vector<float> values_;
};

}  // namespace

std::vector<std::vector<int32_t>> ClusterPieces(const ItemArray<Crossing>& crossings, const ItemArray<Piece>& pieces) {
    const int32_t n = pieces.Count();
    std::vector<float> lo(static_cast<size_t>(n)), hi(static_cast<size_t>(n));
    bool sorted = true;
    for (int32_t i = 0; i < n; ++i) {
        const float a = crossings[pieces[i].start].s, b = crossings[pieces[i].end].s;
        // Ordered sets of them follow; a position that is no number has no place in one.
        CheckCondition(!std::isnan(a) && !std::isnan(b));
        lo[static_cast<size_t>(i)] = std::min(a, b);
        hi[static_cast<size_t>(i)] = std::max(a, b);
        if (i > 0 && lo[static_cast<size_t>(i)] < lo[static_cast<size_t>(i - 1)]) sorted = false;
    }
    std::vector<uint8_t> taken(static_cast<size_t>(n), 0);
    std::vector<std::vector<int32_t>> clusters;
    // The members' upper ends by direction, and their largest lower end. Pieces come by
    // increasing lower end, so every member starts at or before a candidate, and the questions
    // "does a member of the other direction end inside it, or beyond it" and "does a member of
    // its own direction hold it" are answered from the ends alone: one look-up per candidate
    // rather than a walk over a cluster that may hold every tooth of a long zig-zag.
    std::multiset<float> ends[2];
    float lastStart[2] = {0.0f, 0.0f};
    // The upper ends of the pieces not yet taken, by direction: a few pieces are walked plainly.
    constexpr int32_t kFewPieces = 32;
    std::vector<float> byWay[2];
    for (uint8_t way = 0; way < 2 && n > kFewPieces; ++way) {
        byWay[way].assign(static_cast<size_t>(n), -std::numeric_limits<float>::infinity());
        for (int32_t i = 0; i < n; ++i)
            if ((pieces[i].rising ? 1 : 0) == way) byWay[way][static_cast<size_t>(i)] = hi[static_cast<size_t>(i)];
    }
    MaxTree open[2] = {MaxTree(byWay[0]), MaxTree(byWay[1])};
    auto take = [&](int32_t p) {
        taken[static_cast<size_t>(p)] = 1;
        if (n > kFewPieces) open[pieces[p].rising ? 1 : 0].Set(p, -std::numeric_limits<float>::infinity());
    };
    auto join = [&](int32_t p) {
        const uint8_t way = pieces[p].rising ? 1 : 0;
        ends[way].insert(hi[static_cast<size_t>(p)]);
        lastStart[way] = lo[static_cast<size_t>(p)];
    };
    // Whether piece j, starting within the cluster's reach, joins it.
    auto accepts = [&](int32_t j) {
        const float l = lo[static_cast<size_t>(j)], h = hi[static_cast<size_t>(j)];
        const uint8_t way = pieces[j].rising ? 1 : 0;
        const std::multiset<float>& other = ends[1 - way];
        if (other.empty()) return false;
        CheckCondition(l >= lastStart[1 - way]);
        // Starts inside a member of the other direction and reaches beyond it.
        const auto after = other.upper_bound(l);
        bool accepted = after != other.end() && *after < h;
        // Within one: joins unless it also lies within a member running its own way (an
        // island inside a hole makes an object of its own).
        if (!accepted && h <= *other.rbegin()) accepted = ends[way].empty() || *ends[way].rbegin() < h;
        return accepted;
    };
    for (int32_t i = 0; i < n; ++i) {
        if (taken[static_cast<size_t>(i)]) continue;
        take(i);
        std::vector<int32_t> members{i};
        ends[0].clear();
        ends[1].clear();
        join(i);
        float reach = hi[static_cast<size_t>(i)];
        auto admit = [&](int32_t j) {
            take(j);
            members.push_back(j);
            join(j);
            reach = std::max(reach, hi[static_cast<size_t>(j)]);
        };
        if (!sorted || n <= kFewPieces) {
            for (int32_t j = i + 1; j < n; ++j) {
                if (lo[static_cast<size_t>(j)] > reach) break;
                // A piece already built into an earlier cluster is never built twice.
                if (taken[static_cast<size_t>(j)]) continue;
                if (accepts(j)) admit(j);
            }
            clusters.push_back(std::move(members));
            continue;
        }
        // Pieces in order of their lower ends. The next one is tried as it comes (on a zig-zag
        // nearly every one joins); after one that does not, the walk jumps past those that
        // cannot either: one that ends no higher than the bound of its direction fails both
        // tests above for the current members, wherever it starts from `from` on. Nested rings
        // would otherwise be walked once per ring.
        for (int32_t from = i + 1; from < n;) {
            if (lo[static_cast<size_t>(from)] > reach) break;
            if (!taken[static_cast<size_t>(from)]) {
                const bool joined = accepts(from);
                if (joined) admit(from);
                ++from;
                if (joined || from == n) continue;
            }
            const float l = lo[static_cast<size_t>(from)];
            int32_t next = -1;
            for (uint8_t way = 0; way < 2; ++way) {
                const std::multiset<float>& other = ends[1 - way];
                if (other.empty()) continue;
                const auto after = other.upper_bound(l);
                float bound = after == other.end() ? std::numeric_limits<float>::infinity() : *after;
                // With no member of its own direction, any piece within the other's reach joins.
                bound = ends[way].empty() ? -std::numeric_limits<float>::infinity()
                                          : std::min(bound, *ends[way].rbegin());
                const int32_t j = open[way].FirstAbove(from, bound);
                if (j >= 0 && (next < 0 || j < next)) next = j;
            }
            if (next < 0) break;
            from = next;
        }
        clusters.push_back(std::move(members));
    }
    return clusters;
}

}  // namespace mirror

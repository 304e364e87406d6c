#include "tiling/TileGeometry.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Numeric.h"

#include <cmath>
#include <limits>

TileParams DefaultTileParams;

const char* WallpaperGroupName(int32_t symmetry) {
    static const char* const kNames[] = {"p1", "p2",  "pm",  "pg", "pmm",  "pmg",  "pgg", "cm", "cmm",
                                         "p4", "p4m", "p4g", "p3", "p3m1", "p31m", "p6",  "p6m"};
    return symmetry >= kFirstSymmetry && symmetry <= kLastSymmetry ? kNames[symmetry - 1] : "";
}

float QuadrantAngle(float angle, float width, float height) {
    if (width > 0 && height < 0) return -angle;
    if (width < 0 && height > 0) return 180.0f - angle;
    if (width < 0 && height < 0) return angle - 180.0f;
    return angle;
}

namespace {

constexpr double kSqrt3 = 1.7320508075688772;

RealPoint At(const RealPoint& o, double dh, double dv) { return RealPoint{o.h + dh, o.v + dv}; }

TileCopy Rotation(float degrees, const RealPoint& centre, int ofCopy = -1) {
    TileCopy c;
    c.degrees = degrees;
    c.centre = centre;
    c.ofCopy = ofCopy;
    return c;
}

TileCopy Glide(float dh, float axisV) {
    TileCopy c;
    c.glide = true;
    c.dh = dh;
    c.axisV = axisV;
    return c;
}

void Rotations(TilePlan* plan, int count, float step, const RealPoint& centre) {
    for (int k = 1; k <= count; ++k) plan->copies.push_back(Rotation(k * step, centre));
}

void SetLattice(TilePlan* plan, const RealPoint& centre, float halfWidth, float halfHeight, float columnStep,
                float rowShift, float rowStep) {
    plan->lattice = TileLattice{centre, halfWidth, halfHeight, columnStep, rowShift, rowStep};
}

// A rectangle of lattice boxes the size of the cell pair: the square and rectangular groups.
void Rectangle(TilePlan* plan, const RealPoint& o, float w, float h) {
    plan->guide = {o, At(o, w, 0), At(o, w, h), At(o, 0, h)};
}

int32_t TruncateCount(float x) {
    if (!(x > 0)) return 0;
    if (x >= static_cast<float>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(x);
}

}  // namespace

bool PlanTile(int32_t symmetry, const RealPoint& o, float w, float h, float s, TilePlan* plan) {
    if (symmetry < kFirstSymmetry || symmetry > kLastSymmetry) return false;
    *plan = TilePlan();
    const float aw = std::fabs(w), ah = std::fabs(h);
    const float sw = Sign(w), sh = Sign(h);
    const float t = ah * s * sw;
    const float q = aw * sh;
    const float H = static_cast<float>(2.0 * aw * (kSqrt3 / 3.0) * sh);
    const float R = static_cast<float>(aw * (kSqrt3 / 3.0) * sh);
    const float S = static_cast<float>(ah * (kSqrt3 / 2.0) * sw);
    const float T = static_cast<float>((ah / 2.0f) * (kSqrt3 / 2.0) * sw);
    const float alpha = static_cast<float>(std::atan(static_cast<double>(s))) * 180.0f / kPiF;
    static const float k60 = CosF(kPiF / 3.0f);

    plan->width = w;
    plan->height = h;
    switch (symmetry) {
        case 1:
        case 2: {
            plan->cell = symmetry == 1 ? TileCell::Parallelogram : TileCell::P2;
            plan->skewAngle = alpha;
            plan->apex = At(o, t, h);
            const float rowShift = h * s * sw;
            // The box's middle is halfway along the cell's slanted width, whichever way it leans.
            const RealPoint middle = At(o, (w + t) / 2.0f, h / 2.0f);
            SetLattice(plan, middle, (aw + std::fabs(rowShift)) / 2.0f, ah / 2.0f, aw, rowShift, ah);
            if (symmetry == 1) {
                plan->guide = {o, At(o, w, 0), At(o, w + t, h), At(o, t, h)};
            } else {
                plan->copies.push_back(Rotation(180.0f, middle));
                plan->guide = {o, At(o, w, 0), plan->apex};
            }
            break;
        }
        case 3:
            plan->cell = TileCell::P1m;
            SetLattice(plan, o, aw, ah, 2 * aw, 0, ah);
            Rectangle(plan, o, w, h);
            break;
        case 4:
            plan->cell = TileCell::Rectangle;
            plan->copies.push_back(Glide(-w, static_cast<float>(o.v + h / 2.0f)));
            SetLattice(plan, At(o, 0, h / 2.0f), aw, ah / 2.0f, 2 * aw, 0, ah);
            Rectangle(plan, o, w, h);
            break;
        case 5:
            plan->cell = TileCell::P2mm;
            SetLattice(plan, o, aw, ah, 2 * aw, 0, 2 * ah);
            Rectangle(plan, o, w, h);
            break;
        case 6:
            plan->cell = TileCell::P2mg;
            plan->copies.push_back(Glide(-2 * w, static_cast<float>(o.v + h / 2.0f)));
            SetLattice(plan, At(o, 0, h / 2.0f), 2 * aw, ah / 2.0f, 4 * aw, 0, ah);
            Rectangle(plan, o, w, h);
            break;
        case 7:
            plan->cell = TileCell::Rectangle;
            plan->copies.push_back(Glide(-w, static_cast<float>(o.v + h / 2.0f)));
            plan->copies.push_back(Rotation(180.0f, o));
            plan->copies.push_back(Rotation(180.0f, o, 0));
            SetLattice(plan, o, aw, ah, 2 * aw, 0, 2 * ah);
            Rectangle(plan, o, w, h);
            break;
        case 8:
            plan->cell = TileCell::C1m;
            SetLattice(plan, o, aw, ah, 2 * aw, aw, ah);
            plan->guide = {At(o, w, 0), At(o, 0, h), At(o, 0, -h)};
            break;
        case 9:
            plan->cell = TileCell::C2mm;
            SetLattice(plan, o, aw, ah, 2 * aw, aw, ah);
            plan->guide = {At(o, w, 0), At(o, 0, h), o};
            break;
        case 10:
        case 11:
        case 12:
            plan->cell = symmetry == 10 ? TileCell::Rectangle : (symmetry == 11 ? TileCell::P4m : TileCell::P4g);
            plan->height = q;
            if (symmetry != 11) Rotations(plan, 3, 90.0f, o);
            SetLattice(plan, o, aw, aw, 2 * aw, 0, 2 * aw);
            if (symmetry == 10) plan->guide = {o, At(o, w, 0), At(o, w, q), At(o, 0, q)};
            if (symmetry == 11) plan->guide = {o, At(o, w, 0), At(o, w, q)};
            if (symmetry == 12) plan->guide = {o, At(o, w, 0), At(o, 0, q)};
            break;
        case 13:
        case 14:
            plan->cell = symmetry == 13 ? TileCell::P3 : TileCell::P3m1;
            plan->height = H;
            Rotations(plan, 2, 120.0f, o);
            SetLattice(plan, o, aw, std::fabs(H), 2 * aw, aw, 1.5f * std::fabs(H));
            if (symmetry == 13)
                plan->guide = {o, At(o, w, H / 2.0f), At(o, 0, H), At(o, -w, H / 2.0f)};
            else
                plan->guide = {o, At(o, w, H / 2.0f), At(o, 0, H)};
            break;
        case 15: {
            plan->cell = TileCell::P31m;
            plan->height = R;
            Rotations(plan, 2, 120.0f, o);
            const float halfHeight = std::sqrt(w * w + R * R);
            SetLattice(plan, o, aw, halfHeight, 2 * aw, aw, halfHeight + std::fabs(R));
            plan->guide = {o, At(o, w, R), At(o, -w, R)};
            break;
        }
        default: {  // 16 p6, 17 p6m: a regular hexagon of circumradius |h| around the drag's start
            plan->cell = symmetry == 16 ? TileCell::P6 : TileCell::P6m;
            plan->width = symmetry == 16 ? S : T;
            Rotations(plan, 5, 60.0f, o);
            const float halfWidth = static_cast<float>(ah * kSqrt3 / 2.0);
            const float halfHeight = ah;
            SetLattice(plan, o, halfWidth, halfHeight, 2 * halfWidth, static_cast<float>(halfHeight * kSqrt3 / 2.0),
                       1.5f * halfHeight);
            if (symmetry == 16)
                plan->guide = {o, At(o, 0, h), At(o, S, h * k60)};
            else
                plan->guide = {o, At(o, 0, h), At(o, T, h - (h / 2.0f) * k60)};
            break;
        }
    }
    return true;
}

bool CellTooSmall(const TileExtent& extent, float w, float h) {
    return (extent.maxH - extent.minH) > 100 * std::fabs(w) || (extent.maxV - extent.minV) > 100 * std::fabs(h);
}

int32_t LatticeColumns(const TileLattice& lattice, const TileExtent& extent) {
    return TruncateCount((extent.maxH - extent.minH) / lattice.columnStep);
}

int32_t LatticeRows(const TileLattice& lattice, const TileExtent& extent) {
    return TruncateCount((extent.maxV - extent.minV) / lattice.rowStep);
}

std::vector<RealPoint> InsetPolygon(const std::vector<RealPoint>& outline, float inset) {
    std::vector<RealPoint> inner;
    const size_t n = outline.size();
    if (n < 3) return inner;
    for (size_t i = 0; i < n; ++i) {
        const RealPoint& before = outline[(i + n - 1) % n];
        const RealPoint& at = outline[i];
        const RealPoint& after = outline[(i + 1) % n];
        Line incoming{before, at};
        Line outgoing{at, after};
        if (incoming.IsDegenerate() || outgoing.IsDegenerate()) continue;
        const float shift = IsClockwiseTurn(before, at, after) ? inset : -inset;
        incoming.ShiftParallel(shift);
        outgoing.ShiftParallel(shift);
        RealPoint corner;
        if (incoming.IntersectLines(outgoing, &corner)) inner.push_back(corner);
    }
    return inner;
}

#include "tools/PolarMeshShape.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "geometry/Numeric.h"

#include <algorithm>
#include <cmath>

const PolarMeshParams kPolarMeshDefaults = {0.0, 0.0, 100.0, 0.0, 4, 3, false, 1};

int32_t ClampRadialLines(int32_t count) {
    if (count < 1) return kMinKeyRadialLines;
    return std::min(count, kMaxPanelLines);
}

int32_t ClampCircularLines(int32_t count) {
    if (count < 2) return kMinKeyCircularLines;
    return std::min(count, kMaxPanelLines);
}

namespace {

constexpr float kTwoPiF = 6.2831855f;

bool FiniteFloat(double x) { return std::isfinite(static_cast<float>(x)); }

RealPoint Polar(float r, float angle) {
    RealPoint p{0, 0};
    PolarToCartesian(r, angle, p.h, p.v);
    return p;
}

}  // namespace

PolarMeshCurves BuildPolarMeshCurves(const PolarMeshParams& p) {
    PolarMeshCurves mesh;
    const int32_t S = ClampRadialLines(p.radialLines);
    const int32_t N = ClampCircularLines(p.circularLines);
    const float r0 = static_cast<float>(p.outerRadius * p.innerRadius / 100.0);
    const float dr = static_cast<float>((p.outerRadius - static_cast<double>(r0)) / (N - 1));
    if (!FiniteFloat(p.outerRadius) || !FiniteFloat(p.innerRadius) || !FiniteFloat(p.centreH) ||
        !FiniteFloat(p.centreV) || !std::isfinite(r0) || !std::isfinite(dr) || static_cast<float>(p.outerRadius) == 0)
        return mesh;
    mesh.sectors = S;
    mesh.rings = N;
    const float dTheta = kTwoPiF / static_cast<float>(S);

    // The standard cubic arc: control points k·r along the tangents. A single sector would ask one
    // cubic for a whole turn (k without bound); it is given the half turn's 4/3.
    const float t = kPiF / static_cast<float>(S);
    float k = 4.0f * (1.0f - CosF(t)) / (3.0f * SinF(t));
    if (!(std::fabs(k) <= 4.0f / 3.0f)) k = 4.0f / 3.0f;
    const float L = std::sqrt(1.0f + k * k);
    const float psi = static_cast<float>(std::atan(static_cast<double>(k)));

    const float dh = static_cast<float>(p.centreH), dv = static_cast<float>(p.centreV);
    mesh.ringArcs.resize(static_cast<size_t>(S) * static_cast<size_t>(N));
    for (int32_t i = 0; i < N; ++i) {
        const float r = r0 + static_cast<float>(i) * dr;
        for (int32_t s = 0; s < S; ++s) {
            const float from = static_cast<float>(s) * dTheta;
            const float to = from + dTheta;
            const RealPoint a = Polar(r, from), b = Polar(r, to);
            const BezierSegment arc = p.polygon ? StraightSegment(a, b)
                                                : BezierSegment{a, Polar(r * L, from + psi), Polar(r * L, to - psi), b};
            ZPathList& list = mesh.ringArcs[static_cast<size_t>(i) * S + s];
            list.AppendRaw(arc);
            list.Translate(dh, dv);
        }
    }
    mesh.spokes.resize(static_cast<size_t>(S + 1) * static_cast<size_t>(N - 1));
    for (int32_t j = 0; j <= S; ++j) {
        const float angle = static_cast<float>(j) * dTheta;
        for (int32_t g = 0; g < N - 1; ++g) {
            RealPoint q[4];
            for (int32_t n = 0; n < 4; ++n)
                q[n] = Polar(r0 + (static_cast<float>(g) + static_cast<float>(n) / 3.0f) * dr, angle);
            ZPathList& list = mesh.spokes[static_cast<size_t>(j) * (N - 1) + g];
            list.AppendRaw(BezierSegment{q[0], q[1], q[2], q[3]});
            list.Translate(dh, dv);
        }
    }
    return mesh;
}

// ---- Colours ------------------------------------------------------------------------------------

namespace {

// Values outside 0 … 1 (not a number among them) end the draw.
double Checked(double x) {
    CheckCondition(x >= 0.0 && x <= 1.0);
    return x;
}

double Clamped(double x) { return x < 0.0 ? 0.0 : (x > 1.0 ? 1.0 : x); }

SBColor White() {
    SBColor white{};
    white.kind = SB_COLOR_GRAY;
    white.c.gray.gray = 0.0;
    return white;
}

SBColor FourOf(const SBColor& c) {
    SBColor out{};
    out.kind = SB_COLOR_FOUR;
    if (c.kind == SB_COLOR_GRAY) {
        out.c.four = {0.0, 0.0, 0.0, c.c.gray.gray};
    } else {
        const float cyan = 1.0f - static_cast<float>(c.c.three.red);
        const float magenta = 1.0f - static_cast<float>(c.c.three.green);
        const float yellow = 1.0f - static_cast<float>(c.c.three.blue);
        const float black = std::min(cyan, std::min(magenta, yellow));
        out.c.four = {cyan - black, magenta - black, yellow - black, black};
    }
    return out;
}

SBColor ThreeOf(const SBColor& c) {
    SBColor out{};
    out.kind = SB_COLOR_THREE;
    if (c.kind == SB_COLOR_GRAY) {
        const double v = 1.0f - static_cast<float>(c.c.gray.gray);
        out.c.three = {v, v, v};
    } else {
        const float black = static_cast<float>(c.c.four.black);
        auto part = [black](double ink) {
            const float sum = static_cast<float>(ink) + black;
            return sum >= 1.0f ? 0.0 : static_cast<double>(1.0f - sum);
        };
        out.c.three = {part(c.c.four.cyan), part(c.c.four.magenta), part(c.c.four.yellow)};
    }
    return out;
}

void ClampValues(SBColor& c) {
    switch (c.kind) {
        case SB_COLOR_GRAY:
            c.c.gray.gray = Clamped(c.c.gray.gray);
            break;
        case SB_COLOR_FOUR:
            for (double* v : {&c.c.four.cyan, &c.c.four.magenta, &c.c.four.yellow, &c.c.four.black}) *v = Clamped(*v);
            break;
        case SB_COLOR_THREE:
            for (double* v : {&c.c.three.red, &c.c.three.green, &c.c.three.blue}) *v = Clamped(*v);
            break;
        case SB_COLOR_CUSTOM:
            c.c.custom.tint = Clamped(c.c.custom.tint);
            break;
        default:
            break;
    }
}

double Mix(double a, double b, double u) { return Checked(a + u * (b - a)); }

}  // namespace

float ColourModeFactor(int32_t mode, float f) {
    switch (mode) {
        case 0:
            return 2.0f * std::fabs(f - 0.5f);
        case 1:
            return 1.0f - f;
        case 2:
            return f;
        default:
            return 0.0f;
    }
}

SBColor LightenColour(const SBColor& fill, float w) {
    CheckCondition(w >= 0.0f && w <= 1.0f);
    SBColor out = fill;
    ClampValues(out);
    const double keep = static_cast<double>(1.0f - w);
    switch (out.kind) {
        case SB_COLOR_THREE:
            for (double* v : {&out.c.three.red, &out.c.three.green, &out.c.three.blue})
                *v = Checked(*v + (1.0 - *v) * static_cast<double>(w));
            return out;
        case SB_COLOR_FOUR:
            for (double* v : {&out.c.four.cyan, &out.c.four.magenta, &out.c.four.yellow, &out.c.four.black})
                *v = Checked(*v * keep);
            return out;
        case SB_COLOR_GRAY:
            out.c.gray.gray = Checked(out.c.gray.gray * keep);
            return out;
        case SB_COLOR_CUSTOM:
            out.c.custom.tint = Checked(out.c.custom.tint * static_cast<double>(w));
            return out;
        default:
            return White();
    }
}

float GradientSamplePosition(int32_t mode, float f, float alpha) {
    switch (mode) {
        case 1:
            return f;
        case 2:
            return 1.0f - f;
        case 3:
            return 1.0f - alpha;
        case 4:
            return alpha;
        default:
            return 1.0f - ColourModeFactor(mode, f);
    }
}

void BringStopsToOneModel(std::vector<SBGradientStop>& stops, bool documentIsFourColour) {
    bool four = false, three = false, gray = false;
    for (SBGradientStop& stop : stops) {
        const int32_t kind = stop.color.kind;
        CheckCondition(kind == SB_COLOR_GRAY || kind == SB_COLOR_FOUR || kind == SB_COLOR_THREE);
        ClampValues(stop.color);
        four = four || kind == SB_COLOR_FOUR;
        three = three || kind == SB_COLOR_THREE;
        gray = gray || kind == SB_COLOR_GRAY;
    }
    if (int(four) + int(three) + int(gray) < 2) return;
    const bool toFour = four && (!three || documentIsFourColour);
    for (SBGradientStop& stop : stops) {
        if (toFour && stop.color.kind != SB_COLOR_FOUR) stop.color = FourOf(stop.color);
        if (!toFour && stop.color.kind != SB_COLOR_THREE) stop.color = ThreeOf(stop.color);
    }
}

SBColor SampleGradient(const std::vector<SBGradientStop>& stops, float x) {
    CheckCondition(!stops.empty() && x >= 0.0f && x <= 1.0f);
    for (size_t n = 1; n < stops.size(); ++n) CheckCondition(stops[n - 1].rampPoint <= stops[n].rampPoint);
    const double at = 100.0 * static_cast<double>(x);
    size_t q = 0;
    while (q < stops.size() && stops[q].rampPoint < at) ++q;
    if (q == 0) return stops.front().color;
    if (q == stops.size()) return stops.back().color;
    const SBGradientStop& P = stops[q - 1];
    const SBGradientStop& Q = stops[q];
    CheckCondition(P.color.kind == Q.color.kind);
    const double a = P.rampPoint / 100.0, b = Q.rampPoint / 100.0;
    const double m = std::min(std::max(P.midPoint / 100.0, 0.01), 0.99);
    double u = (static_cast<double>(x) - a) / (b - a);
    if (m - 0.5 > 1e-5)
        u = std::pow(u, std::log(0.5) / std::log(m));
    else if (m - 0.5 < -1e-5)
        u = 1.0 - std::pow(1.0 - u, std::log(0.5) / std::log(1.0 - m));
    SBColor out = P.color;
    switch (out.kind) {
        case SB_COLOR_GRAY:
            out.c.gray.gray = Mix(P.color.c.gray.gray, Q.color.c.gray.gray, u);
            break;
        case SB_COLOR_FOUR:
            out.c.four = {Mix(P.color.c.four.cyan, Q.color.c.four.cyan, u),
                          Mix(P.color.c.four.magenta, Q.color.c.four.magenta, u),
                          Mix(P.color.c.four.yellow, Q.color.c.four.yellow, u),
                          Mix(P.color.c.four.black, Q.color.c.four.black, u)};
            break;
        case SB_COLOR_THREE:
            out.c.three = {Mix(P.color.c.three.red, Q.color.c.three.red, u),
                           Mix(P.color.c.three.green, Q.color.c.three.green, u),
                           Mix(P.color.c.three.blue, Q.color.c.three.blue, u)};
            break;
        case SB_COLOR_CUSTOM:
            out.c.custom.tint = Mix(P.color.c.custom.tint, Q.color.c.custom.tint, u);
            break;
        default:
            throw CheckFailure();
    }
    return out;
}

std::vector<SBColor> PolarMeshColours(const PolarMeshFill& fill, int32_t sectors, int32_t rings, int32_t mode) {
    CheckCondition(sectors >= 1 && rings >= 2);
    std::vector<SBColor> colours;
    colours.reserve(static_cast<size_t>(sectors + 1) * static_cast<size_t>(rings));
    for (int32_t i = 0; i < rings; ++i) {
        const float f = static_cast<float>(i) / static_cast<float>(rings - 1);
        for (int32_t j = 0; j <= sectors; ++j) {
            const float alpha = static_cast<float>(j) / static_cast<float>(sectors);
            if (fill.gradient)
                colours.push_back(SampleGradient(fill.stops, GradientSamplePosition(mode, f, alpha)));
            else
                colours.push_back(LightenColour(fill.colour, ColourModeFactor(mode, f)));
        }
    }
    return colours;
}

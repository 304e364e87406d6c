#include "tools/VSpiral.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/ArtTransforms.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/Errors.h"
#include "tools/CurveFitter.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

const SpiralParams kSpiralDefaults = {0.0, 0.0, 100.0, 4, false};

namespace {


constexpr float kFullTurnF = 6.2831855f;
constexpr float kQuarterTurnF = 1.5707964f;

}  // namespace

bool SpiralQuarterTurn(float growth, float theta0, float theta1, BezierSegment* segment) {
    const float a = growth;
    const int32_t n = theta0 < kFullTurnF ? 12 : 6;
    RealPoint samples[12];
    for (int32_t k = 0; k < n; ++k) {
        const float theta = theta0 + (static_cast<float>(k) / static_cast<float>(n - 1)) * (theta1 - theta0);
        PolarToCartesian(a * theta, theta, samples[k].h, samples[k].v);
    }
    const float c0 = std::cos(theta0), s0 = std::sin(theta0);
    const float c1 = std::cos(theta1), s1 = std::sin(theta1);
    const Vec2f start{a * c0 - a * theta0 * s0, a * s0 + a * theta0 * c0};
    const Vec2f end{-(a * c1 - a * theta1 * s1), -(a * s1 + a * theta1 * c1)};
    CurveFitter fitter(n, samples, 1e-5f);
    fitter.FitWithTangents(start, end);
    if (fitter.SegmentCount() == 0) return false;
    *segment = fitter.Segment(0);
    return true;
}

ZPathList BuildSpiral(const SpiralParams& params, float dirH, float dirV) {
    ZPathList list;
    const float radius = static_cast<float>(params.radius);
    const float ch = static_cast<float>(params.centreH);
    const float cv = static_cast<float>(params.centreV);
    if (!std::isfinite(radius) || !std::isfinite(ch) || !std::isfinite(cv)) return list;
    const int32_t turns = std::min(params.turns, kMaxDrawnTurns);
    float r = 0.0f, phi = 0.0f;
    CartesianToPolar(dirH, dirV, r, phi);
    if (phi < 0.0f) phi += kFullTurnF;
    const float thetaE = kFullTurnF * static_cast<float>(turns) + phi;
    const float a = static_cast<float>(static_cast<double>(radius) / thetaE);
    // Each start angle is one product rather than a running sum: summed in single precision the
    // quarter turns drift short, and far out a spiral gains stray slivers of segments.
    BezierSegment segment;
    for (int32_t k = 0;; ++k) {
        const float theta = static_cast<float>(k) * kQuarterTurnF;
        if (!(thetaE > theta)) break;
        if (SpiralQuarterTurn(a, theta, std::min(theta + kQuarterTurnF, thetaE), &segment)) {
            list.Append(segment);
        } else if (k == 0) {
            // Nothing to fit at all: the radius is 0.
            throw CheckFailure();
        }
        // A later sliver whose samples coincide has nothing to draw.
    }
    if (params.fermat) {
        ZPathList second(list);
        second.Rotate(RealPoint{0, 0}, 0.0f, -1.0f);
        list.Reverse();
        list.AppendAll(second);
    }
    list.Translate(ch, cv);
    list.SetClosed(false);
    return list;
}

VSpiral::VSpiral(const ToolAction* action) : VParamShapeTool(action, "Archimedean Spiral", kSpiralDefaults) {}

SBErr VSpiral::MouseDown(SBToolMessage* message) {
    dirH_ = dirV_ = 0.0f;
    return VObjectCreationTool::MouseDown(message);
}

bool VSpiral::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = false;
    const float hp = dirH_, vp = dirV_;
    float h = dirH_, v = dirV_;
    if (UpdateDragVector(message, false)) {
        h = DragH();
        v = DragV();
        params_.radius = std::sqrt(h * h + v * v);
        changed = true;
    }
    if (message->event && (message->event->modifiers & kShift) != 0) {
        const float radius = static_cast<float>(params_.radius);
        if (std::fabs(h) > std::fabs(v)) {
            h = h > 0.0f ? radius : -radius;
            v = 0.0f;
        } else {
            h = 0.0f;
            v = v > 0.0f ? radius : -radius;
        }
    }
    if (std::fabs(h - hp) > 1e-5f || std::fabs(v - vp) > 1e-5f) changed = true;
    dirH_ = h;
    dirV_ = v;
    if (IsRightArrowDown()) {
        if (params_.turns < kMaxKeyTurns) {
            ++params_.turns;
            *keyStep = changed = true;
        }
    } else if (IsLeftArrowDown() && params_.turns >= 1) {
        --params_.turns;
        *keyStep = changed = true;
    }
    if (IsRKeyDown()) {
        params_.fermat = !params_.fermat;
        changed = true;
    }
    CentreOnAnchor();
    if (changed) ShowCentreInfo(infovariables::kCentreRadius, {params_.radius});
    return changed;
}

void VSpiral::Draw() {
    const float radius = static_cast<float>(params_.radius);
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV), radius, radius);
    ZPathList list = BuildSpiral(params_, dirH_, dirV_);
    WriteShape(list);
}

PreferencesElement VSpiral::Preferences() const {
    PreferencesElement element("spiral");
    element.Add("radius", params_.radius).Add("turns", params_.turns).Add("fermat", params_.fermat ? 1 : 0);
    return element;
}

void VSpiral::SetSpiralParameters(float radius, int32_t turns, bool fermat) {
    params_.radius = radius;
    params_.turns = turns;
    params_.fermat = fermat;
}

void VSpiral::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kSpiralRadius, SB_UNIT_POINTS, params_.radius);
    value.SetInteger(actionkey::kSpiralTurns, params_.turns);
    value.SetBoolean(actionkey::kSpiralFermat, params_.fermat);
}

void VSpiral::ReadAction(SBActionParamValueRef values) {
    const double sprd = sb::GetActionReal(values, actionkey::kSpiralRadius);
    const int32_t sptu = sb::GetActionInteger(values, actionkey::kSpiralTurns);
    const bool spfe = sb::GetActionBoolean(values, actionkey::kSpiralFermat);
    SetSpiralParameters(static_cast<float>(sprd), sptu, spfe);
}

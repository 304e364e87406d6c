#include "tools/VPolarMesh.h"

#include "frame/sb/Action.h"
#include "frame/sb/Art.h"
#include "frame/sb/Document.h"
#include "frame/sb/Style.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"
#include "tools/MeshCurveGrid.h"
#include "tools/MeshCurveGridIO.h"

#include <cmath>
#include <utility>

VPolarMesh::VPolarMesh(const ToolAction* action) : VParamShapeTool(action, "Polar Mesh", kPolarMeshDefaults) {}

bool VPolarMesh::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = TrackAltKey(message);
    if (UpdateDragVector(message, true)) changed = true;
    auto step = [&](int32_t& value, int32_t by) {
        value += by;
        *keyStep = changed = true;
    };
    if (IsUpArrowDown()) {
        if (params_.radialLines < kMaxKeyLines) step(params_.radialLines, 1);
    } else if (IsDownArrowDown() && params_.radialLines > kMinKeyRadialLines) {
        step(params_.radialLines, -1);
    }
    if (IsRightArrowDown()) {
        if (params_.circularLines < kMaxKeyLines) step(params_.circularLines, 1);
    } else if (IsLeftArrowDown() && params_.circularLines > kMinKeyCircularLines) {
        step(params_.circularLines, -1);
    }
    if (IsRKeyDown()) {
        if (params_.innerRadius >= 1) {
            params_.innerRadius -= 1;
            *keyStep = changed = true;
        }
    } else if (IsTKeyDown() && params_.innerRadius <= 99) {
        params_.innerRadius += 1;
        *keyStep = changed = true;
    }
    if (IsPKeyDown()) {
        params_.polygon = !params_.polygon;
        *keyStep = changed = true;
    }
    const float h = DragH(), v = DragV();
    if (AltState())
        CentreOnAnchor();
    else
        SetCentre(Anchor().h + h, Anchor().v + v);
    if (!IsClick()) params_.outerRadius = std::sqrt(h * h + v * v);
    if (changed) ShowCentreInfo(infovariables::kCentreWidth, {params_.outerRadius});
    return changed;
}

PolarMeshFill CurrentPolarMeshFill() {
    const SBPathStyle style = sb::GetCurrentPathStyle();
    PolarMeshFill fill;
    if (!style.fillPaint) {
        fill.colour.kind = SB_COLOR_NONE;
        return fill;
    }
    fill.colour = style.fill.color;
    if (fill.colour.kind != SB_COLOR_GRADIENT) return fill;
    fill.gradient = true;
    const SBGradientHandle gradient = fill.colour.c.gradient.gradient;
    const int16_t count = sb::GetGradientStopCount(gradient);
    for (int16_t n = 0; n < count; ++n) {
        SBGradientStop stop = sb::GetNthGradientStop(gradient, n);
        // A custom colour stop counts as its definition; its tint is not applied.
        if (stop.color.kind == SB_COLOR_CUSTOM) stop.color = sb::GetCustomColor(stop.color.c.custom.color);
        fill.stops.push_back(stop);
    }
    BringStopsToOneModel(fill.stops, sb::GetDocumentColorModel() == SB_MODEL_CMYK);
    return fill;
}

void VPolarMesh::Draw() {
    PolarMeshCurves curves = BuildPolarMeshCurves(params_);
    SetDrew(false);
    if (curves.Empty()) return;
    // The colours first: a fill they cannot come from leaves no half-made mesh behind.
    std::vector<SBColor> colours =
        PolarMeshColours(CurrentPolarMeshFill(), curves.sectors, curves.rings, params_.colourMode);
    const MeshCurveGrid grid(curves.sectors, curves.rings - 1, std::move(curves.ringArcs), std::move(curves.spokes),
                             std::move(colours));
    ArtHandle mesh = sb::NewArt(kArtMesh, kPlaceInsideOnTop, sb::GetFirstArtOfLayer(nullptr));
    WriteMeshCurveGrid(grid, mesh);
    sb::SetArtUserAttr(mesh, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    SetDrew(true);
}

void VPolarMesh::SetPolarMeshParameters(float outerRadius, float innerRadius, int32_t radialLines,
                                        int32_t circularLines, bool polygon, int32_t colourMode) {
    params_.outerRadius = outerRadius;
    params_.innerRadius = innerRadius;
    params_.radialLines = ClampRadialLines(radialLines);
    params_.circularLines = ClampCircularLines(circularLines);
    params_.polygon = polygon;
    params_.colourMode = colourMode;
}

PreferencesElement VPolarMesh::Preferences() const {
    PreferencesElement element("polarmesh");
    element.Add("outerRadius", params_.outerRadius)
        .Add("innerRadius", params_.innerRadius)
        .Add("radialLines", params_.radialLines)
        .Add("circularLines", params_.circularLines)
        .Add("polygon", params_.polygon ? 1 : 0)
        .Add("colorMode", params_.colourMode);
    return element;
}

void VPolarMesh::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kOuterRadius, SB_UNIT_POINTS, params_.outerRadius);
    value.SetUnitReal(actionkey::kInnerRadius, SB_UNIT_PERCENT, params_.innerRadius);
    value.SetInteger(actionkey::kRadialPoints, params_.radialLines);
    value.SetInteger(actionkey::kCirclePoints, params_.circularLines);
    value.SetBoolean(actionkey::kPolygon, params_.polygon);
    value.SetInteger(actionkey::kColourMode, params_.colourMode);
}

void VPolarMesh::ReadAction(SBActionParamValueRef values) {
    const double outer = sb::GetActionReal(values, actionkey::kOuterRadius);
    const double inner = sb::GetActionReal(values, actionkey::kInnerRadius);
    const int32_t radial = sb::GetActionInteger(values, actionkey::kRadialPoints);
    const int32_t circular = sb::GetActionInteger(values, actionkey::kCirclePoints);
    const bool polygon = sb::GetActionBoolean(values, actionkey::kPolygon);
    const int32_t mode = sb::GetActionInteger(values, actionkey::kColourMode);
    SetPolarMeshParameters(static_cast<float>(outer), static_cast<float>(inner), radial, circular, polygon, mode);
}

#include "tools/VGrid.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Art.h"
#include "frame/sb/Style.h"
#include "geometry/PathList.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

const GridParams kGridDefaults = {0.0, 0.0, 36.0, 36.0, 4, 3, false};

namespace {


// A straight segment, its control points on its anchors.
BezierSegment Straight(const RealPoint& from, const RealPoint& to) { return BezierSegment{from, from, to, to}; }

// A new path on top inside the group, holding the list and selected.
ArtHandle AddPath(ArtHandle group, ZPathList& list) {
    ArtHandle path = sb::NewArt(kArtPath, kPlaceInsideOnTop, group);
    list.WriteTo(path);
    sb::SetArtUserAttr(path, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    return path;
}

}  // namespace

int32_t ClampSquares(int32_t count) { return std::max(1, std::min(count, kMaxSquares)); }

VGrid::VGrid(const ToolAction* action) : VParamShapeTool(action, "Grid", kGridDefaults) {}

bool VGrid::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = TrackAltKey(message);
    if (UpdateDragVector(message, false)) changed = true;
    const float h = DragH(), v = DragV();
    if (IsUpArrowDown()) {
        if (params_.squaresY < kMaxKeySquares) {
            ++params_.squaresY;
            *keyStep = changed = true;
        }
    } else if (IsDownArrowDown() && params_.squaresY > 1) {
        --params_.squaresY;
        *keyStep = changed = true;
    }
    if (IsLeftArrowDown()) {
        if (params_.squaresX > 1) {
            --params_.squaresX;
            *keyStep = changed = true;
        }
    } else if (IsRightArrowDown() && params_.squaresX < kMaxKeySquares) {
        ++params_.squaresX;
        *keyStep = changed = true;
    }
    CentreOnAnchorOrMiddle();
    if (!IsClick()) {
        const float across = static_cast<float>(params_.squaresX);
        const float down = static_cast<float>(params_.squaresY);
        params_.width = (AltState() ? 2.0f * h : h) / across;
        params_.height = (AltState() ? 2.0f * v : v) / down;
    }
    if (changed)
        ShowCentreInfo(infovariables::kCentreWidthHeight,
                       {static_cast<double>(params_.squaresX), -static_cast<double>(params_.squaresY)});
    return changed;
}

void VGrid::Draw() {
    const GridParams& p = params_;
    const int32_t across = ClampSquares(p.squaresX);
    const int32_t down = ClampSquares(p.squaresY);
    const float hw = static_cast<float>(p.width * across / 2.0);
    const float hh = static_cast<float>(p.height * down / 2.0);
    ArtHandle group = sb::NewArt(kArtGroup, kPlaceInsideOnTop, sb::GetFirstArtOfLayer(nullptr));
    if (!std::isfinite(hw) || !std::isfinite(hh) || !std::isfinite(static_cast<float>(p.centreH)) ||
        !std::isfinite(static_cast<float>(p.centreV)))
        return;
    const double ch = p.centreH, cv = p.centreV, w = p.width, h = p.height;
    if (p.createAsSquares) {
        for (int32_t i = 0; i < across; ++i) {
            for (int32_t j = 0; j < down; ++j) {
                const double x0 = ch + w * i - hw, y0 = cv + h * j - hh;
                const RealPoint corners[4] = {{x0, y0}, {x0, y0 + h}, {x0 + w, y0 + h}, {x0 + w, y0}};
                const RealPoint& opposite = corners[2];
                FitGradient(static_cast<float>((x0 + opposite.h) / 2), static_cast<float>((y0 + opposite.v) / 2),
                            static_cast<float>((x0 - opposite.h) / 2), static_cast<float>((y0 - opposite.v) / 2));
                ZPathList cell;
                for (int k = 0; k < 4; ++k) cell.Append(Straight(corners[k], corners[(k + 1) % 4]));
                cell.SetClosed(true);
                ArtHandle path = AddPath(group, cell);
                if (HasGradientFill()) sb::SetPathStyle(path, CapturedStyle());
            }
        }
        return;
    }
    auto line = [&](const RealPoint& from, const RealPoint& to) {
        ZPathList list;
        list.Append(Straight(from, to));
        list.Translate(-hw, -hh);
        list.SetClosed(false);
        AddPath(group, list);
    };
    for (int32_t i = 0; i <= across; ++i)
        line(RealPoint{ch + w * i, cv + h * down}, RealPoint{ch + w * i, cv});
    for (int32_t j = 0; j <= down; ++j)
        line(RealPoint{ch + w * across, cv + h * j}, RealPoint{ch, cv + h * j});
}

PreferencesElement VGrid::Preferences() const {
    PreferencesElement element("grid");
    element.Add("width", params_.width)
        .Add("height", params_.height)
        .Add("sqX", params_.squaresX)
        .Add("sqY", params_.squaresY)
        .Add("createAsSq", params_.createAsSquares ? 1 : 0);
    return element;
}

void VGrid::SetGridParameters(float width, float height, int32_t squaresX, int32_t squaresY, bool createAsSquares) {
    params_.width = width;
    params_.height = height;
    params_.squaresX = ClampSquares(squaresX);
    params_.squaresY = ClampSquares(squaresY);
    params_.createAsSquares = createAsSquares;
}

void VGrid::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kWidth, SB_UNIT_POINTS, std::fabs(params_.width));
    value.SetUnitReal(actionkey::kHeight, SB_UNIT_POINTS, std::fabs(params_.height));
    value.SetInteger(actionkey::kSquaresX, params_.squaresX);
    value.SetInteger(actionkey::kSquaresY, params_.squaresY);
    value.SetBoolean(actionkey::kCreateAsSquares, params_.createAsSquares);
}

void VGrid::ReadAction(SBActionParamValueRef values) {
    const double wdth = sb::GetActionReal(values, actionkey::kWidth);
    const double hght = sb::GetActionReal(values, actionkey::kHeight);
    const int32_t nsqx = sb::GetActionInteger(values, actionkey::kSquaresX);
    const int32_t nsqy = sb::GetActionInteger(values, actionkey::kSquaresY);
    const bool csqs = sb::GetActionBoolean(values, actionkey::kCreateAsSquares);
    SetGridParameters(static_cast<float>(wdth), static_cast<float>(hght), nsqx, nsqy, csqs);
}

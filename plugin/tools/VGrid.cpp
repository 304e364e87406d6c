#include "tools/VGrid.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Art.h"
#include "frame/sb/Style.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A new path on top inside the group, holding the list and selected.
ArtHandle AddPath(ArtHandle group, ZPathList& list) {
    ArtHandle path = sb::NewArt(kArtPath, kPlaceInsideOnTop, group);
    WritePathList(list, path);
    sb::SetArtUserAttr(path, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    return path;
}

}  // namespace

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
    GridShape shape = BuildGrid(params_);
    // Only what draws becomes art: a grid without extent leaves no group of empty paths.
    bool anyCell = false;
    for (const GridCell& cell : shape.cells) anyCell = anyCell || Draws(cell.outline);
    std::vector<ZPathList*> lines;
    for (ZPathList& line : shape.lines)
        if (Draws(line)) lines.push_back(&line);
    SetDrew(anyCell || !lines.empty());
    if (!Drew()) return;
    ArtHandle group = sb::NewArt(kArtGroup, kPlaceInsideOnTop, sb::GetFirstArtOfLayer(nullptr));
    for (GridCell& cell : shape.cells) {
        if (!Draws(cell.outline)) continue;
        const RealPoint& corner = cell.corner;
        const RealPoint& opposite = cell.opposite;
        FitGradient(static_cast<float>((corner.h + opposite.h) / 2), static_cast<float>((corner.v + opposite.v) / 2),
                    static_cast<float>((corner.h - opposite.h) / 2), static_cast<float>((corner.v - opposite.v) / 2));
        ArtHandle path = AddPath(group, cell.outline);
        if (HasGradientFill()) sb::SetPathStyle(path, CapturedStyle());
    }
    for (ZPathList* line : lines) AddPath(group, *line);
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

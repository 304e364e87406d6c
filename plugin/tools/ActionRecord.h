// Recording of a tool's action, the same steps for every tool.
#pragma once

#include "frame/ActionKeys.h"
#include "frame/sb/Action.h"
#include "geometry/GeometryTypes.h"

// When the host is recording: a new value with 'tool' := the action's code, then what `fill` sets,
// recorded under the action's event with the dialog status.
template <class Fill>
void RecordToolAction(const ToolAction& action, int32_t dialogStatus, Fill&& fill) {
    if (!sb::HasActionManager() || !sb::InRecordMode()) return;
    sb::ActionParamValue value;
    if (!value.IsValid()) return;
    value.SetInteger(actionkey::kTool, action.code);
    fill(value);
    value.Record(action.event, dialogStatus);
    value.Delete();
}

// The centre ('cntx', 'cnty') and the size ('wdth', 'hght') as the actions carry them, in document
// units.
inline void WriteActionCentre(sb::ActionParamValue& value, double h, double v) {
    value.SetUnitReal(actionkey::kCentreX, SB_UNIT_POINTS, h);
    value.SetUnitReal(actionkey::kCentreY, SB_UNIT_POINTS, v);
}
inline void WriteActionSize(sb::ActionParamValue& value, double width, double height) {
    value.SetUnitReal(actionkey::kWidth, SB_UNIT_POINTS, width);
    value.SetUnitReal(actionkey::kHeight, SB_UNIT_POINTS, height);
}
inline RealPoint ReadActionCentre(SBActionParamValueRef values) {
    const double h = sb::GetActionReal(values, actionkey::kCentreX);
    return RealPoint{h, sb::GetActionReal(values, actionkey::kCentreY)};
}
inline RealPoint ReadActionSize(SBActionParamValueRef values) {
    const double width = sb::GetActionReal(values, actionkey::kWidth);
    return RealPoint{width, sb::GetActionReal(values, actionkey::kHeight)};
}

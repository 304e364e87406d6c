// Recording of a tool's action, the same steps for every tool.
#pragma once

#include "frame/ActionKeys.h"
#include "frame/sb/Action.h"

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

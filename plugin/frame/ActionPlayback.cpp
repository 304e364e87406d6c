// Playback of recorded actions: the tool code picks the catalogue row, whose tool reads its own
// values.
#include "frame/ErrorReport.h"
#include "frame/ToolCatalogue.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Action.h"

SBErr ZarvoPlugin::OnDoAction(SBActionMessage* message) {
    SetInteractionMode("Action");
    return GuardedWithAlert([&]() -> SBErr {
        if (!message) return 0;
        const int32_t code = sb::GetActionInteger(message->params, actionkey::kTool);
        for (const ToolRow& row : Tools()) {
            if (!row.action || row.action->code != code) continue;
            if (row.playBack) row.playBack(ObjectOf(row), message->params, message->showDialog != 0);
            break;
        }
        return 0;
    });
}

#include "tools/VTool.h"

#include "geometry/DesktopHelpers.h"

SBErr VBasicTool::EditOptions(SBToolMessage*) { return 0; }
SBErr VBasicTool::Select(SBToolMessage*) { return 0; }
SBErr VBasicTool::Deselect(SBToolMessage*) { return 0; }

SBErr VBasicTool::TrackCursor(SBToolMessage*) {
    SetCrossCursor();
    return 0;
}

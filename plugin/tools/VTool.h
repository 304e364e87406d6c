// Every tool of the plug-in answers the host's tool messages through these operations; routing
// finds the object by the message's tool handle.
#pragma once

#include <scribera/SBMessages.h>

class VTool {
public:
    virtual ~VTool() = default;
    // The user double-clicked the tool's icon.
    virtual SBErr EditOptions(SBToolMessage* message) = 0;
    virtual SBErr Select(SBToolMessage* message) = 0;
    virtual SBErr Deselect(SBToolMessage* message) = 0;
    // The cursor moves over the document.
    virtual SBErr TrackCursor(SBToolMessage* message) = 0;
    virtual SBErr MouseDown(SBToolMessage* message) = 0;
    virtual SBErr MouseUp(SBToolMessage* message) = 0;
    virtual SBErr MouseDrag(SBToolMessage* message) = 0;
    // A step of the drag failed and the document went back to its last undo point, taking the
    // drag's art with it: the tool lets go of that art and of the drag, without a mouse up.
    virtual void AbandonDrag() {}
};

// The answers most tools give: nothing to do on a double-click on the icon, on selection and on
// deselection, and the cross-hair cursor over the document.
class VBasicTool : public VTool {
public:
    SBErr EditOptions(SBToolMessage* message) override;
    SBErr Select(SBToolMessage* message) override;
    SBErr Deselect(SBToolMessage* message) override;
    SBErr TrackCursor(SBToolMessage* message) override;
};

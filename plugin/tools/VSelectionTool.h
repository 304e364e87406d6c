// The tools that act on the selection (mirror and cut, rectangle cut) share one drag cycle: mouse
// down takes the selected paths and meshes; each drag step that changes something reverts the last
// preview and makes it again with its marks; mouse up keeps the last result, removes the marks,
// records the action and names the undo entry.
#pragma once

#include "geometry/ItemArray.h"
#include "tools/VTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VSelectionTool : public VBasicTool {
public:
    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    // A failing step shows the error once and empties the lists; later steps and the mouse up then
    // change nothing.
    SBErr MouseDrag(SBToolMessage* message) override;
    void AbandonDrag() override;

    // True when the drag step changed anything.
    virtual bool UpdateFromEvent(SBToolMessage* message) = 0;

protected:
    // The rest of a mouse down, after the selection was taken.
    virtual void BeginDrag(const SBToolMessage* message) = 0;
    // After the revert, which took the previous marks with it: the operation and its marks.
    virtual void Preview() = 0;
    virtual void DisposeMarks() = 0;
    // Lets go of the marks without disposing of them: the revert took them.
    virtual void ForgetMarks() = 0;
    virtual void RecordAction() = 0;
    // "Cut" gives "Undo Cut" and "Redo Cut".
    virtual const char* UndoName() const = 0;

    // The info panel is a courtesy: its failure does not stop the drag.
    static void ShowInfo(const int32_t* variables, const double* values);

    // Takes the selected paths and meshes; releases them.
    void TakeSelection();
    void ReleaseSelection();

    ArtList paths_;
    ArtList meshes_;

private:
    bool failed_ = false;  // a step of the current drag failed
};

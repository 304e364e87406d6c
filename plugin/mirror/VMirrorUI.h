// The "Mirror" and "Cut" tools share this object: the axis passes through the cursor, keys turn
// it, modifier bits pick the mirror type, and every drag step reverts and applies again.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "mirror/MirrorParams.h"
#include "tools/VTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VMirrorUI : public VTool {
public:
    static constexpr int32_t kMirrorCode = 7;
    static constexpr int32_t kCutCode = 8;

    VMirrorUI();

    SBErr EditOptions(SBToolMessage* message) override;
    SBErr Select(SBToolMessage* message) override;
    SBErr Deselect(SBToolMessage* message) override;
    SBErr TrackCursor(SBToolMessage* message) override;
    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    SBErr MouseDrag(SBToolMessage* message) override;

    void SetCutMode(bool cut) { cut_ = cut; }
    bool IsCut() const { return cut_; }

    // Applies the operation to the selection as recorded, and records it again.
    void ApplyFromAction(double h, double v, double angle, int32_t type, bool flipAgain);
    // True when the drag step changed anything.
    bool UpdateFromEvent(SBToolMessage* message);
    void DrawAxisMarker();
    void RecordMirrorAction();

    MirrorParams& Params() { return params_; }
    const MirrorParams& Params() const { return params_; }

    // Playback of the mirror (7) and cut (8) actions.
    static void PlayBackMirror(SBActionParamValueRef values, bool showDialog);
    static void PlayBackCut(SBActionParamValueRef values, bool showDialog);

private:
    // The record the panel edits: the defaults until the options were first opened.
    const MirrorParams& PanelRecord() const;
    void ForgetMarker();

    MirrorParams params_;
    bool cut_ = false;
    RealPoint lastOrigin_{-1e10, -1e10};
    ArtList paths_;
    ArtList meshes_;
    float minH_ = 0, maxH_ = 0, minV_ = 0, maxV_ = 0;
    ArtHandle marker_[4] = {nullptr, nullptr, nullptr, nullptr};
    bool optionsOpened_ = false;
};

// Fills the routing hooks of the mirror and cut tools, the rectangle cut and the three effects.
void InstallMirrorHooks();

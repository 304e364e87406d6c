// The "RectCut" tool: keeps only what lies inside the rectangle dragged in the document, by four
// cuts along its sides.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "tools/VTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRectangularCutUI : public VTool {
public:
    static constexpr int32_t kToolCode = 9;

    SBErr EditOptions(SBToolMessage* message) override;
    SBErr Select(SBToolMessage* message) override;
    SBErr Deselect(SBToolMessage* message) override;
    SBErr TrackCursor(SBToolMessage* message) override;
    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    SBErr MouseDrag(SBToolMessage* message) override;

    bool UpdateFromEvent(SBToolMessage* message);
    // Corners in the order (L, T), (L, B), (R, B), (R, T).
    void CutToRectangle(const RealPoint corners[4]);
    void DrawOutline(const RealPoint corners[4]);
    void ApplyFromAction(float centreH, float centreV, float width, float height, int32_t mirrorType);
    void RecordRectCutAction();

    int32_t MirrorType() const { return mirrorType_; }
    float DragH() const { return dragH_; }
    float DragV() const { return dragV_; }
    bool FromCentre() const { return fromCentre_; }

    static VRectangularCutUI* Instance();
    static void PlayBackHook(SBActionParamValueRef values, bool showDialog);

private:
    void Corners(RealPoint corners[4]) const;

    ArtList paths_;
    ArtList meshes_;
    int32_t mirrorType_ = 7;
    RealPoint start_{0, 0};
    float dragH_ = 0.0f;
    float dragV_ = 0.0f;
    bool fromCentre_ = false;
    ArtHandle outline_ = nullptr;
};

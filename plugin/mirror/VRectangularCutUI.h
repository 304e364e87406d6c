// The "RectCut" tool: keeps only what lies inside the rectangle dragged in the document, by four
// cuts along its sides.
#pragma once

#include "frame/ActionKeys.h"
#include "geometry/GeometryTypes.h"
#include "tools/DragVector.h"
#include "tools/VSelectionTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRectangularCutUI : public VSelectionTool {
public:
    explicit VRectangularCutUI(const ToolAction& action) : action_(action) {}

    SBErr Select(SBToolMessage* message) override;

    bool UpdateFromEvent(SBToolMessage* message) override;
    // Corners in the order (L, T), (L, B), (R, B), (R, T).
    void CutToRectangle(const RealPoint corners[4]);
    void DrawOutline(const RealPoint corners[4]);
    void ApplyFromAction(float centreH, float centreV, float width, float height, int32_t mirrorType);
    void RecordRectCutAction();
    // Reads the recorded values and applies them.
    void PlayBack(SBActionParamValueRef values);

    int32_t MirrorType() const { return mirrorType_; }
    float DragH() const { return drag_.H(); }
    float DragV() const { return drag_.V(); }
    bool FromCentre() const { return fromCentre_; }

protected:
    void BeginDrag(const SBToolMessage* message) override;
    void Preview() override;
    void DisposeMarks() override;
    void ForgetMarks() override { outline_ = nullptr; }
    void RecordAction() override { RecordRectCutAction(); }
    const char* UndoName() const override { return "Rectangle Cut"; }

private:
    void Corners(RealPoint corners[4]) const;

    const ToolAction& action_;
    int32_t mirrorType_ = 7;
    DragVector drag_;
    bool fromCentre_ = false;
    ArtHandle outline_ = nullptr;
};

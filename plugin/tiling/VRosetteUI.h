// The "Rosette" tool: press at the centre and drag outward. Every drag step cuts the selected paths
// to a wedge of 360/n degrees beside the drag direction (or mirrors them inside it) and turns n − 1
// copies about the centre, with two rays along the wedge's sides as a guide.
#pragma once

#include "geometry/GeometryTypes.h"
#include "tiling/RosetteParams.h"
#include "tools/VSelectionTool.h"

#include <scribera/SBMessages.h>

// What the rosette tool sees of its panel controller.
class VRosettePanel {
public:
    // The controller edits `record` from now on and loads the panel.
    virtual void Open(RosetteParams* record) = 0;

protected:
    ~VRosettePanel() = default;
};

class VRosetteUI : public VSelectionTool {
public:
    VRosetteUI() : params_(DefaultRosetteParams) {}

    SBErr EditOptions(SBToolMessage* message) override;
    bool UpdateFromEvent(SBToolMessage* message) override;

    void AttachPanel(VRosettePanel* panel) { panel_ = panel; }
    // The values the panel answered with (the count already held to 1 … 50).
    void SetParams(const RosetteParams& params) { params_ = params; }
    const RosetteParams& Params() const { return params_; }

    const RealPoint& Centre() const { return centre_; }
    float Radius() const { return radius_; }
    float Angle() const { return angle_; }
    bool Snapping() const { return snap_; }

protected:
    void BeginDrag(const SBToolMessage* message) override;
    void Preview() override;
    void DisposeMarks() override;
    void ForgetMarks() override;
    // The rosette records no action.
    void RecordAction() override {}
    const char* UndoName() const override { return "Rosette"; }

private:
    void BuildRosette();
    void DrawRosetteGuide();

    VRosettePanel* panel_ = nullptr;
    RosetteParams params_;
    RealPoint centre_{0, 0};
    float radius_ = 0.0f;
    float angle_ = 0.0f;  // degrees
    bool snap_ = false;
    bool keyStep_ = false;  // a key changed the settings in the current step
    ArtHandle guide_[2] = {nullptr, nullptr};
};

// The spike tool: a drag across the selected paths and meshes pulls a spike out of every segment
// (and every mesh edge) the drag line crosses, pointing along the drag. Up and Down change the
// sharpness, Shift keeps the line horizontal or vertical; a double-click on the icon opens its
// panel. It records no action.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "tools/VSelectionTool.h"

#include <scribera/SBMessages.h>

// What the spike sees of its panel controller: the opening, with the sharpness to show.
class VSpikePanel {
public:
    virtual void Open(float sharpness) = 0;

protected:
    ~VSpikePanel() = default;
};

class VSpike : public VSelectionTool {
public:
    static constexpr float kDefaultSharpness = 0.5f;
    static constexpr float kSharpnessStep = 0.05f;

    SBErr EditOptions(SBToolMessage* message) override;
    bool UpdateFromEvent(SBToolMessage* message) override;

    float Sharpness() const { return sharpness_; }
    // From the panel: kept within 0 … 1, the range the keys step through (beyond it a tip would
    // lie behind the crossing or past the line's end, as far as the value says); not a number
    // keeps the sharpness.
    void SetSharpness(float sharpness);
    void AttachPanel(VSpikePanel* panel) { panel_ = panel; }

    // Spikes the paths and meshes along the line from `anchor` to `end` (nothing for a degenerate
    // line), each changed one written back and selected.
    void ApplySpikes(const RealPoint& anchor, const RealPoint& end);

protected:
    void BeginDrag(const SBToolMessage* message) override;
    void Preview() override;
    void DisposeMarks() override;
    void ForgetMarks() override { guides_[0] = guides_[1] = nullptr; }
    void RecordAction() override {}
    const char* UndoName() const override { return "Spike"; }

private:
    void SpikePath(ArtHandle path, const Line& line);
    void SpikeMesh(ArtHandle mesh, const Line& line);
    void DrawGuides(const RealPoint& end);

    float sharpness_ = kDefaultSharpness;
    RealPoint anchor_{0, 0};
    RealPoint current_{0, 0};
    bool shift_ = false;
    bool keyStep_ = false;
    ArtHandle guides_[2] = {nullptr, nullptr};
    VSpikePanel* panel_ = nullptr;
};

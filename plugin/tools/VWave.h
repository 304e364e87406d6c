// The wave tool: a row of alternating arches over a baseline, one open path of two cubic segments
// per arch. The drag sets the row's length and the crest height, Left and Right the arch count; a
// click, a double-click on the icon and action playback open the wave's panel.
#pragma once

#include "geometry/PathList.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

struct WaveParams {
    double centreH;
    double centreV;
    double width;   // length of the row; negative mirrors it
    double height;  // baseline to crest; negative swaps the sides
    int32_t waves;
};

extern const WaveParams kWaveDefaults;

// A count from a panel or a recorded action above this draws as this many arches (20000 segments,
// within what a host path holds), so no value makes a step unbounded. A count of 0 or below draws
// nothing, and so does a size or centre that is not finite in single precision.
constexpr int32_t kMaxDrawnWaves = 10000;
ZPathList BuildWave(const WaveParams& params);

class VWave : public VPanelShapeTool {
public:
    static constexpr int32_t kToolCode = 2;
    static constexpr int32_t kMaxKeyWaves = 40;

    VWave();

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetWaveParameters(float width, float height, int32_t waves);
    // Playback of tool code 2 on the plug-in's wave object.
    static void PlayBackHook(SBActionParamValueRef values, bool showDialog);

    const WaveParams& Parameters() const { return params_; }

protected:
    void OpenPanel() override;
    RealPoint Centre() const override { return RealPoint{params_.centreH, params_.centreV}; }
    void SetCentre(double h, double v) override {
        params_.centreH = h;
        params_.centreV = v;
    }
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;

private:
    WaveParams params_;
};

// The wave tool: a row of alternating arches over a baseline, one open path of two cubic segments
// per arch. The drag sets the row's length and the crest height, Left and Right the arch count; a
// click, a double-click on the icon and action playback open the wave's panel.
#pragma once

#include "tools/WaveShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

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

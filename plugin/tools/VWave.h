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

class VWave : public VParamShapeTool<WaveParams> {
public:
    static constexpr int32_t kMaxKeyWaves = 40;

    // Without an action (made outside the catalogue) it records nothing.
    explicit VWave(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetWaveParameters(float width, float height, int32_t waves);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};

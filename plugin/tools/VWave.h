// The wave tool: a row of alternating arches over a baseline, one open path of two cubic segments
// per arch. The drag sets the row's length and the crest height, Left and Right the arch count; a
// click, a double-click on the icon and action playback open the wave's panel.
#pragma once

#include "tools/WaveShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

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

// The spiral tool: an Archimedean spiral r = a·θ from the press point out to the drag point, one
// fitted cubic per quarter turn. Left and Right change the whole turns, R the two-armed form; a
// click, a double-click on the icon and action playback open the spiral's panel.
#pragma once

#include "tools/SpiralShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VSpiral : public VParamShapeTool<SpiralParams> {
public:
    static constexpr int32_t kMaxKeyTurns = 50;

    // Without an action (made outside the catalogue) it records nothing.
    explicit VSpiral(const ToolAction* action = nullptr);

    SBErr MouseDown(SBToolMessage* message) override;
    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetSpiralParameters(float radius, int32_t turns, bool fermat);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;

private:
    // The drag vector after the Shift snap; its direction is where the outer end lies.
    float dirH_ = 0.0f;
    float dirV_ = 0.0f;
};

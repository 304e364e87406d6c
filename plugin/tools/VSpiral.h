// The spiral tool: an Archimedean spiral r = a·θ from the press point out to the drag point, one
// fitted cubic per quarter turn. Left and Right change the whole turns, R the two-armed form; a
// click, a double-click on the icon and action playback open the spiral's panel.
#pragma once

#include "geometry/PathList.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

struct SpiralParams {
    double centreH;
    double centreV;
    double radius;
    int32_t turns;
    bool fermat;  // two arms through the centre
};

extern const SpiralParams kSpiralDefaults;

// Turns from a panel or a recorded action above this draw as this many: 4 segments a turn, twice
// that with two arms, stays within what a host path holds and keeps a step bounded.
constexpr int32_t kMaxDrawnTurns = 3000;

// The quarter turn from theta0 to theta1 (radians) of r = growth·θ, fitted to its samples; false
// when the samples coincide.
bool SpiralQuarterTurn(float growth, float theta0, float theta1, BezierSegment* segment);
// The spiral about the origin ending in the direction (dirH, dirV), centred on the parameters'
// centre. Raises CheckFailure when even the first quarter turn has nothing to fit (a radius of 0);
// a final sliver too short to fit is left out. A radius or centre that is not finite draws nothing.
ZPathList BuildSpiral(const SpiralParams& params, float dirH, float dirV);

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

// The rose tool: a closed path of equal petals around a centre. Dragging sets the radius, the
// arrow keys the petal count and width; a click, a double-click on the icon and action playback
// open the rose's panel.
#pragma once

#include "tools/RoseShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRose : public VParamShapeTool<RoseParams> {
public:
    static constexpr int32_t kMaxKeyLobes = 40;
    static constexpr double kMaxKeyWidth = 3.0;

    // Without an action (made outside the catalogue) it records nothing.
    explicit VRose(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetRoseParameters(float radius, int32_t lobes, float width);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};

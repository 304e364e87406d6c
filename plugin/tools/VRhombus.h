// The rhombus tool: the rhombus with horizontal and vertical diagonals inscribed in the dragged
// rectangle. A click, a double-click on the icon and action playback open its panel.
#pragma once

#include "tools/RhombusShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRhombus : public VParamShapeTool<RhombusParams> {
public:
    // Without an action (made outside the catalogue) it records nothing.
    explicit VRhombus(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetRhombusParameters(float width, float height);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};

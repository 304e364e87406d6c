// The grid tool: a grid over the dragged rectangle inside a new group, as open lines or as one
// closed path per cell. The arrow keys change the cells across and down; a click, a double-click
// on the icon and action playback open its panel.
#pragma once

#include "tools/GridShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VGrid : public VParamShapeTool<GridParams> {
public:
    static constexpr int32_t kMaxKeySquares = 60;

    // Without an action (made outside the catalogue) it records nothing.
    explicit VGrid(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    // The group of lines or cells; sizes or a centre not finite in single precision leave it empty.
    void Draw() override;

    void SetGridParameters(float width, float height, int32_t squaresX, int32_t squaresY, bool createAsSquares);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};

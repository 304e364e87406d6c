// The grid tool: a grid over the dragged rectangle inside a new group, as open lines or as one
// closed path per cell. The arrow keys change the cells across and down; a click, a double-click
// on the icon and action playback open its panel.
#pragma once

#include "tools/GridShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VGrid : public VPanelShapeTool {
public:
    static constexpr int32_t kToolCode = 12;
    static constexpr int32_t kMaxKeySquares = 60;

    VGrid();

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    // The group of lines or cells; sizes or a centre not finite in single precision leave it empty.
    void Draw() override;

    void SetGridParameters(float width, float height, int32_t squaresX, int32_t squaresY, bool createAsSquares);
    static void PlayBackHook(SBActionParamValueRef values, bool showDialog);

    const GridParams& Parameters() const { return params_; }

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
    GridParams params_;
};

// The rhombus tool: the rhombus with horizontal and vertical diagonals inscribed in the dragged
// rectangle. A click, a double-click on the icon and action playback open its panel.
#pragma once

#include "tools/RhombusShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRhombus : public VPanelShapeTool {
public:
    static constexpr int32_t kToolCode = 4;

    VRhombus();

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetRhombusParameters(float width, float height);
    static void PlayBackHook(SBActionParamValueRef values, bool showDialog);

    const RhombusParams& Parameters() const { return params_; }

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
    RhombusParams params_;
};

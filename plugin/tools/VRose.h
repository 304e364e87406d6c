// The rose tool: a closed path of equal petals around a centre. Dragging sets the radius, the
// arrow keys the petal count and width; a click, a double-click on the icon and action playback
// open the rose's panel.
#pragma once

#include "tools/RoseShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VRose : public VPanelShapeTool {
public:
    static constexpr int32_t kToolCode = 1;
    static constexpr int32_t kMaxKeyLobes = 40;
    static constexpr double kMaxKeyWidth = 3.0;

    VRose();

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetRoseParameters(float radius, int32_t lobes, float width);

    const RoseParams& Parameters() const { return params_; }
    RoseParams& MutableParameters() { return params_; }

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
    RoseParams params_;
};

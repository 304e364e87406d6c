// The rose tool: a closed path of equal petals around a centre. Dragging sets the radius, the
// arrow keys the petal count and width; a click, a double-click on the icon and action playback
// open the rose's panel.
#pragma once

#include "geometry/PathList.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

struct RoseParams {
    double centreH;
    double centreV;
    double radius;
    int32_t lobes;
    double width;  // petal width control, 0 to 3 through the keys
};

// The defaults every rose starts from.
extern const RoseParams kRoseDefaults;

// The petals of a rose as a closed path list. A count above kMaxDrawnLobes draws as that many, so
// that no value from a panel or a recorded action can make a drawing step unbounded; a count of 0
// or below draws nothing, and so do a radius, centre or width that are not finite.
constexpr int32_t kMaxDrawnLobes = 10000;
ZPathList BuildRose(const RoseParams& params);

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

// The rhombus tool: the rhombus with horizontal and vertical diagonals inscribed in the dragged
// rectangle. A click, a double-click on the icon and action playback open its panel.
#pragma once

#include "geometry/PathList.h"
#include "tools/VObjectCreationTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

struct RhombusParams {
    double centreH;
    double centreV;
    double width;   // horizontal diagonal
    double height;  // vertical diagonal
};

extern const RhombusParams kRhombusDefaults;

// The closed four-segment path; a size or centre not finite in single precision draws nothing.
ZPathList BuildRhombus(const RhombusParams& params);

class VRhombus : public VObjectCreationTool {
public:
    static constexpr int32_t kToolCode = 4;

    VRhombus();

    SBErr EditOptions(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetRhombusParameters(float width, float height);
    void DrawAt(float h, float v);
    void FinishClick();
    void RecordAction();
    void PlayBack(SBActionParamValueRef values, bool showDialog);
    static void PlayBackHook(SBActionParamValueRef values, bool showDialog);

    void PanelConfirmed();
    void PanelCancelled();

    const RhombusParams& Parameters() const { return params_; }

private:
    void OpenPanel();

    RealPoint playbackCentre_{0, 0};
    RhombusParams params_;
    SBToolMessage savedMouseUp_{};
};

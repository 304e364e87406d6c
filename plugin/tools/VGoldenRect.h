// The golden rectangle tool: a closed rectangle with sides in the golden ratio, the larger drag
// component setting the long side. No panel; every press records its action and names its undo
// entry.
#pragma once

#include "frame/ActionKeys.h"
#include "tools/GoldenRectShape.h"
#include "tools/VObjectCreationTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VGoldenRectangle : public VObjectCreationTool {
public:
    explicit VGoldenRectangle(const ToolAction& action) : action_(action) {}

    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    void Draw() override;

    void SetDragVector(float w, float h);
    void RecordAction();
    // Draws the recorded rectangle about its centre and records it again, dialog or not.
    void PlayBack(SBActionParamValueRef values);

    float Width() const { return w_; }
    float Height() const { return h_; }

private:
    const ToolAction& action_;
    // The base keeps its anchor, drag vector and Alt state to itself; playback sets these.
    RealPoint anchor_{0, 0};
    float w_ = 0.0f;
    float h_ = 0.0f;
    bool alt_ = false;
};

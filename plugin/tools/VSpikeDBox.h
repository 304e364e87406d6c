// The options panel of the spike tool: the sharpness.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VSpike.h"

#include <string>

class VSpikeDBox : public VToolPanelController, public VSpikePanel {
public:
    static const ToolPanelNames kNames;

    VSpikeDBox(const PanelSlots& slots, VSpike& tool);

    // Opens the panel without changing the interaction mode.
    void Open(float sharpness) override;
    // The sharpness the panel was last opened with; the default before.
    float Shown() const { return shown_; }

    std::string Payload() const override;
    // Sets the tool's sharpness, whatever the interaction mode; nothing is drawn.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

private:
    VSpike& tool_;
    float shown_ = VSpike::kDefaultSharpness;
};

#include "tools/VSpikeDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VSpikeDBox::kNames = {
    "com.zarvo.Spike",
    "com.norvane.event.SpikeToolParams",
    "com.norvane.event.SpikeToolCancel",
    "com.norvane.event.SpikeTool",
    "DisplaySpikeToolOptions",
};

VSpikeDBox::VSpikeDBox(const PanelSlots& slots, VSpike& tool) : VToolPanelController(kNames, slots), tool_(tool) {}

void VSpikeDBox::Open(float sharpness) {
    shown_ = sharpness;
    OpenPanel();
}

std::string VSpikeDBox::Payload() const { return PanelPayload().Add("sharpness", static_cast<double>(shown_)).Text(); }

void VSpikeDBox::ReceiveParameters(const std::string& payload) {
    std::string text;
    // An answer without the sharpness leaves it as it was.
    if (!ExtractPayloadValue(payload, "sharpness", &text)) return;
    tool_.SetSharpness(static_cast<float>(ReadLeadingNumber(text)));
    shown_ = tool_.Sharpness();
}

#include "tools/VSpiralDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VSpiralDBox::kNames = {
    "com.zarvo.Spiral",
    "com.norvane.event.SpiralToolParams",
    "com.norvane.event.SpiralToolCancel",
    "com.norvane.event.SpiralTool",
    "DisplayArchSpiralToolOptions",
    &ZGlobals::spiralDBox,
    {&ZGlobals::spiralTool, nullptr},
};

VSpiralDBox::VSpiralDBox(const SpiralParams* defaults) : VShapeToolDBox(kNames, defaults) {}

std::string VSpiralDBox::Payload() const {
    const SpiralParams& p = *Parameters();
    return PanelPayload().Add("radius", p.radius).Add("turns", p.turns).Add("fermat", p.fermat).Text();
}

void VSpiralDBox::ReceiveParameters(const std::string& payload) {
    SpiralParams* params = Block();
    if (!params) return;
    ReadPayloadField(payload, "radius", &params->radius);
    ReadPayloadField(payload, "turns", &params->turns);
    ReadPayloadField(payload, "fermat", &params->fermat);
    Confirm();
}

#include "tools/VSpiralDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VSpiralDBox::kNames = {
    "com.zarvo.Spiral",
    "com.norvane.event.SpiralToolParams",
    "com.norvane.event.SpiralToolCancel",
    "com.norvane.event.SpiralTool",
    "DisplayArchSpiralToolOptions",
};

VSpiralDBox::VSpiralDBox(const PanelSlots& slots, VSpiral& tool) : VShapeToolDBox(kNames, slots, tool, kSpiralDefaults) {}

std::string VSpiralDBox::Payload() const {
    const SpiralParams& p = Shown();
    return PanelPayload().Add("radius", p.radius).Add("turns", p.turns).Add("fermat", p.fermat).Text();
}

void VSpiralDBox::Read(const std::string& payload, SpiralParams& values) const {
    ReadPayloadField(payload, "radius", &values.radius);
    ReadPayloadField(payload, "turns", &values.turns);
    ReadPayloadField(payload, "fermat", &values.fermat);
}

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

VSpiralDBox::VSpiralDBox(const SpiralParams* defaults) : VToolPanelController(kNames), defaults_(defaults) {}

void VSpiralDBox::PointAt(VSpiral* spiral, SpiralParams* params) {
    spiral_ = spiral;
    params_ = params;
}

std::string VSpiralDBox::Payload() const {
    const SpiralParams& p = *Parameters();
    return PanelPayload().Add("radius", p.radius).Add("turns", p.turns).Add("fermat", p.fermat).Text();
}

void VSpiralDBox::ReceiveParameters(const std::string& payload) {
    if (!params_) return;
    ReadPayloadField(payload, "radius", &params_->radius);
    ReadPayloadField(payload, "turns", &params_->turns);
    ReadPayloadField(payload, "fermat", &params_->fermat);
    if (spiral_) spiral_->PanelConfirmed();
}

void VSpiralDBox::Cancel() {
    if (spiral_) spiral_->PanelCancelled();
}

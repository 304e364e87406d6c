#include "tools/VRoseDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VRoseDBox::kNames = {
    "com.zarvo.Rose",
    "com.norvane.event.RoseToolParams",
    "com.norvane.event.RoseToolCancel",
    "com.norvane.event.RoseTool",
    "DisplayRoseToolOptions",
    &ZGlobals::roseDBox,
    {&ZGlobals::roseTool, nullptr},
};

VRoseDBox::VRoseDBox(const RoseParams* defaults) : VShapeToolDBox(kNames, defaults) {}

std::string VRoseDBox::Payload() const {
    const RoseParams& p = *Parameters();
    return PanelPayload().Add("radius", p.radius).Add("lobes", p.lobes).Add("width", p.width).Text();
}

void VRoseDBox::ReceiveParameters(const std::string& payload) {
    RoseParams* params = Block();
    if (!params) return;
    ReadPayloadField(payload, "radius", &params->radius);
    ReadPayloadField(payload, "lobes", &params->lobes);
    ReadPayloadField(payload, "width", &params->width);
    Confirm();
}

#include "tools/VRoseDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VRoseDBox::kNames = {
    "com.zarvo.Rose",
    "com.norvane.event.RoseToolParams",
    "com.norvane.event.RoseToolCancel",
    "com.norvane.event.RoseTool",
    "DisplayRoseToolOptions",
};

VRoseDBox::VRoseDBox(const PanelSlots& slots, VRose& tool) : VShapeToolDBox(kNames, slots, tool, kRoseDefaults) {}

std::string VRoseDBox::Payload() const {
    const RoseParams& p = Shown();
    return PanelPayload().Add("radius", p.radius).Add("lobes", p.lobes).Add("width", p.width).Text();
}

void VRoseDBox::Read(const std::string& payload, RoseParams& values) const {
    ReadPayloadField(payload, "radius", &values.radius);
    ReadPayloadField(payload, "lobes", &values.lobes);
    ReadPayloadField(payload, "width", &values.width);
}

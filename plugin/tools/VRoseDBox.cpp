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

VRoseDBox::VRoseDBox(const RoseParams* defaults) : VToolPanelController(kNames), defaults_(defaults) {}

void VRoseDBox::PointAt(VRose* rose, RoseParams* params) {
    rose_ = rose;
    params_ = params;
}

std::string VRoseDBox::Payload() const {
    const RoseParams& p = *Parameters();
    return PanelPayload().Add("radius", p.radius).Add("lobes", p.lobes).Add("width", p.width).Text();
}

void VRoseDBox::ReceiveParameters(const std::string& payload) {
    if (!params_) return;
    ReadPayloadField(payload, "radius", &params_->radius);
    ReadPayloadField(payload, "lobes", &params_->lobes);
    ReadPayloadField(payload, "width", &params_->width);
    if (rose_) rose_->PanelConfirmed();
}

void VRoseDBox::Cancel() {
    if (rose_) rose_->PanelCancelled();
}

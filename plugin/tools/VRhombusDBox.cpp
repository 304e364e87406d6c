#include "tools/VRhombusDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VRhombusDBox::kNames = {
    "com.zarvo.Rhombus",
    "com.norvane.event.RhombusToolParams",
    "com.norvane.event.RhombusToolCancel",
    "com.norvane.event.RhombusTool",
    "DisplayRhombusToolOptions",
    &ZGlobals::rhombusDBox,
    {&ZGlobals::rhombusTool, nullptr},
};

VRhombusDBox::VRhombusDBox(const RhombusParams* defaults) : VToolPanelController(kNames), defaults_(defaults) {}

void VRhombusDBox::PointAt(VRhombus* rhombus, RhombusParams* params) {
    rhombus_ = rhombus;
    params_ = params;
}

std::string VRhombusDBox::Payload() const {
    const RhombusParams& p = *Parameters();
    return PanelPayload(PanelPayload::kCompactSeparator).Add("width", p.width).Add("height", p.height).Text();
}

void VRhombusDBox::ReceiveParameters(const std::string& payload) {
    if (!params_) return;
    std::string text;
    ReadPayloadField(payload, "width", &params_->width);
    if (ExtractPayloadValue(payload, "height", &text)) params_->height = ReadLeadingInteger(text);
    if (rhombus_) rhombus_->PanelConfirmed();
}

void VRhombusDBox::Cancel() {
    if (rhombus_) rhombus_->PanelCancelled();
}

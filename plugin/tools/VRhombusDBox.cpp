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

VRhombusDBox::VRhombusDBox(const RhombusParams* defaults) : VShapeToolDBox(kNames, defaults) {}

std::string VRhombusDBox::Payload() const {
    const RhombusParams& p = *Parameters();
    return PanelPayload(PanelPayload::kCompactSeparator).Add("width", p.width).Add("height", p.height).Text();
}

void VRhombusDBox::ReceiveParameters(const std::string& payload) {
    RhombusParams* params = Block();
    if (!params) return;
    std::string text;
    ReadPayloadField(payload, "width", &params->width);
    if (ExtractPayloadValue(payload, "height", &text)) params->height = ReadLeadingInteger(text);
    Confirm();
}

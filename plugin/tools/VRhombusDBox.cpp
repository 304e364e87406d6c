#include "tools/VRhombusDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VRhombusDBox::kNames = {
    "com.zarvo.Rhombus",
    "com.norvane.event.RhombusToolParams",
    "com.norvane.event.RhombusToolCancel",
    "com.norvane.event.RhombusTool",
    "DisplayRhombusToolOptions",
};

VRhombusDBox::VRhombusDBox(const PanelSlots& slots, VRhombus& tool) : VShapeToolDBox(kNames, slots, tool, kRhombusDefaults) {}

std::string VRhombusDBox::Payload() const {
    const RhombusParams& p = Shown();
    return PanelPayload(PanelPayload::kCompactSeparator).Add("width", p.width).Add("height", p.height).Text();
}

void VRhombusDBox::Read(const std::string& payload, RhombusParams& values) const {
    std::string text;
    ReadPayloadField(payload, "width", &values.width);
    if (ExtractPayloadValue(payload, "height", &text)) values.height = ReadLeadingInteger(text);
}

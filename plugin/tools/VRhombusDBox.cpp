#include "tools/VRhombusDBox.h"

#include "panels/PanelPayload.h"

namespace {

// This panel's payload has no blank before the colon.
std::string Payload(const RhombusParams& p) {
    return PanelPayload(PanelPayload::kCompactSeparator).Add("width", p.width).Add("height", p.height).Text();
}

void Read(const std::string& payload, RhombusParams& values) {
    std::string text;
    ReadPayloadField(payload, "width", &values.width);
    if (ExtractPayloadValue(payload, "height", &text)) values.height = ReadLeadingInteger(text);
}

}  // namespace

const ShapePanelFields<RhombusParams> kRhombusPanel = {
    {
        "com.zarvo.Rhombus",
        "com.norvane.event.RhombusToolParams",
        "com.norvane.event.RhombusToolCancel",
        "com.norvane.event.RhombusTool",
        "DisplayRhombusToolOptions",
    },
    Payload,
    Read,
};

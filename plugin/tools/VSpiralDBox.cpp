#include "tools/VSpiralDBox.h"

#include "panels/PanelPayload.h"

namespace {

std::string Payload(const SpiralParams& p) {
    return PanelPayload().Add("radius", p.radius).Add("turns", p.turns).Add("fermat", p.fermat).Text();
}

void Read(const std::string& payload, SpiralParams& values) {
    ReadPayloadField(payload, "radius", &values.radius);
    ReadPayloadField(payload, "turns", &values.turns);
    ReadPayloadField(payload, "fermat", &values.fermat);
}

}  // namespace

const ShapePanelFields<SpiralParams> kSpiralPanel = {
    {
        "com.zarvo.Spiral",
        "com.norvane.event.SpiralToolParams",
        "com.norvane.event.SpiralToolCancel",
        "com.norvane.event.SpiralTool",
        "DisplayArchSpiralToolOptions",
    },
    Payload,
    Read,
};

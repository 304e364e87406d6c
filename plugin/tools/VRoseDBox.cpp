#include "tools/VRoseDBox.h"

#include "panels/PanelPayload.h"

namespace {

std::string Payload(const RoseParams& p) {
    return PanelPayload().Add("radius", p.radius).Add("lobes", p.lobes).Add("width", p.width).Text();
}

void Read(const std::string& payload, RoseParams& values) {
    ReadPayloadField(payload, "radius", &values.radius);
    ReadPayloadField(payload, "lobes", &values.lobes);
    ReadPayloadField(payload, "width", &values.width);
}

}  // namespace

const ShapePanelFields<RoseParams> kRosePanel = {
    {
        "com.zarvo.Rose",
        "com.norvane.event.RoseToolParams",
        "com.norvane.event.RoseToolCancel",
        "com.norvane.event.RoseTool",
        "DisplayRoseToolOptions",
    },
    Payload,
    Read,
};

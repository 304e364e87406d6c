#include "tools/VPolarMeshDBox.h"

#include "panels/PanelPayload.h"

#include <cmath>
#include <limits>

namespace {

std::string Payload(const PolarMeshParams& p) {
    return PanelPayload()
        .Add("outerRadius", p.outerRadius)
        .Add("innerRadius", p.innerRadius)
        .Add("radialLines", p.radialLines)
        .Add("circularLines", p.circularLines)
        .Add("polygon", p.polygon)
        .Add("colorMode", p.colourMode)
        .Text();
}

// A decimal number truncated toward zero, kept within the 32-bit range.
int32_t Truncated(double x) {
    if (!(x > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (x >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(x));
}

// Counts below a mesh's minimum become the keys' limits.
void Read(const std::string& payload, PolarMeshParams& values) {
    ReadPayloadField(payload, "outerRadius", &values.outerRadius);
    ReadPayloadField(payload, "innerRadius", &values.innerRadius);
    ReadPayloadField(payload, "radialLines", &values.radialLines);
    double circular = values.circularLines;
    ReadPayloadField(payload, "circularLines", &circular);
    values.circularLines = Truncated(circular);
    ReadPayloadField(payload, "polygon", &values.polygon);
    ReadPayloadField(payload, "colorMode", &values.colourMode);
    values.radialLines = ClampRadialLines(values.radialLines);
    values.circularLines = ClampCircularLines(values.circularLines);
}

}  // namespace

const ShapePanelFields<PolarMeshParams> kPolarMeshPanel = {
    {
        "com.zarvo.PolarMesh",
        "com.norvane.event.PolarMeshToolParams",
        "com.norvane.event.PolarMeshToolCancel",
        "com.norvane.event.PolarMeshTool",
        "DisplayPolarMeshToolOptions",
    },
    Payload,
    Read,
};

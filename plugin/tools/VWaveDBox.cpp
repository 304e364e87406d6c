#include "tools/VWaveDBox.h"

#include "panels/PanelPayload.h"

#include <cmath>
#include <limits>

namespace {

std::string Payload(const WaveParams& p) {
    return PanelPayload().Add("width", p.width).Add("height", p.height).Add("waves", p.waves).Text();
}

void Read(const std::string& payload, WaveParams& values) {
    std::string text;
    ReadPayloadField(payload, "width", &values.width);
    if (ExtractPayloadValue(payload, "height", &text)) values.height = ReadLeadingInteger(text);
    if (ExtractPayloadValue(payload, "waves", &text)) {
        // Truncated toward zero; a number beyond the 32-bit range keeps to its end of it.
        const double read = std::trunc(ReadLeadingNumber(text));
        const double waves = std::isnan(read) ? 0.0 : read;
        if (waves >= std::numeric_limits<int32_t>::max())
            values.waves = std::numeric_limits<int32_t>::max();
        else if (waves <= std::numeric_limits<int32_t>::min())
            values.waves = std::numeric_limits<int32_t>::min();
        else
            values.waves = static_cast<int32_t>(waves);
    }
}

}  // namespace

const ShapePanelFields<WaveParams> kWavePanel = {
    {
        "com.zarvo.Wave",
        "com.norvane.event.WaveToolParams",
        "com.norvane.event.WaveToolCancel",
        "com.norvane.event.WaveTool",
        "DisplayWaveToolOptions",
    },
    Payload,
    Read,
};

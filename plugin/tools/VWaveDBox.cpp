#include "tools/VWaveDBox.h"

#include "panels/PanelPayload.h"

#include <cmath>
#include <limits>

const ToolPanelNames VWaveDBox::kNames = {
    "com.zarvo.Wave",
    "com.norvane.event.WaveToolParams",
    "com.norvane.event.WaveToolCancel",
    "com.norvane.event.WaveTool",
    "DisplayWaveToolOptions",
    &ZGlobals::waveDBox,
    {&ZGlobals::waveTool, nullptr},
};

VWaveDBox::VWaveDBox(const WaveParams* defaults) : VShapeToolDBox(kNames, defaults) {}

std::string VWaveDBox::Payload() const {
    const WaveParams& p = *Parameters();
    return PanelPayload().Add("width", p.width).Add("height", p.height).Add("waves", p.waves).Text();
}

void VWaveDBox::ReceiveParameters(const std::string& payload) {
    WaveParams* params = Block();
    if (!params) return;
    std::string text;
    ReadPayloadField(payload, "width", &params->width);
    if (ExtractPayloadValue(payload, "height", &text)) params->height = ReadLeadingInteger(text);
    if (ExtractPayloadValue(payload, "waves", &text)) {
        // Truncated toward zero; a number beyond the 32-bit range keeps to its end of it.
        const double read = std::trunc(ReadLeadingNumber(text));
        const double waves = std::isnan(read) ? 0.0 : read;
        if (waves >= std::numeric_limits<int32_t>::max())
            params->waves = std::numeric_limits<int32_t>::max();
        else if (waves <= std::numeric_limits<int32_t>::min())
            params->waves = std::numeric_limits<int32_t>::min();
        else
            params->waves = static_cast<int32_t>(waves);
    }
    Confirm();
}

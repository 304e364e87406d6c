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

VWaveDBox::VWaveDBox(const WaveParams* defaults) : VToolPanelController(kNames), defaults_(defaults) {}

void VWaveDBox::PointAt(VWave* wave, WaveParams* params) {
    wave_ = wave;
    params_ = params;
}

std::string VWaveDBox::Payload() const {
    const WaveParams& p = *Parameters();
    return PanelPayload().Add("width", p.width).Add("height", p.height).Add("waves", p.waves).Text();
}

void VWaveDBox::ReceiveParameters(const std::string& payload) {
    if (!params_) return;
    std::string text;
    ReadPayloadField(payload, "width", &params_->width);
    if (ExtractPayloadValue(payload, "height", &text)) params_->height = ReadLeadingInteger(text);
    if (ExtractPayloadValue(payload, "waves", &text)) {
        // Truncated toward zero; a number beyond the 32-bit range keeps to its end of it.
        const double read = std::trunc(ReadLeadingNumber(text));
        const double waves = std::isnan(read) ? 0.0 : read;
        if (waves >= std::numeric_limits<int32_t>::max())
            params_->waves = std::numeric_limits<int32_t>::max();
        else if (waves <= std::numeric_limits<int32_t>::min())
            params_->waves = std::numeric_limits<int32_t>::min();
        else
            params_->waves = static_cast<int32_t>(waves);
    }
    if (wave_) wave_->PanelConfirmed();
}

void VWaveDBox::Cancel() {
    if (wave_) wave_->PanelCancelled();
}

// The wave's panel controller.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VWave.h"

#include <string>

class VWaveDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    explicit VWaveDBox(const WaveParams* defaults);

    void PointAt(VWave* wave, WaveParams* params);

    std::string Payload() const override;
    // Before the tool first opened the panel there is no block of its own: the answer changes
    // nothing.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override;

    const WaveParams* Parameters() const { return params_ ? params_ : defaults_; }

private:
    const WaveParams* defaults_;
    WaveParams* params_ = nullptr;
    VWave* wave_ = nullptr;
};

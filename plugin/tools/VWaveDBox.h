// The wave's panel controller.
#pragma once

#include "tools/VShapeToolDBox.h"
#include "tools/VWave.h"

#include <string>

class VWaveDBox : public VShapeToolDBox<WaveParams> {
public:
    static const ToolPanelNames kNames;

    explicit VWaveDBox(const WaveParams* defaults);

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
};

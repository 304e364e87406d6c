// The wave's panel controller.
#pragma once

#include "tools/VShapeToolDBox.h"
#include "tools/VWave.h"

#include <string>

class VWaveDBox : public VShapeToolDBox<WaveParams> {
public:
    static const ToolPanelNames kNames;

    VWaveDBox(const PanelSlots& slots, VWave& tool);

    std::string Payload() const override;

protected:
    void Read(const std::string& payload, WaveParams& values) const override;
};

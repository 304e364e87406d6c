// The spiral's panel controller.
#pragma once

#include "tools/VShapeToolDBox.h"
#include "tools/VSpiral.h"

#include <string>

class VSpiralDBox : public VShapeToolDBox<SpiralParams> {
public:
    static const ToolPanelNames kNames;

    VSpiralDBox(const PanelSlots& slots, VSpiral& tool);

    std::string Payload() const override;

protected:
    void Read(const std::string& payload, SpiralParams& values) const override;
};

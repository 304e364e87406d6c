// The spiral's panel controller.
#pragma once

#include "tools/VShapeToolDBox.h"
#include "tools/VSpiral.h"

#include <string>

class VSpiralDBox : public VShapeToolDBox<SpiralParams> {
public:
    static const ToolPanelNames kNames;

    explicit VSpiralDBox(const SpiralParams* defaults);

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
};

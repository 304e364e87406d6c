// The spiral's panel controller.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VSpiral.h"

#include <string>

class VSpiralDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    explicit VSpiralDBox(const SpiralParams* defaults);

    void PointAt(VSpiral* spiral, SpiralParams* params);

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override;

    const SpiralParams* Parameters() const { return params_ ? params_ : defaults_; }

private:
    const SpiralParams* defaults_;
    SpiralParams* params_ = nullptr;
    VSpiral* spiral_ = nullptr;
};

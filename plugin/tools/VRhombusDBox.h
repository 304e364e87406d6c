// The rhombus's panel controller.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VRhombus.h"

#include <string>

class VRhombusDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    explicit VRhombusDBox(const RhombusParams* defaults);

    void PointAt(VRhombus* rhombus, RhombusParams* params);

    // This panel's payload has no blank before the colon.
    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override;

    const RhombusParams* Parameters() const { return params_ ? params_ : defaults_; }

private:
    const RhombusParams* defaults_;
    RhombusParams* params_ = nullptr;
    VRhombus* rhombus_ = nullptr;
};

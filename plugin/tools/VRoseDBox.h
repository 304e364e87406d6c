// The rose's panel controller.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VRose.h"

#include <string>

class VRoseDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    explicit VRoseDBox(const RoseParams* defaults);

    // The tool hands over its own block when it opens the panel.
    void PointAt(VRose* rose, RoseParams* params);

    std::string Payload() const override;
    // Before the tool first opened the panel there is no block of its own to store into: the
    // answer changes nothing.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override;

    const RoseParams* Parameters() const { return params_ ? params_ : defaults_; }

private:
    const RoseParams* defaults_;
    RoseParams* params_ = nullptr;
    VRose* rose_ = nullptr;
};

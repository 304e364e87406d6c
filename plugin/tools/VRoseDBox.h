// The rose's panel controller.
#pragma once

#include "tools/VRose.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VRoseDBox : public VShapeToolDBox<RoseParams> {
public:
    static const ToolPanelNames kNames;

    explicit VRoseDBox(const RoseParams* defaults);

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
};

// The rhombus's panel controller.
#pragma once

#include "tools/VRhombus.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VRhombusDBox : public VShapeToolDBox<RhombusParams> {
public:
    static const ToolPanelNames kNames;

    explicit VRhombusDBox(const RhombusParams* defaults);

    // This panel's payload has no blank before the colon.
    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
};

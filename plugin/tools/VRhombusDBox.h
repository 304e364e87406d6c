// The rhombus's panel controller.
#pragma once

#include "tools/VRhombus.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VRhombusDBox : public VShapeToolDBox<RhombusParams> {
public:
    static const ToolPanelNames kNames;

    VRhombusDBox(const PanelSlots& slots, VRhombus& tool);

    // This panel's payload has no blank before the colon.
    std::string Payload() const override;

protected:
    void Read(const std::string& payload, RhombusParams& values) const override;
};

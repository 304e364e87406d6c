// The rose's panel controller.
#pragma once

#include "tools/VRose.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VRoseDBox : public VShapeToolDBox<RoseParams> {
public:
    static const ToolPanelNames kNames;

    VRoseDBox(const PanelSlots& slots, VRose& tool);

    std::string Payload() const override;

protected:
    void Read(const std::string& payload, RoseParams& values) const override;
};

// The grid's panel controller.
#pragma once

#include "tools/VGrid.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VGridDBox : public VShapeToolDBox<GridParams> {
public:
    static const ToolPanelNames kNames;

    VGridDBox(const PanelSlots& slots, VGrid& tool);

    std::string Payload() const override;

protected:
    // The counts are kept within 1 … kMaxSquares.
    void Read(const std::string& payload, GridParams& values) const override;
};

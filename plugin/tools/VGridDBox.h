// The grid's panel controller.
#pragma once

#include "tools/VGrid.h"
#include "tools/VShapeToolDBox.h"

#include <string>

class VGridDBox : public VShapeToolDBox<GridParams> {
public:
    static const ToolPanelNames kNames;

    explicit VGridDBox(const GridParams* defaults);

    std::string Payload() const override;
    // The counts are kept within 1 … kMaxSquares.
    void ReceiveParameters(const std::string& payload) override;
};

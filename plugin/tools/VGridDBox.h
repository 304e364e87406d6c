// The grid's panel controller.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VGrid.h"

#include <string>

class VGridDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    explicit VGridDBox(const GridParams* defaults);

    void PointAt(VGrid* grid, GridParams* params);

    std::string Payload() const override;
    // The counts are kept within 1 … kMaxSquares.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override;

    const GridParams* Parameters() const { return params_ ? params_ : defaults_; }

private:
    const GridParams* defaults_;
    GridParams* params_ = nullptr;
    VGrid* grid_ = nullptr;
};

#include "tools/VGridDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VGridDBox::kNames = {
    "com.zarvo.Grid",
    "com.norvane.event.GridToolParams",
    "com.norvane.event.GridToolCancel",
    "com.norvane.event.GridTool",
    "DisplayGridToolOptions",
    &ZGlobals::gridDBox,
    {&ZGlobals::gridTool, nullptr},
};

VGridDBox::VGridDBox(const GridParams* defaults) : VToolPanelController(kNames), defaults_(defaults) {}

void VGridDBox::PointAt(VGrid* grid, GridParams* params) {
    grid_ = grid;
    params_ = params;
}

std::string VGridDBox::Payload() const {
    const GridParams& p = *Parameters();
    return PanelPayload()
        .Add("width", p.width)
        .Add("height", p.height)
        .Add("sqX", p.squaresX)
        .Add("sqY", p.squaresY)
        .Add("createAsSquares", p.createAsSquares)
        .Text();
}

void VGridDBox::ReceiveParameters(const std::string& payload) {
    if (!params_) return;
    ReadPayloadField(payload, "width", &params_->width);
    ReadPayloadField(payload, "height", &params_->height);
    ReadPayloadField(payload, "sqX", &params_->squaresX);
    ReadPayloadField(payload, "sqY", &params_->squaresY);
    ReadPayloadField(payload, "createAsSquares", &params_->createAsSquares);
    params_->squaresX = ClampSquares(params_->squaresX);
    params_->squaresY = ClampSquares(params_->squaresY);
    if (grid_) grid_->PanelConfirmed();
}

void VGridDBox::Cancel() {
    if (grid_) grid_->PanelCancelled();
}

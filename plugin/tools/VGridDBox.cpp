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

VGridDBox::VGridDBox(const GridParams* defaults) : VShapeToolDBox(kNames, defaults) {}

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
    GridParams* params = Block();
    if (!params) return;
    ReadPayloadField(payload, "width", &params->width);
    ReadPayloadField(payload, "height", &params->height);
    ReadPayloadField(payload, "sqX", &params->squaresX);
    ReadPayloadField(payload, "sqY", &params->squaresY);
    ReadPayloadField(payload, "createAsSquares", &params->createAsSquares);
    params->squaresX = ClampSquares(params->squaresX);
    params->squaresY = ClampSquares(params->squaresY);
    Confirm();
}

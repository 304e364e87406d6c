#include "tools/VGridDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VGridDBox::kNames = {
    "com.zarvo.Grid",
    "com.norvane.event.GridToolParams",
    "com.norvane.event.GridToolCancel",
    "com.norvane.event.GridTool",
    "DisplayGridToolOptions",
};

VGridDBox::VGridDBox(const PanelSlots& slots, VGrid& tool) : VShapeToolDBox(kNames, slots, tool, kGridDefaults) {}

std::string VGridDBox::Payload() const {
    const GridParams& p = Shown();
    return PanelPayload()
        .Add("width", p.width)
        .Add("height", p.height)
        .Add("sqX", p.squaresX)
        .Add("sqY", p.squaresY)
        .Add("createAsSquares", p.createAsSquares)
        .Text();
}

void VGridDBox::Read(const std::string& payload, GridParams& values) const {
    ReadPayloadField(payload, "width", &values.width);
    ReadPayloadField(payload, "height", &values.height);
    ReadPayloadField(payload, "sqX", &values.squaresX);
    ReadPayloadField(payload, "sqY", &values.squaresY);
    ReadPayloadField(payload, "createAsSquares", &values.createAsSquares);
    values.squaresX = ClampSquares(values.squaresX);
    values.squaresY = ClampSquares(values.squaresY);
}

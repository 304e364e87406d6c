#include "tools/VGridDBox.h"

#include "panels/PanelPayload.h"

namespace {

std::string Payload(const GridParams& p) {
    return PanelPayload()
        .Add("width", p.width)
        .Add("height", p.height)
        .Add("sqX", p.squaresX)
        .Add("sqY", p.squaresY)
        .Add("createAsSquares", p.createAsSquares)
        .Text();
}

// The counts are kept within 1 … kMaxSquares.
void Read(const std::string& payload, GridParams& values) {
    ReadPayloadField(payload, "width", &values.width);
    ReadPayloadField(payload, "height", &values.height);
    ReadPayloadField(payload, "sqX", &values.squaresX);
    ReadPayloadField(payload, "sqY", &values.squaresY);
    ReadPayloadField(payload, "createAsSquares", &values.createAsSquares);
    values.squaresX = ClampSquares(values.squaresX);
    values.squaresY = ClampSquares(values.squaresY);
}

}  // namespace

const ShapePanelFields<GridParams> kGridPanel = {
    {
        "com.zarvo.Grid",
        "com.norvane.event.GridToolParams",
        "com.norvane.event.GridToolCancel",
        "com.norvane.event.GridTool",
        "DisplayGridToolOptions",
    },
    Payload,
    Read,
};

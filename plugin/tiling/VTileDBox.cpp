#include "tiling/VTileDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VTileDBox::kNames = {
    "com.zarvo.Tile",
    "com.norvane.event.TileToolParams",
    "com.norvane.event.TileToolCancel",
    "com.norvane.event.TileTool",
    "DisplayTileToolOptions",
};

std::string VTileDBox::Payload() const {
    const TileParams& p = *record_;
    return PanelPayload()
        .Add("symmetry", p.symmetry)
        .Add("tile_cut_mode", p.tileMode == TileCutAuto)
        .Add("tile_mirror_mode", p.tileMode != TileCutAuto)
        .Add("group_cut_single_lattice", p.extentMode == 1)
        .Add("group_cut_document", p.extentMode == 2)
        .Add("group_cut_artboard", p.extentMode == 3)
        .Add("group_cut_page", p.extentMode == 4)
        .Add("tile_mirror_closed_cut", p.closedCut == 2)
        .Text();
}

void VTileDBox::ReceiveParameters(const std::string& payload) {
    TileParams& p = *record_;
    std::string text;
    // A key the answer lacks leaves its field as it was.
    if (ExtractPayloadValue(payload, "symmetry", &text)) p.symmetry = ReadLeadingInteger(text);
    if (ExtractPayloadValue(payload, "tile_cut_mode", &text)) p.tileMode = ReadTruth(text) ? TileCutAuto : TilePattern;
    const char* const extents[] = {"group_cut_single_lattice", "group_cut_document", "group_cut_artboard",
                                   "group_cut_page"};
    for (int32_t mode = 1; mode <= 4; ++mode)
        if (ExtractPayloadValue(payload, extents[mode - 1], &text) && ReadTruth(text)) p.extentMode = mode;
    if (ExtractPayloadValue(payload, "tile_mirror_closed_cut", &text)) p.closedCut = ReadTruth(text) ? 2 : 1;
    tool_.Params() = p;
}

// The tile tool's options panel: the group, cut or pattern mode, the extent of the fill and the
// closed cut. It edits the program-wide defaults until the tool's options are first opened, the
// tool's own parameters from then on, and an answer is copied whole into the tool.
#pragma once

#include "panels/VexelUIController.h"
#include "tiling/TileGeometry.h"
#include "tiling/VTileUI.h"

#include <string>

class VTileDBox : public VToolPanelController, public VTilePanel {
public:
    static const ToolPanelNames kNames;

    VTileDBox(const PanelSlots& slots, VTileUI& tool)
        : VToolPanelController(kNames, slots), tool_(tool), record_(&DefaultTileParams) {}

    void EditRecord(TileParams* record) override { record_ = record; }
    void Open() override { OpenPanel(); }

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

    const TileParams& Record() const { return *record_; }

private:
    VTileUI& tool_;
    TileParams* record_;
};

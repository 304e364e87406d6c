// The options panel of the rosette tool: the count and the two flags.
#pragma once

#include "panels/VexelUIController.h"
#include "tiling/RosetteParams.h"
#include "tiling/VRosetteUI.h"

#include <string>

class VRosetteDBox : public VToolPanelController, public VRosettePanel {
public:
    static const ToolPanelNames kNames;

    VRosetteDBox(const PanelSlots& slots, VRosetteUI& tool);

    void Open(RosetteParams* record) override;
    // The record the panel shows and edits: the program-wide defaults until the tool first opens it.
    const RosetteParams& Record() const { return *record_; }

    std::string Payload() const override;
    // Stores the values (the count held to 1 … 50) and hands them to the tool; draws nothing.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

private:
    VRosetteUI& tool_;
    RosetteParams* record_ = &DefaultRosetteParams;
};

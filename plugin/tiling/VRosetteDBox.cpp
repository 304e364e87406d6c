#include "tiling/VRosetteDBox.h"

#include "panels/PanelPayload.h"

const ToolPanelNames VRosetteDBox::kNames = {
    "com.zarvo.Rosette",
    "com.norvane.event.RosetteToolParams",
    "com.norvane.event.RosetteToolCancel",
    "com.norvane.event.RosetteTool",
    "DisplayRosetteToolOptions",
};

VRosetteDBox::VRosetteDBox(const PanelSlots& slots, VRosetteUI& tool)
    : VToolPanelController(kNames, slots), tool_(tool) {}

void VRosetteDBox::Open(RosetteParams* record) {
    if (record) record_ = record;
    // The interaction mode stays as it is: the answer draws nothing whatever opened the panel.
    OpenPanel();
}

std::string VRosetteDBox::Payload() const {
    return PanelPayload()
        .Add("rosettes", record_->rosettes)
        .Add("cut", record_->cut)
        .Add("mirror", record_->mirror)
        .Text();
}

void VRosetteDBox::ReceiveParameters(const std::string& payload) {
    ReadPayloadField(payload, "rosettes", &record_->rosettes);
    ReadPayloadField(payload, "cut", &record_->cut);
    ReadPayloadField(payload, "mirror", &record_->mirror);
    // Wedges of 360/n degrees need a count the keys could have reached.
    record_->rosettes = ClampRosettes(record_->rosettes);
    tool_.SetParams(*record_);
}

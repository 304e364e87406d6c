#include "mirror/VMirrorDBox.h"

#include "panels/PanelPayload.h"

#include <sstream>

const ToolPanelNames VMirrorDBox::kNames = {
    "com.zarvo.MirrorCut",
    "com.norvane.event.MirrorCutToolParams",
    "com.norvane.event.MirrorCutToolCancel",
    "com.norvane.event.MirrorCutTool",
    "DisplayMirrorCutToolOptions",
};

VMirrorDBox::VMirrorDBox(const PanelSlots& slots, VMirrorUI& tool) : VToolPanelController(kNames, slots), tool_(tool) {}

void VMirrorDBox::Open(const MirrorParams& values, const char* mode) {
    shown_ = values;
    opened_ = true;
    OpenFor(mode);
}

std::string VMirrorDBox::Payload() const {
    std::ostringstream out;
    out << "{\"rotate\" : \"" << Shown().angle << "\"}";
    return out.str();
}

void VMirrorDBox::ReceiveParameters(const std::string& payload) {
    std::string text;
    // An answer without the angle leaves everything as it was.
    if (!ExtractPayloadValue(payload, "rotate", &text)) return;
    MirrorParams values = Shown();
    values.angle = ReadLeadingInteger(text);
    tool_.PanelAnswered(values);
}

#include "mirror/VMirrorDBox.h"

#include "mirror/VMirrorUI.h"
#include "panels/PanelPayload.h"

#include <sstream>

const ToolPanelNames VMirrorDBox::kNames = {
    "com.zarvo.MirrorCut",
    "com.norvane.event.MirrorCutToolParams",
    "com.norvane.event.MirrorCutToolCancel",
    "com.norvane.event.MirrorCutTool",
    "DisplayMirrorCutToolOptions",
    &ZGlobals::mirrorDBox,
    {&ZGlobals::mirrorTool, &ZGlobals::cutTool},
};

VMirrorDBox::VMirrorDBox() : VToolPanelController(kNames) {}

void VMirrorDBox::PointAt(VMirrorUI* tool, MirrorParams* record) {
    tool_ = tool;
    if (record) record_ = record;
}

std::string VMirrorDBox::Payload() const {
    std::ostringstream out;
    out << "{\"rotate\" : \"" << record_->angle << "\"}";
    return out.str();
}

void VMirrorDBox::ReceiveParameters(const std::string& payload) {
    std::string text;
    // An answer without the angle leaves everything as it was.
    if (!ExtractPayloadValue(payload, "rotate", &text)) return;
    record_->angle = ReadLeadingInteger(text);
    VMirrorUI* tool = tool_ ? tool_ : (gZGlobals ? dynamic_cast<VMirrorUI*>(gZGlobals->mirror) : nullptr);
    if (tool && &tool->Params() != record_) tool->Params() = *record_;
}

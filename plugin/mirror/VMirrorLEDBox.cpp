#include "mirror/VMirrorLEDBox.h"

const ToolPanelNames VMirrorLEDBox::kNames = {
    "Zarvo",
    "com.norvane.event.MirrorLEDToolParams",
    nullptr,
    "com.norvane.event.MirrorTool",
    "DisplayMirrorToolOptions",
};

const ToolPanelNames VRectCutLEDBox::kNames = {
    "Zarvo",
    "com.norvane.event.RectangleCutToolParams",
    nullptr,
    "com.norvane.event.RectangleCutTool",
    "DisplayRectangleCutToolOptions",
};

VMirrorLEDBox::VMirrorLEDBox(const PanelSlots& slots, const MirrorParams& params, bool allowPreview, bool cut)
    : VToolPanelController(kNames, slots), params_(params), allowPreview_(allowPreview), cut_(cut) {}

VRectCutLEDBox::VRectCutLEDBox(const PanelSlots& slots, const RectCutHalfSize& halfSize, bool allowPreview)
    : VToolPanelController(kNames, slots), halfSize_(halfSize), allowPreview_(allowPreview) {}

void VRectCutLEDBox::ReceiveParameters(const std::string& payload) {
    // The effect keeps its sizes in its dictionary; the panel's answer is read and let go.
    const std::string width = ElementText(payload, "width");
    const std::string height = ElementText(payload, "height");
    (void)width;
    (void)height;
}

std::string ElementText(const std::string& text, const std::string& name) {
    const std::string open = "<" + name + ">", close = "</" + name + ">";
    const size_t from = text.find(open);
    if (from == std::string::npos) return {};
    const size_t begin = from + open.size();
    const size_t end = text.find(close, begin);
    if (end == std::string::npos) return {};
    return text.substr(begin, end - begin);
}

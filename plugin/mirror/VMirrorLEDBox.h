// Panels of the mirror and rectangle-cut live effects. No message opens them: the effects work
// from their dictionaries. They answer the panel protocol and change nothing.
#pragma once

#include "mirror/MirrorEffects.h"
#include "mirror/MirrorParams.h"
#include "panels/VexelUIController.h"

#include <string>

class VMirrorLEDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    VMirrorLEDBox(const PanelSlots& slots, const MirrorParams& params, bool allowPreview, bool cut);

    std::string Payload() const override { return "<payload></payload>"; }
    void ReceiveParameters(const std::string&) override {}
    void Cancel() override {}

    const MirrorParams& Params() const { return params_; }
    bool IsCut() const { return cut_; }
    bool AllowsPreview() const { return allowPreview_; }

private:
    MirrorParams params_;
    bool allowPreview_;
    bool cut_;
};

class VRectCutLEDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    VRectCutLEDBox(const PanelSlots& slots, const RectCutHalfSize& halfSize, bool allowPreview);

    std::string Payload() const override { return "<payload></payload>"; }
    // Reads the width and height elements and keeps neither.
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

    const RectCutHalfSize& HalfSize() const { return halfSize_; }
    bool AllowsPreview() const { return allowPreview_; }

private:
    RectCutHalfSize halfSize_;
    bool allowPreview_;
};

// The text between <name> and </name>; empty when either tag is missing.
std::string ElementText(const std::string& text, const std::string& name);

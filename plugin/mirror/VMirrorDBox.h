// The options panel of the mirror and cut tools: the axis angle.
#pragma once

#include "mirror/MirrorParams.h"
#include "mirror/VMirrorUI.h"
#include "panels/VexelUIController.h"

#include <string>

class VMirrorDBox : public VToolPanelController, public VMirrorPanel {
public:
    static const ToolPanelNames kNames;

    VMirrorDBox(const PanelSlots& slots, VMirrorUI& tool);

    void Open(const MirrorParams& values, const char* mode) override;
    // The values the panel was opened with; the program-wide defaults before.
    const MirrorParams& Shown() const { return opened_ ? shown_ : DefaultMirrorParams; }

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

private:
    VMirrorUI& tool_;
    MirrorParams shown_;
    bool opened_ = false;
};

// The options panel of the mirror and cut tools: the axis angle.
#pragma once

#include "mirror/MirrorParams.h"
#include "panels/VexelUIController.h"

#include <string>

class VMirrorUI;

class VMirrorDBox : public VToolPanelController {
public:
    static const ToolPanelNames kNames;

    VMirrorDBox();

    // The tool hands over its own record when it opens the panel; never moved back.
    void PointAt(VMirrorUI* tool, MirrorParams* record);
    MirrorParams* Record() const { return record_; }

    std::string Payload() const override;
    void ReceiveParameters(const std::string& payload) override;
    void Cancel() override {}

private:
    MirrorParams* record_ = &DefaultMirrorParams;
    VMirrorUI* tool_ = nullptr;
};

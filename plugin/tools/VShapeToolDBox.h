// The panel controller of a shape tool: the payload comes from the tool's own parameter block
// once the tool has opened the panel, from the defaults before.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VPanelShapeTool.h"

template <class Params>
class VShapeToolDBox : public VToolPanelController {
public:
    VShapeToolDBox(const ToolPanelNames& names, const Params* defaults)
        : VToolPanelController(names), defaults_(defaults) {}

    // The tool hands over its own block when it opens the panel.
    void PointAt(VPanelShapeTool* tool, Params* params) {
        tool_ = tool;
        params_ = params;
    }

    void Cancel() override {
        if (tool_) tool_->PanelCancelled();
    }

    const Params* Parameters() const { return params_ ? params_ : defaults_; }

protected:
    // Before the tool first opened the panel there is no block of its own to store into: the
    // answer changes nothing.
    Params* Block() const { return params_; }
    void Confirm() {
        if (tool_) tool_->PanelConfirmed();
    }

private:
    const Params* defaults_;
    Params* params_ = nullptr;
    VPanelShapeTool* tool_ = nullptr;
};

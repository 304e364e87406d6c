// The panel controller of a shape tool. The tool hands it a copy of its parameters when it opens
// the panel (the payload is made from that copy, from the defaults before); an answer is read into
// a record and handed to the tool with the interaction mode, and the tool decides what it does.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VPanelShapeTool.h"

#include <string>

template <class Params>
class VShapeToolDBox : public VToolPanelController, public VShapePanel<Params> {
public:
    VShapeToolDBox(const ToolPanelNames& names, const PanelSlots& slots, VParamShapeTool<Params>& tool,
                   const Params& defaults)
        : VToolPanelController(names, slots), tool_(tool), shown_(defaults) {}

    void Open(const Params& values, const char* mode) override {
        shown_ = values;
        OpenFor(mode);
    }

    void ReceiveParameters(const std::string& payload) override {
        Params values = shown_;
        Read(payload, values);
        tool_.PanelAnswered(values, InteractionMode());
    }

    void Cancel() override { tool_.PanelClosed(InteractionMode()); }

    // The values the panel was last opened with.
    const Params& Shown() const { return shown_; }

protected:
    // Reads the answer's fields into `values`; a field the answer lacks keeps its value.
    virtual void Read(const std::string& payload, Params& values) const = 0;

private:
    VParamShapeTool<Params>& tool_;
    Params shown_;
};

// The panel controller of a shape tool. The tool hands it a copy of its parameters when it opens
// the panel (the payload is made from that copy, from the defaults before); an answer is read into
// a record and handed to the tool with the interaction mode, and the tool decides what it does.
#pragma once

#include "panels/VexelUIController.h"
#include "tools/VPanelShapeTool.h"

#include <string>

// What tells one shape tool's panel from another: its names, the payload it is sent and the
// reading of its answer. Each panel's source defines them for its record.
template <class Params>
struct ShapePanelFields {
    ToolPanelNames names;
    std::string (*payload)(const Params& shown);
    // Reads the answer's fields into `values`; a field the answer lacks keeps its value.
    void (*read)(const std::string& payload, Params& values);
};

template <class Params>
class VShapeToolDBox final : public VToolPanelController, public VShapePanel<Params> {
public:
    VShapeToolDBox(const ShapePanelFields<Params>& fields, const PanelSlots& slots, VParamShapeTool<Params>& tool)
        : VToolPanelController(fields.names, slots), fields_(fields), tool_(tool), shown_(tool.Defaults()) {}

    void Open(const Params& values, const char* mode) override {
        shown_ = values;
        OpenFor(mode);
    }

    std::string Payload() const override { return fields_.payload(shown_); }

    void ReceiveParameters(const std::string& payload) override {
        Params values = shown_;
        fields_.read(payload, values);
        tool_.PanelAnswered(values, InteractionMode());
    }

    void Cancel() override { tool_.PanelClosed(InteractionMode()); }

    // The values the panel was last opened with.
    const Params& Shown() const { return shown_; }

private:
    const ShapePanelFields<Params>& fields_;
    VParamShapeTool<Params>& tool_;
    Params shown_;
};
